// Tests of the exercise catalogue against the menu's table of fifteen buttons.
#include "exercise_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using enum ExerciseForm;

struct Row {
  const char* button;
  int id;
  const char* caption;
  ExerciseForm form;
  const char* variant;
};

// Grouped by exercise window, as the menu's documentation lists them.
const Row kExpected[] = {
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
};

void ExpectEntry(const ExerciseEntry& entry, const Row& row) {
  EXPECT_EQ(entry.button, row.button);
  EXPECT_EQ(entry.button_id, row.id);
  EXPECT_EQ(entry.caption, row.caption);
  EXPECT_EQ(entry.form, row.form);
  EXPECT_EQ(entry.variant, row.variant);
}

}  // namespace

TEST(ExerciseCatalogueTest, ListsTheFifteenExercisesInTableOrder) {
  const auto entries = ExerciseCatalogue::all_entries();
  ASSERT_EQ(entries.size(), std::size(kExpected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(kExpected[i].button);
    ExpectEntry(entries[i], kExpected[i]);
  }
}

TEST(ExerciseCatalogueTest, FindsTheEntryOfEveryMenuButton) {
  for (const Row& row : kExpected) {
    SCOPED_TRACE(row.button);
    const auto entry = ExerciseCatalogue::find_entry(row.button);
    ASSERT_TRUE(entry.has_value());
    ExpectEntry(*entry, row);
  }
}

TEST(ExerciseCatalogueTest, FindsNothingForOtherControls) {
  for (const char* other : {"cb_16", "cb_0", "label_1", "rtb_zs", "CB_1", "cb_1 ", ""}) {
    SCOPED_TRACE(other);
    EXPECT_FALSE(ExerciseCatalogue::find_entry(other).has_value());
  }
}
