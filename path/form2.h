// Form2: the window in which the number and letter path is played.
#pragma once

#include <array>

#include "form2_base.h"
#include "layout_counter.h"
#include "path_exercise.h"
#include "variant_hand_off.h"

class Form2 : public __Form2_Base {
 public:
  // Creates no window; the variant comes through `hand_off` each time one opens.
  explicit Form2(const VariantHandOff& hand_off);
  ~Form2() override;

 private:
  struct Place {
    int left = 0;
    int top = 0;
  };

  void BindControlEvents() override;
  void UnbindControlEvents() override;
  void OnFormCreated() override;

  void take_hand_off();
  void show_variant(const PathVariant& variant);
  void record_home_slots();
  void show_cells();
  void move_cells(const PathArrangement& arrangement);

  bool cb_start_click();
  bool cell_left_button_down(int k);
  bool timer_sec_tick();
  bool timer_fast_tick();
  bool cb_farbe_click();
  bool cb_ende_click();

  const VariantHandOff& hand_off_;
  PathExercise exercise_;
  LayoutCounter layout_counter_;
  WString time_text_;
  WString result_text_;
  WColor col_found_;
  WColor col_normal_;
  // Left and top of each cell's label when the window was made: the home of its slot.
  std::array<Place, path_cell_count> home_{};
};
