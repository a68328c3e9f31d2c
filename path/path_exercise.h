// Round state and judging of the number and letter path, without any window.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "path_variant.h"

// Outcome of a press on a cell.
enum class PressResult { ignored, accepted, finished };

// An arrangement moves `cell` to the home place of `slot`.
struct PathPlacement {
  int slot;
  int cell;
};
using PathArrangement = std::vector<PathPlacement>;

class PathExercise {
 public:
  // Selects a variant: stores `text` as the variant text and returns the variant that it names
  // exactly, or none (then cells 1 .. 15 play, with default texts, and no press ends a round).
  std::optional<PathVariant> select_variant(std::string_view text);

  // Leaves any round without a result: not running, all cells hidden and unmarked, none pressed.
  void set_idle();

  // Starts a round with the layout counter's value; returns where cells move, or none if they stay.
  std::optional<PathArrangement> start_round(int layout);

  // The arrangement of the variant's group for `layout`; none for a layout other than 1, 2 or 3
  // and without a variant.
  std::optional<PathArrangement> arrangement(int layout) const;

  // Judges a press on cell `k`: only the next cell in order, while it is shown, is accepted;
  // the last cell of the variant finishes the round and composes its result text.
  PressResult press_cell(int k);

  // One more step of the round's time count; returns the new count.
  int count_tick();

  // The graded message for the count `ticks`, which is also kept as the last result text;
  // empty (and the kept text untouched) without a variant, which has no grading.
  std::string result_text(int ticks);

  // The cells shown now, ascending: cells 1 .. N during a round, none outside it.
  std::vector<int> visible_cells() const;

  // Whether cell `k` is shown now.
  bool cell_visible(int k) const;

  // Whether cell `k` has been pressed in order during this round.
  bool found(int k) const;

  // The text of cell `k` in the selected variant; `k` in decimal for cells it does not use.
  std::string cell_text(int k) const;

  // N: how many cells take part in a round (15 without a variant).
  int cell_count() const;

  // The selected variant, or none.
  const std::optional<PathVariant>& variant() const { return variant_; }

  // The text last passed to select_variant (empty before the first call).
  const std::string& variant_text() const { return variant_text_; }

  // Whether a round is in progress.
  bool running() const { return running_; }

  // The last cell pressed in order (0 for none); the next expected cell is one more.
  int next_cell() const { return next_cell_; }

  // The time count of the current or last round.
  int ticks() const { return ticks_; }

  // The layout counter's value taken at the last start.
  int layout() const { return layout_; }

  // The last graded message (empty before the first).
  const std::string& last_result_text() const { return result_text_; }

 private:
  static bool is_cell(int k) { return 1 <= k && k <= path_cell_count; }
  static std::size_t index_of(int k) { return static_cast<std::size_t>(k - 1); }

  // Shows cells 1 .. N exactly while running, clears every mark and the pressed-cell count.
  void apply_visibility_rule();

  std::string variant_text_;
  std::optional<PathVariant> variant_;
  bool running_ = false;
  int next_cell_ = 0;
  int ticks_ = 0;
  int layout_ = 0;
  std::array<bool, path_cell_count> visible_{};
  std::array<bool, path_cell_count> found_{};
  std::string result_text_;
};
