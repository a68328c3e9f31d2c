// Tests of the four grading tables: band edges and each table's own wording.
#include "path_grade_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

std::string_view first_line(std::string_view text) {
  return text.substr(0, text.find('\n'));
}

std::string_view last_line(std::string_view text) {
  return text.substr(text.rfind('\n') + 1);
}

struct EdgeCase {
  PathGroup table;
  int ticks;
  std::string_view first_line;
  std::string_view grade;
};

constexpr EdgeCase edge_cases[] = {
    {PathGroup::A, 0, "Du hast 0 Sekunden benötigt um 15 Ziffern zu finden.", "Note 1"},
    {PathGroup::A, 3, "Du hast 3 Sekunden benötigt um 15 Ziffern zu finden.", "Note 1"},
    {PathGroup::A, 4, "Du hast 4 Sekunden benötigt um 15 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::A, 5, "Du hast 5 Sekunden benötigt um 15 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::A, 6, "Du hast 6 Sekunden benötigt um 15 Ziffern zu finden.", "Note 2"},
    {PathGroup::A, 9, "Du hast 9 Sekunden benötigt um 15 Ziffern zu finden.", "Note 2"},
    {PathGroup::A, 10, "Du hast 10 Sekunden benötigt um 15 Ziffern zu finden.", "Note 3"},
    {PathGroup::A, 17, "Du hast 17 Sekunden benötigt um 15 Ziffern zu finden.", "Note 3"},
    {PathGroup::A, 18, "Du hast 18 Sekunden benötigt um 15 Ziffern zu finden.", "Note 4"},
    {PathGroup::A, 25, "Du hast 25 Sekunden benötigt um 15 Ziffern zu finden.", "Note 4"},
    {PathGroup::A, 26, "Du hast 26 Sekunden benötigt um 15 Ziffern zu finden.", "Ohne Bewertung."},
    {PathGroup::B, 0, "Du hast 0 Sekunden benötigt um 20 Ziffern zu finden.", "Note 1"},
    {PathGroup::B, 7, "Du hast 7 Sekunden benötigt um 20 Ziffern zu finden.", "Note 1"},
    {PathGroup::B, 8, "Du hast 8 Sekunden benötigt um 20 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::B, 12, "Du hast 12 Sekunden benötigt um 20 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::B, 13, "Du hast 13 Sekunden benötigt um 20 Ziffern zu finden.", "Note 2"},
    {PathGroup::B, 17, "Du hast 17 Sekunden benötigt um 20 Ziffern zu finden.", "Note 2"},
    {PathGroup::B, 18, "Du hast 18 Sekunden benötigt um 20 Ziffern zu finden.", "Note 3"},
    {PathGroup::B, 22, "Du hast 22 Sekunden benötigt um 20 Ziffern zu finden.", "Note 3"},
    {PathGroup::B, 23, "Du hast 23 Sekunden benötigt um 20 Ziffern zu finden.", "Note 4"},
    {PathGroup::B, 27, "Du hast 27 Sekunden benötigt um 20 Ziffern zu finden.", "Note 4"},
    {PathGroup::B, 28, "Du hast 28 Sekunden benötigt um 20 Ziffern zu finden.", "Ohne Bewertung."},
    {PathGroup::C, 0, "Du hast 0 Sekunden benötigt um 28 Ziffern zu finden.", "Note 1"},
    {PathGroup::C, 15, "Du hast 15 Sekunden benötigt um 28 Ziffern zu finden.", "Note 1"},
    {PathGroup::C, 16, "Du hast 16 Sekunden benötigt um 28 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::C, 20, "Du hast 20 Sekunden benötigt um 28 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::C, 21, "Du hast 21 Sekunden benötigt um 28 Ziffern zu finden.", "Note 2"},
    {PathGroup::C, 25, "Du hast 25 Sekunden benötigt um 28 Ziffern zu finden.", "Note 2"},
    {PathGroup::C, 26, "Du hast 26 Sekunden benötigt um 28 Ziffern zu finden.", "Note 3"},
    {PathGroup::C, 30, "Du hast 30 Sekunden benötigt um 28 Ziffern zu finden.", "Note 3"},
    {PathGroup::C, 31, "Du hast 31 Sekunden benötigt um 28 Ziffern zu finden.", "Note 4"},
    {PathGroup::C, 35, "Du hast 35 Sekunden benötigt um 28 Ziffern zu finden.", "Note 4"},
    {PathGroup::C, 36, "Du hast 36 Sekunden benötigt um 28 Ziffern zu finden.", "Ohne Bewertung."},
    {PathGroup::D, 0, "Du hast 0 Sekunden benötigt um 26 Ziffern zu finden.", "Note 1"},
    {PathGroup::D, 15, "Du hast 15 Sekunden benötigt um 26 Ziffern zu finden.", "Note 1"},
    {PathGroup::D, 16, "Du hast 16 Sekunden benötigt um 26 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::D, 20, "Du hast 20 Sekunden benötigt um 26 Ziffern zu finden.", "Note 1,3"},
    {PathGroup::D, 21, "Du hast 21 Sekunden benötigt um 26 Ziffern zu finden.", "Note 2"},
    {PathGroup::D, 25, "Du hast 25 Sekunden benötigt um 26 Ziffern zu finden.", "Note 2"},
    {PathGroup::D, 26, "Du hast 26 Sekunden benötigt um 26 Ziffern zu finden.", "Note 3"},
    {PathGroup::D, 30, "Du hast 30 Sekunden benötigt um 26 Ziffern zu finden.", "Note 3"},
    {PathGroup::D, 31, "Du hast 31 Sekunden benötigt um 26 Ziffern zu finden.", "Note 4."},
    {PathGroup::D, 36, "Du hast 36 Sekunden benötigt um 26 Ziffern zu finden.", "Note 4."},
    {PathGroup::D, 37, "Du hast 37 Sekunden benötigt um 26 Ziffern zu finden.", "Ohne Bewertung."},
    {PathGroup::D, 5000, "Du hast 5000 Sekunden benötigt um 26 Ziffern zu finden.",
     "Ohne Bewertung."},
};

}  // namespace

