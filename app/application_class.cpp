// Start-up and shutdown of the game.
#include "application_class.h"

ApplicationClass::ApplicationClass() {
  StartEvent.Add([this](WApplicationEventData& data) { return OnStart(data); });
  RunEvent.Add([this](WApplicationEventData& data) { return OnRun(data); });
  EndEvent.Add([this](WApplicationEventData& data) { return OnEnd(data); });
}

ApplicationClass::~ApplicationClass() = default;

bool ApplicationClass::OnStart(WApplicationEventData& data) {
  // The welcome message is shown while the menu's window is created.
  CreateMainForm();
  if (!main_form_) {
    data.exit_code = -1;
    data.abort = true;
  }
  return true;
}

bool ApplicationClass::OnRun(WApplicationEventData& data) {
  data.exit_code = RunMessageLoop();
  return true;
}

bool ApplicationClass::OnEnd(WApplicationEventData&) {
  main_form_.reset();
  SetMainForm(nullptr);
  return true;
}

void ApplicationClass::CreateMainForm() {
  main_form_ = std::make_unique<Form1>();
  SetMainForm(main_form_.get());
  if (!main_form_->Create(nullptr)) {
    SetMainForm(nullptr);
    main_form_.reset();
  }
}
