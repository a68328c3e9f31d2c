// The path exercise window: Start, presses on the cells, the time count and the result.
#include "form2.h"

namespace {
constexpr WColor kFoundCell{128, 255, 0};
constexpr WColor kNormalCell{255, 255, 128};
constexpr int kLayoutStepMs = 10;
constexpr int kTimeCountMs = 1500;
}  // namespace

Form2::Form2(const VariantHandOff& hand_off) : hand_off_(hand_off) {}
Form2::~Form2() = default;

void Form2::BindControlEvents() {
  for (int k = 1; k <= path_cell_count; ++k) {
    cell(k)->LeftButtonDownEvent.Add(
        [this, k](const WMouseEvent&) { return cell_left_button_down(k); });
  }
  cb_start->ClickEvent.Add([this] { return cb_start_click(); });
  cb_farbe->ClickEvent.Add([this] { return cb_farbe_click(); });
  cb_ende->ClickEvent.Add([this] { return cb_ende_click(); });
  timer_sec->TimerEvent.Add([this] { return timer_sec_tick(); });
  timer_fast->TimerEvent.Add([this] { return timer_fast_tick(); });
}

void Form2::UnbindControlEvents() {
  // The controls and timers go right after this, and their handlers with them.
  for (int k = 1; k <= path_cell_count; ++k) cell(k)->LeftButtonDownEvent.RemoveAll();
  for (WCommandButton* button : {cb_start.get(), cb_farbe.get(), cb_ende.get()})
    button->ClickEvent.RemoveAll();
  timer_sec->TimerEvent.RemoveAll();
  timer_fast->TimerEvent.RemoveAll();
}

void Form2::OnFormCreated() {
  layout_counter_.reset();
  timer_fast->Start(kLayoutStepMs);
  ShowMaximized();
  col_found_ = kFoundCell;
  col_normal_ = kNormalCell;
  exercise_.set_idle();
  show_cells();
  cb_start->Show();
  take_hand_off();
  record_home_slots();
}

void Form2::take_hand_off() {
  // Without a hand-off the variant of the previous opening stays in force.
  const auto text = hand_off_.read_variant();
  if (!text) return;
  rtb_zs->SetText(WString(*text));
  if (const auto variant = exercise_.select_variant(rtb_zs->GetText().str()))
    show_variant(*variant);
}

void Form2::show_variant(const PathVariant& variant) {
  label_titel->SetText(WString(variant.title));
  label_titel2->SetText(WString(variant.subtitle));
  for (int k = 1; k <= variant.cells; ++k) cell(k)->SetText(WString(exercise_.cell_text(k)));
}

void Form2::record_home_slots() {
  for (int k = 1; k <= path_cell_count; ++k) {
    home_[static_cast<std::size_t>(k - 1)] = Place{cell(k)->GetLeft(), cell(k)->GetTop()};
  }
}

void Form2::show_cells() {
  for (int k = 1; k <= path_cell_count; ++k) {
    WLabel* label = cell(k);
    label->SetBackColor(exercise_.found(k) ? col_found_ : col_normal_);
    label->SetVisible(exercise_.cell_visible(k));
  }
}

void Form2::move_cells(const PathArrangement& arrangement) {
  for (const PathPlacement& placement : arrangement) {
    const Place& home = home_[static_cast<std::size_t>(placement.slot - 1)];
    cell(placement.cell)->SetLeft(home.left);
    cell(placement.cell)->SetTop(home.top);
  }
}

bool Form2::cb_start_click() {
  const auto arrangement = exercise_.start_round(layout_counter_.value());
  rtb_ergebnis->Hide();
  cb_start->Hide();
  show_cells();
  if (arrangement) move_cells(*arrangement);
  timer_sec->Start(kTimeCountMs);
  return false;
}

bool Form2::cell_left_button_down(int k) {
  const PressResult result = exercise_.press_cell(k);
  if (result == PressResult::ignored) return false;
  cell(k)->SetBackColor(col_found_);
  if (result == PressResult::finished) {
    // The round is over: every cell goes, the last one's mark unseen.
    show_cells();
    cb_ende_click();
  }
  return false;
}

bool Form2::timer_sec_tick() {
  time_text_ = WString::Format("Zeit: %d", exercise_.count_tick());
  label_zeit->SetText(time_text_);
  return false;
}

bool Form2::timer_fast_tick() {
  layout_counter_.advance();
  return false;
}

bool Form2::cb_farbe_click() {
  show_cells();
  return false;
}

bool Form2::cb_ende_click() {
  timer_sec->Stop();
  cb_start->Show();
  result_text_ = WString(exercise_.result_text(exercise_.ticks()));
  rtb_ergebnis->Show();
  rtb_ergebnis->SetText(result_text_);
  return false;
}
