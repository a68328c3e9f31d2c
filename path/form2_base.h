// __Form2_Base: the generated part of the path exercise window, which owns its controls.
#pragma once

#include <memory>

#include "wcontrols.h"
#include "wtemplate_form.h"
#include "wtimer.h"

class __Form2_Base : public WTemplateForm {
 public:
  __Form2_Base();
  ~__Form2_Base() override;

  // The label of cell `k` (1 .. 28), or nullptr while there is no window.
  WLabel* cell(int k) const;

  // The controls and timers; empty while there is no window.
  std::unique_ptr<WRichTextBox> rtb_zs;
  std::unique_ptr<WLabel> label_1, label_2, label_3, label_4, label_5, label_6, label_7, label_8,
      label_9, label_10, label_11, label_12, label_13, label_14, label_15, label_16, label_17,
      label_18, label_19, label_20;
  std::unique_ptr<WCommandButton> cb_farbe, cb_start;
  std::unique_ptr<WLabel> label_21, label_22, label_23, label_24, label_25, label_26, label_27,
      label_28;
  std::unique_ptr<WLabel> label_titel;
  std::unique_ptr<WTimer> timer_sec;
  std::unique_ptr<WLabel> label_zeit;
  std::unique_ptr<WCommandButton> cb_ende;
  std::unique_ptr<WRichTextBox> rtb_ergebnis;
  std::unique_ptr<WLabel> label_titel2;
  std::unique_ptr<WTimer> timer_fast;

 private:
  void CreateControls() override;
  void AttachControls() override;
  void DecorateControls() override;
  void DeleteControls() override;
};
