// WTemplateForm: the creation and tear-down sequence that every form built from a dialog
// template shares; the generated form classes fill in their controls.
#pragma once

#include <optional>

#include "wdialog_template.h"
#include "wform.h"
#include "wgraphics.h"

class WTemplateForm : public WModelessDialog {
 public:
  // How the window looks, set before its controls are attached.
  struct Look {
    int icon_resource;
    const char* font;
    WColor back_color;
    std::optional<WColor> fore_color;
    const char* name;
  };

  WTemplateForm(const WDialogTemplate& dialog, Look look);
  ~WTemplateForm() override;

  // Creates the window from the form's template, owned by `owner` (none for a window of its
  // own); set-up runs before this returns. False if the window is open already.
  bool Create(WForm* owner = nullptr);

 protected:
  // The generated part: the control objects, bound to the template by id and decorated.
  virtual void CreateControls() = 0;
  virtual void AttachControls() = 0;
  virtual void DecorateControls() = 0;
  virtual void DeleteControls() = 0;
  // Sets the keyboard and stacking order of the controls; by default ascending template id.
  virtual void SetTabOrder();
  // The form's own part: its handlers and its creation handler.
  virtual void BindControlEvents() = 0;
  virtual void UnbindControlEvents() = 0;
  virtual void OnFormCreated() = 0;

 private:
  bool OnCreate();
  bool OnClose();
  bool OnDestroy();

  const WDialogTemplate& dialog_;
  Look look_;
};
