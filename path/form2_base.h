// __Form2_Base: the generated part of the path exercise window, which owns its controls.
#pragma once

#include <memory>

#include "wcontrols.h"
#include "wform.h"
#include "wtimer.h"

class __Form2_Base : public WModelessDialog {
 public:
  __Form2_Base();
  ~__Form2_Base() override;

  // Creates the window from ID_Form2, owned by `owner`; false if it is already open.
  bool Create(WForm* owner);

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

 protected:
  // Sets the keyboard and stacking order of the controls: ascending template id.
  virtual void SetTabOrder();
  // The derived form's share of set-up and tear-down.
  virtual void BindControlEvents() = 0;
  virtual void UnbindControlEvents() = 0;
  virtual void OnFormCreated() = 0;

 private:
  bool OnCreate();
  bool OnClose();
  bool OnDestroy();
  void CreateControls();
  void AttachControls();
  void DecorateControls();
  void DeleteControls();
};
