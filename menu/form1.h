// Form1: the main menu, from which the player chooses one of the fifteen exercises.
#pragma once

#include "exercise_catalogue.h"
#include "form1_base.h"

class Form1 : public __Form1_Base {
 public:
  Form1();
  ~Form1() override;

  static const char* const kWelcomeCaption;
  static const char* const kWelcomeText;

 private:
  void BindControlEvents() override;
  void UnbindControlEvents() override;
  void OnFormCreated() override;
  void SetDescriptions();

  // Any exercise button: hand the variant over, then open the exercise's window.
  bool cb_exercise_click(const ExerciseEntry& entry);
  void open_exercise(ExerciseForm form);
};
