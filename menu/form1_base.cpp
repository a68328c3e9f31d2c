// The generated part of the main menu form: controls, their names, pictures and colours.
#include "form1_base.h"

#include <array>

#include "id_form1.h"
#include "wcontrol_slot.h"

namespace {

constexpr WColor kMenuBackground{255, 128, 128};
constexpr WColor kDescriptionText{255, 255, 0};
constexpr int kIconResource = 100;
constexpr int kBannerBitmap = 100;
constexpr int kPictureBitmap = 101;

template <typename Control>
using ControlSlot = WControlSlot<__Form1_Base, Control>;

constexpr std::array<ControlSlot<WCommandButton>, 15> kButtons{{
    {103, "cb_1", &__Form1_Base::cb_1},
    {104, "cb_2", &__Form1_Base::cb_2},
    {105, "cb_3", &__Form1_Base::cb_3},
    {106, "cb_4", &__Form1_Base::cb_4},
    {107, "cb_5", &__Form1_Base::cb_5},
    {108, "cb_6", &__Form1_Base::cb_6},
    {109, "cb_7", &__Form1_Base::cb_7},
    {110, "cb_8", &__Form1_Base::cb_8},
    {111, "cb_9", &__Form1_Base::cb_9},
    {112, "cb_10", &__Form1_Base::cb_10},
    {126, "cb_11", &__Form1_Base::cb_11},
    {115, "cb_12", &__Form1_Base::cb_12},
    {116, "cb_13", &__Form1_Base::cb_13},
    {128, "cb_14", &__Form1_Base::cb_14},
    {129, "cb_15", &__Form1_Base::cb_15},
}};

constexpr std::array<ControlSlot<WLabel>, 6> kLabels{{
    {120, "label_1", &__Form1_Base::label_1},
    {121, "label_2", &__Form1_Base::label_2},
    {122, "label_3", &__Form1_Base::label_3},
    {123, "label_4", &__Form1_Base::label_4},
    {124, "label_5", &__Form1_Base::label_5},
    {127, "label_6", &__Form1_Base::label_6},
}};

constexpr std::array<ControlSlot<WPictureBox>, 2> kPictures{{
    {101, "pictb_1", &__Form1_Base::pictb_1},
    {102, "pictb_2", &__Form1_Base::pictb_2},
}};

constexpr ControlSlot<WRichTextBox> kHandOffBox{113, "rtb_zs", &__Form1_Base::rtb_zs};

// Calls `visit(slot)` for every control slot of the form.
template <typename Visit>
void ForEachSlot(Visit visit) {
  for (const auto& slot : kPictures) visit(slot);
  for (const auto& slot : kButtons) visit(slot);
  visit(kHandOffBox);
  for (const auto& slot : kLabels) visit(slot);
}

}  // namespace

__Form1_Base::__Form1_Base()
    : WTemplateForm(ID_Form1,
                    {kIconResource, "8.MS Sans Serif", kMenuBackground, std::nullopt, "Form1"}) {}

__Form1_Base::~__Form1_Base() = default;

WCommandButton* __Form1_Base::button(std::string_view name) const {
  for (const auto& slot : kButtons) {
    if (name == slot.name) return slot.get(*this);
  }
  return nullptr;
}

void __Form1_Base::CreateControls() {
  ForEachSlot([this](const auto& slot) { slot.create(*this); });
  form2_ = std::make_unique<Form2>(hand_off_);
}

void __Form1_Base::AttachControls() {
  ForEachSlot([this](const auto& slot) { slot.attach(*this); });
}

void __Form1_Base::DecorateControls() {
  pictb_1->SetBitmap(WBitmap(kBannerBitmap));
  pictb_2->SetBitmap(WBitmap(kPictureBitmap));
  for (const auto& slot : kButtons) slot.of(*this).SetPushed(false);
  for (const auto& slot : kLabels) slot.of(*this).SetForeColor(kDescriptionText);
}

void __Form1_Base::DeleteControls() {
  ForEachSlot([this](const auto& slot) { slot.remove(*this); });
  // Their windows, owned by the menu's, are gone already.
  form2_.reset();
}
