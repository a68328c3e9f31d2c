// Dialog templates: declarative tables of a window and its controls, in dialog units.
#pragma once

#include <span>

// 4 horizontal dialog units are 6 pixels and 8 vertical units 13 pixels at 96 DPI (the
// average character width and the height of 8-point MS Sans Serif).
constexpr int DialogUnitsToPixelsX(int units) {
  return (units * 6 + (units >= 0 ? 2 : -2)) / 4;
}
constexpr int DialogUnitsToPixelsY(int units) {
  return (units * 13 + (units >= 0 ? 4 : -4)) / 8;
}

enum class WControlKind { CommandButton, Label, PictureBox, RichTextBox, TextBox, ComboBox };

// Style flags of a template control; combine with |.
enum WControlStyle : unsigned {
  WStyleNone = 0,
  WStyleFramed = 1u << 0,       // raised double border
  WStyleSunken = 1u << 1,       // sunken edge
  WStyleBorder = 1u << 2,       // thin border
  WStyleCentred = 1u << 3,      // text centred
  WStyleHidden = 1u << 4,       // not shown at creation
  WStyleWordWrap = 1u << 5,     // text breaks at the control's right edge
  WStyleTransparent = 1u << 6,  // no background of its own: the window's colour shows through
  WStyleMultiLine = 1u << 7,
  WStyleLowerCase = 1u << 8,  // typed letters become lower case
  WStyleEditable = 1u << 9,   // drop-down list with an edit field
};

struct WDialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct WTemplateControl {
  int id = 0;
  WControlKind kind = WControlKind::Label;
  WDialogRect rect;
  const char* text = "";
  const char* font = nullptr;  // a font description; nullptr: the dialog's font
  unsigned style = WStyleNone;
};

struct WDialogTemplate {
  const char* name = "";
  const char* caption = "";
  int width = 0;  // client area, in dialog units
  int height = 0;
  const char* font = "8.MS Sans Serif";
  std::span<const WTemplateControl> controls;
};
