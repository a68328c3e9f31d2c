// ApplicationClass: starts the game with its main menu and ends it when the menu closes.
#pragma once

#include <memory>

#include "form1.h"
#include "wapplication.h"

class ApplicationClass : public WExeApplication {
 public:
  ApplicationClass();
  ~ApplicationClass() override;

 private:
  bool OnStart(WApplicationEventData& data);
  bool OnRun(WApplicationEventData& data);
  bool OnEnd(WApplicationEventData& data);
  // Creates the menu and its window; leaves no main form when that fails.
  void CreateMainForm();

  std::unique_ptr<Form1> main_form_;
};
