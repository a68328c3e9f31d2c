// A message box with an information icon and one OK button.
#pragma once

#include "wstring.h"

// Shows the message, modal for the whole application and in the foreground, and returns
// when the player confirms it; then the window that was active before, and its keyboard
// focus, are active again.
void WShowMessage(const WString& caption, const WString& text);
