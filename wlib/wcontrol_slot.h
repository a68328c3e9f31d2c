// WControlSlot: one row of a form's control table, tying a template id and a member name to
// the form's member that holds the control object.
#pragma once

#include <memory>

#include "wform.h"

template <typename Form, typename Control>
struct WControlSlot {
  int id;
  const char* name;
  std::unique_ptr<Control> Form::*member;

  Control& of(Form& form) const { return *(form.*member); }
  Control* get(const Form& form) const { return (form.*member).get(); }
  void create(Form& form) const { form.*member = std::make_unique<Control>(); }
  // Binds the object to its template control and gives it its member name.
  void attach(Form& form) const {
    (form.*member)->Attach(form, id);
    (form.*member)->SetName(name);
  }
  void remove(Form& form) const { (form.*member).reset(); }
};
