// The generated part of the path exercise window: controls, names, fonts and colours.
#include "form2_base.h"

#include <array>

#include "id_form2.h"
#include "wcontrol_slot.h"

namespace {

constexpr WColor kPathBackground{177, 159, 185};
constexpr WColor kCellBackground{255, 255, 128};
constexpr WColor kBlack{0, 0, 0};
constexpr WColor kWhite{255, 255, 255};
constexpr int kIconResource = 100;

template <typename Control>
using ControlSlot = WControlSlot<__Form2_Base, Control>;
using F = __Form2_Base;

// Cell k is kCells[k - 1]; the template ids skip the two hidden buttons and Start.
constexpr std::array<ControlSlot<WLabel>, 28> kCells{{
    {102, "label_1", &F::label_1},   {103, "label_2", &F::label_2},
    {104, "label_3", &F::label_3},   {105, "label_4", &F::label_4},
    {106, "label_5", &F::label_5},   {107, "label_6", &F::label_6},
    {108, "label_7", &F::label_7},   {109, "label_8", &F::label_8},
    {110, "label_9", &F::label_9},   {111, "label_10", &F::label_10},
    {112, "label_11", &F::label_11}, {113, "label_12", &F::label_12},
    {114, "label_13", &F::label_13}, {115, "label_14", &F::label_14},
    {116, "label_15", &F::label_15}, {117, "label_16", &F::label_16},
    {118, "label_17", &F::label_17}, {119, "label_18", &F::label_18},
    {120, "label_19", &F::label_19}, {121, "label_20", &F::label_20},
    {124, "label_21", &F::label_21}, {125, "label_22", &F::label_22},
    {126, "label_23", &F::label_23}, {127, "label_24", &F::label_24},
    {128, "label_25", &F::label_25}, {129, "label_26", &F::label_26},
    {130, "label_27", &F::label_27}, {131, "label_28", &F::label_28},
}};

constexpr std::array<ControlSlot<WCommandButton>, 3> kButtons{{
    {122, "cb_farbe", &F::cb_farbe},
    {123, "cb_start", &F::cb_start},
    {135, "cb_ende", &F::cb_ende},
}};

constexpr std::array<ControlSlot<WLabel>, 3> kHeadings{{
    {132, "label_titel", &F::label_titel},
    {134, "label_zeit", &F::label_zeit},
    {137, "label_titel2", &F::label_titel2},
}};

constexpr std::array<ControlSlot<WRichTextBox>, 2> kTextBoxes{{
    {101, "rtb_zs", &F::rtb_zs},
    {136, "rtb_ergebnis", &F::rtb_ergebnis},
}};

// Timers belong to the window but to no template control.
constexpr std::array<ControlSlot<WTimer>, 2> kTimers{{
    {0, "timer_sec", &F::timer_sec},
    {0, "timer_fast", &F::timer_fast},
}};

template <typename Visit>
void ForEachControlSlot(Visit visit) {
  for (const auto& slot : kTextBoxes) visit(slot);
  for (const auto& slot : kCells) visit(slot);
  for (const auto& slot : kButtons) visit(slot);
  for (const auto& slot : kHeadings) visit(slot);
}

}  // namespace

__Form2_Base::__Form2_Base()
    : WTemplateForm(ID_Form2,
                    {kIconResource, "8.MS Sans Serif", kPathBackground, std::nullopt, "Form2"}) {}

__Form2_Base::~__Form2_Base() = default;

WLabel* __Form2_Base::cell(int k) const {
  if (k < 1 || k > static_cast<int>(kCells.size())) return nullptr;
  return kCells[static_cast<std::size_t>(k - 1)].get(*this);
}

void __Form2_Base::CreateControls() {
  ForEachControlSlot([this](const auto& slot) { slot.create(*this); });
  for (const auto& slot : kTimers) slot.create(*this);
}

void __Form2_Base::AttachControls() {
  ForEachControlSlot([this](const auto& slot) { slot.attach(*this); });
  for (const auto& slot : kTimers) slot.of(*this).SetName(slot.name);
}

void __Form2_Base::DecorateControls() {
  for (int k = 1; k <= 3; ++k) cell(k)->SetBackColor(kCellBackground);
  label_4->SetForeColor(kBlack);
  label_titel->SetForeColor(kWhite);
  label_zeit->SetForeColor(kWhite);
  label_titel2->SetForeColor(kWhite);
  for (const auto& slot : kButtons) slot.of(*this).SetPushed(false);
}

void __Form2_Base::DeleteControls() {
  // A deleted timer is stopped.
  for (const auto& slot : kTimers) slot.remove(*this);
  ForEachControlSlot([this](const auto& slot) { slot.remove(*this); });
}
