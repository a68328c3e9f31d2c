// Grading of a path round: picks the band of a time count and composes its message.
#include "path_grade_table.h"

#include <algorithm>

#include "printf_text.h"

std::string PathGradeTable::message(int ticks) const {
  for (const PathGradeBand& band : bands) {
    if (band.lowest <= ticks && ticks <= band.highest) return printf_text(band.message, ticks);
  }
  // Unreachable: the bands of every table cover all counts.
  return {};
}

const PathGradeTable& PathGradeTable::of(PathGroup letter) {
  const auto table = std::ranges::find(path_grade_tables, letter, &PathGradeTable::letter);
  // Every letter has a table, so the search never runs off the end.
  return *table;
}
