// The table of the fifteen exercises.
#include "exercise_catalogue.h"

#include <algorithm>
#include <array>

namespace {

using enum ExerciseForm;

// The button numbers do not follow the families; in the path family the odd variants are
// number paths and the even ones letter paths.
constexpr std::array<ExerciseEntry, 15> kEntries{{
    {"cb_1", 103, "Zahlenstraße 1", Form2, "1"},
    {"cb_2", 104, "Buchstabenstraße 1", Form2, "2"},
    {"cb_3", 105, "Zahlenstraße 2", Form2, "3"},
    {"cb_4", 106, "Buchstabenstraße 2", Form2, "4"},
    {"cb_12", 115, "Zahlenstraße 3", Form2, "5"},
    {"cb_13", 116, "Buchstabenstraße 3", Form2, "6"},
    {"cb_9", 111, "Rechenübung 1", Form3, "1"},
    {"cb_10", 112, "Rechenübung 2", Form3, "2"},
    {"cb_5", 107, "Memory 1", Form4, "1"},
    {"cb_6", 108, "Memory 2", Form4, "2"},
    {"cb_7", 109, "Memory 3", Form4, "3"},
    {"cb_8", 110, "Memory 4", Form4, "4"},
    {"cb_11", 126, "Merkfähigkeitsübung 1", Form5, "1"},
    {"cb_14", 128, "Merkfähigkeitsübung 2", Form5, "2"},
    {"cb_15", 129, "Merkfähigkeitsübung 3", Form5, "3"},
}};

}  // namespace

std::optional<ExerciseEntry> ExerciseCatalogue::find_entry(std::string_view button) {
  const auto found = std::ranges::find(kEntries, button, &ExerciseEntry::button);
  if (found == kEntries.end()) return std::nullopt;
  return *found;
}

std::span<const ExerciseEntry> ExerciseCatalogue::all_entries() {
  return kEntries;
}
