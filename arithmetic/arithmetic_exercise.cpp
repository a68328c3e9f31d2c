// Rules of the arithmetic exercise: variant choice, judging of presses and grading.
#include "arithmetic_exercise.h"

#include <algorithm>

#include "printf_text.h"

namespace {

// The lowest points of a grade and its message, best grade first.
struct GradeBand {
  int min_points;
  const char* message;
};

constexpr std::array<GradeBand, 6> grade_bands{{
    {14, "Sie haben %d von 15 Punkten erreicht.\nNote 1   Sehr gut"},
    {12, "Sie haben %d von 15 Punkten erreicht.\nNote 2  gut"},
    {10, "Sie haben %d von 15 Punkten erreicht.\nNote 3  befriedigend"},
    {8, "Sie haben %d von 15 Punkten erreicht.\nNote 4  ausreichend"},
    {6, "Sie haben %d von 15 Punkten erreicht.\nNote 5  mangelhaft"},
    {0, "Sie haben %d von 15 Punkten erreicht.\nNote 6  ungenügend"},
}};

const ArithmeticTable* find_table(std::string_view variant) {
  const auto found = std::ranges::find(arithmetic_tables, variant, &ArithmeticTable::variant);
  return found == arithmetic_tables.end() ? nullptr : &*found;
}

bool is_task_number(int k) {
  return k >= 1 && k <= arithmetic_task_count;
}

}  // namespace

std::optional<std::string_view> ArithmeticExercise::select_variant(std::string_view variant) {
  variant_ = variant;
  if (const ArithmeticTable* table = find_table(variant)) return table->title;
  return std::nullopt;
}

void ArithmeticExercise::start_round() {
  points_ = 0;
  // An unknown variant keeps whatever an earlier round loaded, so the round still has texts.
  if (const ArithmeticTable* table = find_table(variant_)) loaded_ = table->rows;
  current_task_ = 1;
}

std::string_view ArithmeticExercise::button_text(int k) const {
  return is_task_number(k) ? loaded_[k - 1].button : std::string_view{};
}

std::string_view ArithmeticExercise::task_text() const {
  return round_running() ? loaded_[current_task_ - 1].task : std::string_view{};
}

bool ArithmeticExercise::press_answer(int k) {
  // Before the first round there is no task to judge, and after the last one nothing to add.
  if (!round_running()) return round_over();
  // Only the button's number counts: several buttons may show the same text.
  if (k == current_task_) ++points_;
  ++current_task_;
  return round_over();
}

std::string ArithmeticExercise::result_text() const {
  // The last band starts at 0, so every possible score finds one.
  const auto band = std::ranges::find_if(
      grade_bands, [this](const GradeBand& b) { return points_ >= b.min_points; });
  return printf_text(band->message, points_);
}

bool ArithmeticExercise::round_running() const {
  return is_task_number(current_task_);
}
