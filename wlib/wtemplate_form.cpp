// The shared creation and tear-down sequence of the forms.
#include "wtemplate_form.h"

#include <algorithm>
#include <vector>

WTemplateForm::WTemplateForm(const WDialogTemplate& dialog, Look look)
    : dialog_(dialog), look_(look) {
  CreateEvent.Add([this] { return OnCreate(); });
  CloseEvent.Add([this] { return OnClose(); });
  DestroyEvent.Add([this] { return OnDestroy(); });
}

WTemplateForm::~WTemplateForm() = default;

bool WTemplateForm::Create(WForm* owner) {
  return WForm::Create(dialog_, owner);
}

void WTemplateForm::SetTabOrder() {
  std::vector<int> ids;
  for (const WTemplateControl& control : dialog_.controls) ids.push_back(control.id);
  std::ranges::sort(ids);
  SetControlOrder(ids);
}

bool WTemplateForm::OnCreate() {
  CenterWindow();
  CreateControls();
  SetIcon(look_.icon_resource);
  SetFont(WFont(look_.font));
  SetBackColor(look_.back_color);
  if (look_.fore_color) SetForeColor(*look_.fore_color);
  SetName(look_.name);
  AttachControls();
  DecorateControls();
  BindControlEvents();
  SetTabOrder();
  OnFormCreated();
  SetVisible(true);
  return false;
}

bool WTemplateForm::OnClose() {
  return CloseWindow();
}

bool WTemplateForm::OnDestroy() {
  UnbindControlEvents();
  DeleteControls();
  return false;
}
