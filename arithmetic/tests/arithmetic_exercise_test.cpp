// Tests of the arithmetic exercise rules: task tables, judging of presses, grading.
#include "arithmetic_exercise.h"

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Reads a whole number from the front of `text` and drops it from there.
std::optional<long> take_number(std::string_view& text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{}) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

// A run of numbers joined by "*" and "/", worked left to right; none if a division is not even.
std::optional<long> take_product(std::string_view& text) {
  std::optional<long> value = take_number(text);
  while (value && !text.empty() && (text.front() == '*' || text.front() == '/')) {
    const char op = text.front();
    text.remove_prefix(1);
    const std::optional<long> factor = take_number(text);
    if (!factor || (op == '/' && (*factor == 0 || *value % *factor != 0))) return std::nullopt;
    value = op == '*' ? *value * *factor : *value / *factor;
  }
  return value;
}

// Works out a task such as "12+13-16" or "13*11-43": products first, then sums left to right.
std::optional<long> evaluate(std::string_view text) {
  std::optional<long> value = take_product(text);
  while (value && !text.empty() && (text.front() == '+' || text.front() == '-')) {
    const char op = text.front();
    text.remove_prefix(1);
    const std::optional<long> term = take_product(text);
    if (!term) return std::nullopt;
    value = op == '+' ? *value + *term : *value - *term;
  }
  if (!text.empty()) return std::nullopt;
  return value;
}

ArithmeticExercise started_exercise(std::string_view variant) {
  ArithmeticExercise exercise;
  exercise.select_variant(variant);
  exercise.start_round();
  return exercise;
}

// Plays a round to its end: the first `right` tasks by their own button, the rest by the next one.
void play_round(ArithmeticExercise& exercise, int right) {
  for (int k = 1; k <= arithmetic_task_count; ++k) {
    exercise.press_answer(k <= right ? k : k % arithmetic_task_count + 1);
  }
}

TEST(ArithmeticExercise, EachButtonShowsTheResultOfItsTask) {
  for (std::string_view variant : {"1", "2"}) {
    SCOPED_TRACE(variant);
    ArithmeticExercise exercise = started_exercise(variant);
    for (int k = 1; k <= arithmetic_task_count; ++k) {
      SCOPED_TRACE(k);
      const std::string_view task = exercise.task_text();
      const std::optional<long> result = evaluate(task);
      ASSERT_TRUE(result.has_value()) << "cannot work out \"" << task << "\"";
      EXPECT_EQ(exercise.button_text(k), std::to_string(*result)) << task;
      exercise.press_answer(k);
    }
  }
}

