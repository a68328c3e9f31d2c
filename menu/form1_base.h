// __Form1_Base: the generated part of the main menu form, which owns its controls.
#pragma once

#include <memory>
#include <string_view>

#include "form2.h"
#include "variant_hand_off.h"
#include "wcontrols.h"
#include "wtemplate_form.h"

class __Form1_Base : public WTemplateForm {
 public:
  __Form1_Base();
  ~__Form1_Base() override;

  // The controls; empty while there is no window.
  std::unique_ptr<WPictureBox> pictb_1, pictb_2;
  std::unique_ptr<WCommandButton> cb_1, cb_2, cb_3, cb_4, cb_5, cb_6, cb_7, cb_8, cb_9, cb_10;
  std::unique_ptr<WRichTextBox> rtb_zs;
  std::unique_ptr<Form2> form2_;  // the number and letter path
  std::unique_ptr<WCommandButton> cb_12, cb_13;
  std::unique_ptr<WLabel> label_1, label_2, label_3, label_4, label_5;
  std::unique_ptr<WCommandButton> cb_11;
  std::unique_ptr<WLabel> label_6;
  std::unique_ptr<WCommandButton> cb_14, cb_15;

  // The exercise button with this member name, or nullptr.
  WCommandButton* button(std::string_view name) const;

 protected:
  // Through which the menu tells the exercise windows their variant.
  VariantHandOff hand_off_;

 private:
  void CreateControls() override;
  void AttachControls() override;
  void DecorateControls() override;
  void DeleteControls() override;
};