TEST(PathGradeTableTest, GradesEachCountAtTheEdgesOfItsBand) {
  for (const EdgeCase& edge : edge_cases) {
    SCOPED_TRACE(testing::Message()
                 << "table " << static_cast<int>(edge.table) << " count " << edge.ticks);
    const std::string message = PathGradeTable::of(edge.table).message(edge.ticks);
    EXPECT_EQ(first_line(message), edge.first_line);
    EXPECT_EQ(last_line(message), edge.grade);
  }
}

TEST(PathGradeTableTest, KeepsEachTablesOwnWording) {
  struct WordingCase {
    PathGroup table;
    int ticks;
    std::string_view message;
  };
  constexpr WordingCase cases[] = {
      {PathGroup::A, 26,
       "Du hast 26 Sekunden benötigt um 15 Ziffern zu finden.\nDeine Leistung ist schlecht.\n"
       "Bitte weiter üben.\nOhne Bewertung."},
      {PathGroup::A, 4,
       "Du hast 4 Sekunden benötigt um 15 Ziffern zu finden.\nDeine Leistung ist sehr gut.\n"
       "Du kannst dich druch Training noch weiter steigeren!\nNote 1,3"},
      {PathGroup::B, 28,
       "Du hast 28 Sekunden benötigt um 20 Ziffern zu finden.\nBitte weiter üben.\n"
       "Deine Leistung ist schlecht.\nTrainiere und steigere dich!\nOhne Bewertung."},
      {PathGroup::B, 23,
       "Du hast 23 Sekunden benötigt um 20 Ziffern zu finden.\nDeine Leistung ist "
       "durchschnittlich.\nTrainiere weiter und steigere dich!\nNote 4"},
      {PathGroup::B, 8,
       "Du hast 8 Sekunden benötigt um 20 Ziffern zu finden.\nDeine Leistung ist sehr gut.\n"
       "Du kannst dich durch Training noch weiter steigern!\nNote 1,3"},
      {PathGroup::C, 36,
       "Du hast 36 Sekunden benötigt um 28 Ziffern zu finden.\nDeine Leistung ist schlecht.\n"
       "Bitte weiter üben.\nTrainiere weiter und steigere dich!\nOhne Bewertung."},
      {PathGroup::C, 21,
       "Du hast 21 Sekunden benötigt um 28 Ziffern zu finden.\nDeine Leistung ist gut.\n"
       "Trainiere weiter und steigere dich noch mehr!\nNote 2"},
      {PathGroup::D, 37,
       "Du hast 37 Sekunden benötigt um 26 Ziffern zu finden.\nDeine Leistung ist schlecht.\n"
       "Bitte weiter üben.\nOhne Bewertung."},
      {PathGroup::D, 31,
       "Du hast 31 Sekunden benötigt um 26 Ziffern zu finden.\nDeine Leistung ist schlecht.\n"
       "Trainiere weiter und steigere dich!\nNote 4."},
      {PathGroup::D, 0,
       "Du hast 0 Sekunden benötigt um 26 Ziffern zu finden.\nDeine Leistung ist spitze.\n"
       "Note 1"},
  };
  for (const WordingCase& wording : cases) {
    SCOPED_TRACE(testing::Message()
                 << "table " << static_cast<int>(wording.table) << " count " << wording.ticks);
    EXPECT_EQ(PathGradeTable::of(wording.table).message(wording.ticks), wording.message);
  }
}