TEST(ArithmeticExercise, SelectVariantNamesTheLevelOnlyForItsExactText) {
  struct Case {
    std::string_view variant;
    std::optional<std::string_view> title;
    std::string_view first_task;
  };
  constexpr Case cases[] = {
      {"1", "Rechenübung 1", "12+14"}, {"2", "Rechenübung 2", "3*14"}, {"3", std::nullopt, ""},
      {"", std::nullopt, ""},          {"1 ", std::nullopt, ""},       {"02", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    ArithmeticExercise exercise;
    EXPECT_EQ(exercise.select_variant(c.variant), c.title);
    EXPECT_EQ(exercise.variant(), c.variant);
    exercise.start_round();
    EXPECT_EQ(exercise.task_text(), c.first_task);
  }
}

TEST(ArithmeticExercise, ResultTextGradesEveryBandEdge) {
  struct Case {
    int points;
    std::string_view message;
  };
  constexpr Case cases[] = {
      {15, "Sie haben 15 von 15 Punkten erreicht.\nNote 1   Sehr gut"},
      {14, "Sie haben 14 von 15 Punkten erreicht.\nNote 1   Sehr gut"},
      {13, "Sie haben 13 von 15 Punkten erreicht.\nNote 2  gut"},
      {12, "Sie haben 12 von 15 Punkten erreicht.\nNote 2  gut"},
      {11, "Sie haben 11 von 15 Punkten erreicht.\nNote 3  befriedigend"},
      {10, "Sie haben 10 von 15 Punkten erreicht.\nNote 3  befriedigend"},
      {9, "Sie haben 9 von 15 Punkten erreicht.\nNote 4  ausreichend"},
      {8, "Sie haben 8 von 15 Punkten erreicht.\nNote 4  ausreichend"},
      {7, "Sie haben 7 von 15 Punkten erreicht.\nNote 5  mangelhaft"},
      {6, "Sie haben 6 von 15 Punkten erreicht.\nNote 5  mangelhaft"},
      {5, "Sie haben 5 von 15 Punkten erreicht.\nNote 6  ungenügend"},
      {0, "Sie haben 0 von 15 Punkten erreicht.\nNote 6  ungenügend"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    ArithmeticExercise exercise = started_exercise("1");
    play_round(exercise, c.points);
    ASSERT_EQ(exercise.points(), c.points);
    EXPECT_EQ(exercise.result_text(), c.message);
  }
}

TEST(ArithmeticExercise, PressingOneButtonThroughoutScoresOnlyAtItsOwnTask) {
  for (int button = 1; button <= arithmetic_task_count; ++button) {
    SCOPED_TRACE(button);
    ArithmeticExercise exercise = started_exercise("2");
    for (int k = 1; k <= arithmetic_task_count; ++k) {
      const int points_before = exercise.points();
      exercise.press_answer(button);
      EXPECT_EQ(exercise.points(), points_before + (k == button ? 1 : 0)) << "task " << k;
    }
    EXPECT_EQ(exercise.points(), 1);
  }
}

TEST(ArithmeticExercise, ButtonWithTheSameTextAsTheRightOneDoesNotScore) {
  ArithmeticExercise exercise = started_exercise("1");
  ASSERT_EQ(exercise.button_text(4), "23");
  ASSERT_EQ(exercise.button_text(7), "23");
  for (int k = 1; k <= arithmetic_task_count; ++k) {
    const int button = k == 4 ? 7 : k == 7 ? 4 : k;
    exercise.press_answer(button);
  }
  EXPECT_EQ(exercise.points(), 13);
}

TEST(ArithmeticExercise, EveryPressMovesOnAndTheFifteenthEndsTheRound) {
  ArithmeticExercise exercise = started_exercise("1");
  for (int k = 1; k < arithmetic_task_count; ++k) {
    EXPECT_FALSE(exercise.press_answer(k % arithmetic_task_count + 1)) << "task " << k;
    EXPECT_EQ(exercise.current_task(), k + 1);
  }
  EXPECT_TRUE(exercise.press_answer(1));  // wrong for task 15, still the end
  EXPECT_TRUE(exercise.round_over());
  EXPECT_EQ(exercise.points(), 0);
}

TEST(ArithmeticExercise, PressBeforeAnyRoundChangesNothing) {
  ArithmeticExercise exercise;
  exercise.select_variant("1");
  for (int k = 0; k <= arithmetic_task_count + 1; ++k) {
    SCOPED_TRACE(k);
    EXPECT_FALSE(exercise.press_answer(k));
    EXPECT_EQ(exercise.current_task(), 0);
    EXPECT_EQ(exercise.points(), 0);
    EXPECT_FALSE(exercise.round_running());
    EXPECT_FALSE(exercise.round_over());
    EXPECT_EQ(exercise.task_text(), "");
  }
  exercise.start_round();
  play_round(exercise, arithmetic_task_count);
  EXPECT_EQ(exercise.points(), 15);
}

TEST(ArithmeticExercise, PressAfterTheFifteenthChangesNothing) {
  ArithmeticExercise exercise = started_exercise("1");
  play_round(exercise, 14);
  const std::string result = exercise.result_text();
  for (int k = 1; k <= arithmetic_task_count + 1; ++k) {
    SCOPED_TRACE(k);
    EXPECT_TRUE(exercise.press_answer(k));
    EXPECT_EQ(exercise.current_task(), 16);
    EXPECT_EQ(exercise.points(), 14);
    EXPECT_EQ(exercise.result_text(), result);
  }
}

TEST(ArithmeticExercise, RepeatAsksTheSameTasksFromNoPoints) {
  ArithmeticExercise exercise = started_exercise("2");
  play_round(exercise, 9);
  exercise.start_round();
  EXPECT_EQ(exercise.variant(), "2");
  EXPECT_EQ(exercise.current_task(), 1);
  EXPECT_EQ(exercise.points(), 0);
  EXPECT_EQ(exercise.task_text(), "3*14");
  EXPECT_EQ(exercise.button_text(15), "51");
}

TEST(ArithmeticExercise, UnknownVariantPlaysTheTextsLoadedBefore) {
  ArithmeticExercise exercise = started_exercise("2");
  play_round(exercise, 3);
  EXPECT_EQ(exercise.select_variant("7"), std::nullopt);
  exercise.start_round();
  EXPECT_EQ(exercise.task_text(), "3*14");
  EXPECT_EQ(exercise.button_text(4), "112");
  play_round(exercise, 15);
  EXPECT_EQ(exercise.points(), 15);
}

TEST(ArithmeticExercise, UnknownVariantWithNothingLoadedPlaysEmptyTexts) {
  ArithmeticExercise exercise = started_exercise("x");
  for (int k = 1; k <= arithmetic_task_count; ++k) {
    EXPECT_EQ(exercise.task_text(), "");
    EXPECT_EQ(exercise.button_text(k), "");
    exercise.press_answer(k);
  }
  EXPECT_EQ(exercise.result_text(), "Sie haben 15 von 15 Punkten erreicht.\nNote 1   Sehr gut");
}

}  // namespace
