// Tests of the path's round: variants, visibility, arrangements, presses and the result.
#include "path_exercise.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::vector<int> one_to(int n) {
  std::vector<int> cells(static_cast<std::size_t>(n));
  std::iota(cells.begin(), cells.end(), 1);
  return cells;
}

// A fresh exercise with `text` selected and a round started with `layout`.
PathExercise started(std::string_view text, int layout = 0) {
  PathExercise exercise;
  exercise.set_idle();
  exercise.select_variant(text);
  exercise.start_round(layout);
  return exercise;
}

struct VariantCase {
  std::string_view text;
  std::string_view title;
  std::string_view subtitle;
  int cells;
  bool letters;
};

constexpr VariantCase variant_cases[] = {
    {"1", "Zahlenstraße 1", "Zahlen bis 15  /Schnelligkeit zählt", 15, false},
    {"2", "Buchstabenstraße 1", "15 Buchstaben", 15, true},
    {"3", "Zahlenstraße 2", "Zahlen bis 20", 20, false},
    {"4", "Buchstabenstraße 2", "20 Buchstaben", 20, true},
    {"5", "Zahlenstraße 3", "Zahlen bis 28", 28, false},
    {"6", "Buchstabenstraße 3", "26 Buchstaben", 26, true},
};

}  // namespace

TEST(PathExerciseTest, SelectsEachVariantWithItsHeadingsAndCellTexts) {
  for (const VariantCase& expected : variant_cases) {
    SCOPED_TRACE(testing::Message() << "variant " << expected.text);
    PathExercise exercise;
    const auto variant = exercise.select_variant(expected.text);
    ASSERT_TRUE(variant.has_value());
    EXPECT_EQ(variant->title, expected.title);
    EXPECT_EQ(variant->subtitle, expected.subtitle);
    EXPECT_EQ(exercise.cell_count(), expected.cells);
    for (int k = 1; k <= 28; ++k) {
      const bool own_text = expected.letters && k <= expected.cells;
      const std::string text =
          own_text ? std::string(1, alphabet[static_cast<std::size_t>(k - 1)]) : std::to_string(k);
      EXPECT_EQ(exercise.cell_text(k), text) << "cell " << k;
    }
  }
}

TEST(PathExerciseTest, UnknownTextSelectsNoVariantButIsKept) {
  for (std::string_view text : {"", "0", "7", "01", "1 ", "a"}) {
    SCOPED_TRACE(testing::Message() << "text '" << text << "'");
    PathExercise exercise;
    exercise.select_variant("5");
    EXPECT_FALSE(exercise.select_variant(text).has_value());
    EXPECT_EQ(exercise.variant_text(), text);
    EXPECT_FALSE(exercise.variant().has_value());
    EXPECT_EQ(exercise.cell_count(), 15);
    EXPECT_EQ(exercise.cell_text(26), "26");
  }
}

TEST(PathExerciseTest, ShowsCellsOneToNOnlyDuringARound) {
  struct Case {
    std::string_view text;
    int cells;
  };
  constexpr Case cases[] = {{"1", 15}, {"2", 15}, {"3", 20}, {"4", 20},
                            {"5", 28}, {"6", 26}, {"", 15},  {"9", 15}};
  for (const Case& round : cases) {
    SCOPED_TRACE(testing::Message() << "variant '" << round.text << "'");
    PathExercise exercise;
    exercise.set_idle();
    exercise.select_variant(round.text);
    EXPECT_TRUE(exercise.visible_cells().empty());
    exercise.start_round(0);
    EXPECT_EQ(exercise.visible_cells(), one_to(round.cells));
    exercise.set_idle();
    EXPECT_TRUE(exercise.visible_cells().empty());
  }
}

TEST(PathExerciseTest, StartReturnsTheGroupsArrangementForLayoutsOneToThree) {
  PathExercise exercise = started("2", 1);
  const auto placements = exercise.start_round(1);
  ASSERT_TRUE(placements.has_value());
  ASSERT_EQ(placements->size(), 15u);
  EXPECT_EQ(placements->front().slot, 1);
  EXPECT_EQ(placements->front().cell, 7);
  EXPECT_EQ(placements->back().slot, 15);
  EXPECT_EQ(placements->back().cell, 4);

  const auto letters_of_26 = started("6").start_round(3);
  ASSERT_TRUE(letters_of_26.has_value());
  EXPECT_EQ(letters_of_26->size(), 26u);
  EXPECT_EQ(letters_of_26->back().cell, 18);
}

TEST(PathExerciseTest, StartLeavesCellsInPlaceForLayoutsZeroAndFourOrWithoutVariant) {
  PathExercise exercise = started("5");
  EXPECT_FALSE(exercise.start_round(0).has_value());
  EXPECT_FALSE(exercise.start_round(4).has_value());
  EXPECT_EQ(exercise.layout(), 4);
  EXPECT_FALSE(started("x").start_round(2).has_value());
}

TEST(PathExerciseTest, StartResetsCountAndMarks) {
  PathExercise exercise = started("1");
  exercise.count_tick();
  exercise.press_cell(1);
  exercise.start_round(0);
  EXPECT_EQ(exercise.ticks(), 0);
  EXPECT_EQ(exercise.next_cell(), 0);
  EXPECT_FALSE(exercise.found(1));
  EXPECT_TRUE(exercise.running());
}

