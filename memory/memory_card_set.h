// The four picture sets of the memory game: titles, card faces and grade table per variant.
#pragma once

#include <array>
#include <string_view>

#include "memory_grade_table.h"

// One variant of the memory game: what its window shows and which table grades it.
struct MemoryCardSet {
  std::string_view variant;  // the hand-off text that selects this set
  std::string_view title;
  std::string_view subtitle;
  std::array<int, 10> faces;  // picture numbers of faces 1 .. 10
  const MemoryGradeTable* grade_table;
};

// Picture number of the card back, the same in every variant.
inline constexpr int memory_back_picture = 102;

inline constexpr std::array<MemoryCardSet, 4> memory_card_sets{{
    {"1",
     "Memory 1",
     "Symbole - Es wird nach Anzahl der Versuche bewertet.",
     {110, 111, 112, 103, 104, 105, 106, 107, 108, 109},
     &memory_grade_table_a},
    {"2",
     "Memory 2",
     "Allerlei - Es wird nach Anzahl der Versuche bewertet.",
     {123, 124, 125, 126, 127, 128, 129, 130, 131, 132},
     &memory_grade_table_a},
    {"3",
     "Memory 3",
     "Farbverlauf - Es wird nach Anzahl der Versuche bewertet.",
     {113, 114, 115, 116, 117, 118, 119, 120, 121, 122},
     &memory_grade_table_b},
    {"4",
     "Memory 4",
     "Symboldarstellung - Es wird nach Anzahl der Versuche bewertet.",
     {133, 134, 135, 136, 137, 138, 139, 140, 141, 142},
     &memory_grade_table_b},
}};
