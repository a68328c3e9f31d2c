// Round state and judging of the number and letter path, without any window.
#include "path_exercise.h"

#include "path_grade_table.h"
#include "path_layouts.h"

std::optional<PathVariant> PathExercise::select_variant(std::string_view text) {
  variant_text_ = text;
  variant_ = find_path_variant(text);
  return variant_;
}

void PathExercise::set_idle() {
  running_ = false;
  apply_visibility_rule();
}

std::optional<PathArrangement> PathExercise::start_round(int layout) {
  running_ = true;
  apply_visibility_rule();
  ticks_ = 0;
  layout_ = layout;
  return arrangement(layout);
}

std::optional<PathArrangement> PathExercise::arrangement(int layout) const {
  if (!variant_) return std::nullopt;
  const std::optional<PathLayoutRow> row = PathLayouts::find(variant_->layout_group, layout);
  if (!row) return std::nullopt;
  PathArrangement placements;
  placements.reserve(static_cast<std::size_t>(row->slot_count));
  for (int slot = 1; slot <= row->slot_count; ++slot) {
    placements.push_back({slot, row->cells[index_of(slot)]});
  }
  return placements;
}

PressResult PathExercise::press_cell(int k) {
  // A hidden cell cannot be pressed; this also keeps presses outside a round from counting.
  if (!cell_visible(k) || next_cell_ != k - 1) return PressResult::ignored;
  next_cell_ = k;
  found_[index_of(k)] = true;
  if (!variant_ || k != variant_->last_cell) return PressResult::accepted;
  running_ = false;
  apply_visibility_rule();
  result_text(ticks_);
  return PressResult::finished;
}

int PathExercise::count_tick() {
  return ++ticks_;
}

std::string PathExercise::result_text(int ticks) {
  if (!variant_) return {};
  result_text_ = PathGradeTable::of(variant_->grading).message(ticks);
  return result_text_;
}

std::vector<int> PathExercise::visible_cells() const {
  std::vector<int> cells;
  for (int k = 1; k <= path_cell_count; ++k) {
    if (cell_visible(k)) cells.push_back(k);
  }
  return cells;
}

bool PathExercise::cell_visible(int k) const {
  return is_cell(k) && visible_[index_of(k)];
}

bool PathExercise::found(int k) const {
  return is_cell(k) && found_[index_of(k)];
}

std::string PathExercise::cell_text(int k) const {
  if (variant_ && variant_->kind == PathCellKind::letters && 1 <= k && k <= variant_->cells) {
    return std::string(1, static_cast<char>('A' + (k - 1)));
  }
  return std::to_string(k);
}

int PathExercise::cell_count() const {
  return variant_ ? variant_->cells : path_default_cells;
}

void PathExercise::apply_visibility_rule() {
  next_cell_ = 0;
  for (int k = 1; k <= path_cell_count; ++k) {
    visible_[index_of(k)] = running_ && k <= cell_count();
  }
  found_.fill(false);
}