TEST(PathExerciseTest, IgnoresAPressOutOfOrderThenAcceptsInOrder) {
  PathExercise exercise = started("1");
  EXPECT_EQ(exercise.press_cell(2), PressResult::ignored);
  EXPECT_FALSE(exercise.found(2));
  EXPECT_EQ(exercise.next_cell(), 0);
  EXPECT_EQ(exercise.press_cell(1), PressResult::accepted);
  EXPECT_EQ(exercise.press_cell(2), PressResult::accepted);
  EXPECT_TRUE(exercise.found(1));
  EXPECT_TRUE(exercise.found(2));
  EXPECT_EQ(exercise.next_cell(), 2);
}

TEST(PathExerciseTest, IgnoresASecondPressOnAFoundCell) {
  PathExercise exercise = started("3");
  exercise.press_cell(1);
  exercise.press_cell(2);
  EXPECT_EQ(exercise.press_cell(2), PressResult::ignored);
  EXPECT_EQ(exercise.press_cell(1), PressResult::ignored);
  EXPECT_EQ(exercise.next_cell(), 2);
}

TEST(PathExerciseTest, IgnoresPressesOutsideARound) {
  PathExercise before_start;
  before_start.set_idle();
  before_start.select_variant("1");
  EXPECT_EQ(before_start.press_cell(1), PressResult::ignored);

  PathExercise after_finish = started("1");
  for (int k = 1; k <= 15; ++k) after_finish.press_cell(k);
  ASSERT_FALSE(after_finish.running());
  EXPECT_EQ(after_finish.press_cell(1), PressResult::ignored);
  EXPECT_FALSE(after_finish.found(1));
}

TEST(PathExerciseTest, OnlyTheLastCellOfEachVariantFinishesTheRound) {
  for (const VariantCase& variant : variant_cases) {
    SCOPED_TRACE(testing::Message() << "variant " << variant.text);
    PathExercise exercise = started(variant.text);
    // Variant "5" passes 15, 20 and 26, the last cells of the other variants, on its way.
    for (int k = 1; k < variant.cells; ++k) {
      ASSERT_EQ(exercise.press_cell(k), PressResult::accepted) << "cell " << k;
      ASSERT_TRUE(exercise.running()) << "cell " << k;
    }
    EXPECT_EQ(exercise.press_cell(variant.cells), PressResult::finished);
    EXPECT_FALSE(exercise.running());
    EXPECT_TRUE(exercise.visible_cells().empty());
    EXPECT_FALSE(exercise.found(variant.cells));
    EXPECT_EQ(exercise.next_cell(), 0);
  }
}

TEST(PathExerciseTest, WithoutVariantNoPressEndsTheRound) {
  PathExercise exercise = started("");
  for (int k = 1; k <= 15; ++k) EXPECT_EQ(exercise.press_cell(k), PressResult::accepted);
  EXPECT_EQ(exercise.press_cell(16), PressResult::ignored);
  EXPECT_TRUE(exercise.running());
  EXPECT_EQ(exercise.visible_cells(), one_to(15));
  EXPECT_TRUE(exercise.last_result_text().empty());
}

TEST(PathExerciseTest, CountsTicksFromZeroAtStart) {
  PathExercise exercise = started("4");
  EXPECT_EQ(exercise.ticks(), 0);
  EXPECT_EQ(exercise.count_tick(), 1);
  EXPECT_EQ(exercise.count_tick(), 2);
  EXPECT_EQ(exercise.ticks(), 2);
}

TEST(PathExerciseTest, FinishedRoundStoresTheGradeForItsCount) {
  struct Case {
    std::string_view text;
    int cells;
    int ticks;
    std::string_view message;
  };
  constexpr Case cases[] = {
      {"2", 15, 0,
       "Du hast 0 Sekunden benötigt um 15 Ziffern zu finden.\nDeine Leistung ist spitze.\nNote 1"},
      {"3", 20, 13,
       "Du hast 13 Sekunden benötigt um 20 Ziffern zu finden.\nDeine Leistung ist gut.\n"
       "Trainiere weiter und steigere dich noch mehr!\nNote 2"},
      {"5", 28, 30,
       "Du hast 30 Sekunden benötigt um 28 Ziffern zu finden.\nDeine Leistung ist "
       "durchschnittlich.\nTrainiere weiter und steigere dich!\nNote 3"},
      {"6", 26, 36,
       "Du hast 36 Sekunden benötigt um 26 Ziffern zu finden.\nDeine Leistung ist schlecht.\n"
       "Trainiere weiter und steigere dich!\nNote 4."},
  };
  for (const Case& round : cases) {
    SCOPED_TRACE(testing::Message() << "variant " << round.text);
    PathExercise exercise = started(round.text);
    for (int tick = 0; tick < round.ticks; ++tick) exercise.count_tick();
    for (int k = 1; k <= round.cells; ++k) exercise.press_cell(k);
    EXPECT_EQ(exercise.last_result_text(), round.message);
    EXPECT_EQ(exercise.result_text(exercise.ticks()), round.message);
  }
}

TEST(PathExerciseTest, ResultTextWithoutVariantIsEmptyAndKeepsTheLastGrade) {
  PathExercise exercise = started("1");
  for (int k = 1; k <= 15; ++k) exercise.press_cell(k);
  const std::string graded = exercise.last_result_text();
  ASSERT_FALSE(graded.empty());
  exercise.select_variant("8");
  EXPECT_TRUE(exercise.result_text(3).empty());
  EXPECT_EQ(exercise.last_result_text(), graded);
}
