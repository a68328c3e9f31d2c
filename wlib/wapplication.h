// WExeApplication: the application object that starts, runs and ends the program.
#pragma once

#include "wevent.h"

class WForm;

// What the start handler decides about the run.
struct WApplicationEventData {
  int exit_code = 0;   // the process's exit code
  bool abort = false;  // set during StartEvent to skip RunEvent
};

class WExeApplication {
 public:
  WExeApplication();
  virtual ~WExeApplication();
  WExeApplication(const WExeApplication&) = delete;
  WExeApplication& operator=(const WExeApplication&) = delete;

  WEvent<WApplicationEventData&> StartEvent;  // create the main window
  WEvent<WApplicationEventData&> RunEvent;    // run the message loop
  WEvent<WApplicationEventData&> EndEvent;    // clean up

  // Sets up the GUI (or uses the one already there), fires StartEvent, then RunEvent
  // unless aborted, then EndEvent, and returns the exit code.
  int Run(int argc, char** argv);
  // Handles events until a quit request arrives; returns the request's code.
  int RunMessageLoop();
  // Asks the message loop to end with `exit_code`; the request waits in the queue, so a
  // loop that is not running yet ends as soon as it runs.
  void PostQuit(int exit_code);

  void SetMainForm(WForm* form) { main_form_ = form; }
  WForm* MainForm() const { return main_form_; }

  // The application object of this process, or nullptr.
  static WExeApplication* Instance();

 private:
  WForm* main_form_ = nullptr;
};
