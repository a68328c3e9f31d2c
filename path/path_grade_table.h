// The four grading tables of the path: six bands of time counts with their messages.
#pragma once

#include <array>
#include <limits>
#include <string>

#include "path_variant.h"

// Counts from `lowest` to `highest` (both included) earn `message`; its "%d" takes the count.
struct PathGradeBand {
  int lowest;
  int highest;
  const char* message;
};

struct PathGradeTable {
  PathGroup letter;
  std::array<PathGradeBand, 6> bands;  // tested in this order

  // The message of the first band that holds `ticks`, with `ticks` in place of "%d".
  std::string message(int ticks) const;

  // The table with the given letter.
  static const PathGradeTable& of(PathGroup letter);
};

inline constexpr int path_ticks_min = std::numeric_limits<int>::min();
inline constexpr int path_ticks_max = std::numeric_limits<int>::max();

// The texts differ between tables in more than the count; each table keeps its own wording.
inline constexpr std::array<PathGradeTable, 4> path_grade_tables{{
    {PathGroup::A,
     {{
         {26, path_ticks_max,
          "Du hast %d Sekunden benötigt um 15 Ziffern zu finden.\n"
          "Deine Leistung ist schlecht.\n"
          "Bitte weiter üben.\n"
          "Ohne Bewertung."},
         {18, 25,
          "Du hast %d Sekunden benötigt um 15 Ziffern zu finden.\n"
          "Deine Leistung ist schlecht.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 4"},
         {10, 17,
          "Du hast %d Sekunden benötigt um 15 Ziffern zu finden.\n"
          "Deine Leistung ist durchschnittlich.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 3"},
         {6, 9,
          "Du hast %d Sekunden benötigt um 15 Ziffern zu finden.\n"
          "Deine Leistung ist gut.\n"
          "Trainiere weiter und steigere dich noch mehr!\n"
          "Note 2"},
         {4, 5,
          "Du hast %d Sekunden benötigt um 15 Ziffern zu finden.\n"
          "Deine Leistung ist sehr gut.\n"
          "Du kannst dich druch Training noch weiter steigeren!\n"
          "Note 1,3"},
         {path_ticks_min, 3,
          "Du hast %d Sekunden benötigt um 15 Ziffern zu finden.\n"
          "Deine Leistung ist spitze.\n"
          "Note 1"},
     }}},
    {PathGroup::B,
     {{
         {28, path_ticks_max,
          "Du hast %d Sekunden benötigt um 20 Ziffern zu finden.\n"
          "Bitte weiter üben.\n"
          "Deine Leistung ist schlecht.\n"
          "Trainiere und steigere dich!\n"
          "Ohne Bewertung."},
         {23, 27,
          "Du hast %d Sekunden benötigt um 20 Ziffern zu finden.\n"
          "Deine Leistung ist durchschnittlich.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 4"},
         {18, 22,
          "Du hast %d Sekunden benötigt um 20 Ziffern zu finden.\n"
          "Deine Leistung ist durchschnittlich.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 3"},
         {13, 17,
          "Du hast %d Sekunden benötigt um 20 Ziffern zu finden.\n"
          "Deine Leistung ist gut.\n"
          "Trainiere weiter und steigere dich noch mehr!\n"
          "Note 2"},
         {8, 12,
          "Du hast %d Sekunden benötigt um 20 Ziffern zu finden.\n"
          "Deine Leistung ist sehr gut.\n"
          "Du kannst dich durch Training noch weiter steigern!\n"
          "Note 1,3"},
         {path_ticks_min, 7,
          "Du hast %d Sekunden benötigt um 20 Ziffern zu finden.\n"
          "Deine Leistung ist spitze.\n"
          "Note 1"},
     }}},
    {PathGroup::C,
     {{
         {36, path_ticks_max,
          "Du hast %d Sekunden benötigt um 28 Ziffern zu finden.\n"
          "Deine Leistung ist schlecht.\n"
          "Bitte weiter üben.\n"
          "Trainiere weiter und steigere dich!\n"
          "Ohne Bewertung."},
         {31, 35,
          "Du hast %d Sekunden benötigt um 28 Ziffern zu finden.\n"
          "Deine Leistung ist schlecht.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 4"},
         {26, 30,
          "Du hast %d Sekunden benötigt um 28 Ziffern zu finden.\n"
          "Deine Leistung ist durchschnittlich.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 3"},
         {21, 25,
          "Du hast %d Sekunden benötigt um 28 Ziffern zu finden.\n"
          "Deine Leistung ist gut.\n"
          "Trainiere weiter und steigere dich noch mehr!\n"
          "Note 2"},
         {16, 20,
          "Du hast %d Sekunden benötigt um 28 Ziffern zu finden.\n"
          "Deine Leistung ist sehr gut.\n"
          "Du kannst dich durch Training noch weiter steigern!\n"
          "Note 1,3"},
         {path_ticks_min, 15,
          "Du hast %d Sekunden benötigt um 28 Ziffern zu finden.\n"
          "Deine Leistung ist spitze.\n"
          "Note 1"},
     }}},
    {PathGroup::D,
     {{
         {37, path_ticks_max,
          "Du hast %d Sekunden benötigt um 26 Ziffern zu finden.\n"
          "Deine Leistung ist schlecht.\n"
          "Bitte weiter üben.\n"
          "Ohne Bewertung."},
         {31, 36,
          "Du hast %d Sekunden benötigt um 26 Ziffern zu finden.\n"
          "Deine Leistung ist schlecht.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 4."},
         {26, 30,
          "Du hast %d Sekunden benötigt um 26 Ziffern zu finden.\n"
          "Deine Leistung ist durchschnittlich.\n"
          "Trainiere weiter und steigere dich!\n"
          "Note 3"},
         {21, 25,
          "Du hast %d Sekunden benötigt um 26 Ziffern zu finden.\n"
          "Deine Leistung ist gut.\n"
          "Trainiere weiter und steigere dich noch mehr!\n"
          "Note 2"},
         {16, 20,
          "Du hast %d Sekunden benötigt um 26 Ziffern zu finden.\n"
          "Deine Leistung ist sehr gut.\n"
          "Du kannst dich durch Training noch weiter steigern!\n"
          "Note 1,3"},
         {path_ticks_min, 15,
          "Du hast %d Sekunden benötigt um 26 Ziffern zu finden.\n"
          "Deine Leistung ist spitze.\n"
          "Note 1"},
     }}},
}};
