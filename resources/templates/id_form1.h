// Dialog template ID_Form1: the main menu.
#pragma once

#include "wdialog_template.h"

inline constexpr unsigned kMenuButton = WStyleFramed;
inline constexpr unsigned kMenuText = WStyleTransparent | WStyleWordWrap;

inline constexpr WTemplateControl kForm1Controls[] = {
    // id, kind, x, y, w, h, text, font, style
    {101, WControlKind::PictureBox, {70, 5, 380, 51}},
    {102, WControlKind::PictureBox, {225, 100, 64, 51}},
    {103, WControlKind::CommandButton, {5, 60, 65, 20}, "Zahlenstraße 1", nullptr, kMenuButton},
    {104,
     WControlKind::CommandButton,
     {5, 160, 80, 20},
     "Buchstabenstraße 1",
     nullptr,
     kMenuButton},
    {105, WControlKind::CommandButton, {80, 60, 70, 20}, "Zahlenstraße 2", nullptr, kMenuButton},
    {106,
     WControlKind::CommandButton,
     {90, 160, 77, 20},
     "Buchstabenstraße 2",
     nullptr,
     kMenuButton},
    {107, WControlKind::CommandButton, {295, 60, 56, 20}, "Memory 1", nullptr, kMenuButton},
    {108, WControlKind::CommandButton, {355, 60, 56, 20}, "Memory 2", nullptr, kMenuButton},
    {109, WControlKind::CommandButton, {300, 140, 55, 21}, "Memory 3", nullptr, kMenuButton},
    {110, WControlKind::CommandButton, {360, 140, 55, 20}, "Memory 4", nullptr, kMenuButton},
    {111, WControlKind::CommandButton, {300, 225, 76, 21}, "Rechenübung 1", nullptr, kMenuButton},
    {112, WControlKind::CommandButton, {380, 225, 70, 20}, "Rechenübung 2", nullptr, kMenuButton},
    {113,
     WControlKind::RichTextBox,
     {170, 95, 48, 15},
     "",
     nullptr,
     WStyleMultiLine | WStyleSunken | WStyleHidden},
    {115, WControlKind::CommandButton, {160, 60, 70, 20}, "Zahlenstraße 3", nullptr, kMenuButton},
    {116,
     WControlKind::CommandButton,
     {170, 160, 80, 20},
     "Buchstabenstraße 3",
     nullptr,
     kMenuButton},
    {120, WControlKind::Label, {5, 85, 210, 70}, "", nullptr, kMenuText},
    {121, WControlKind::Label, {295, 85, 220, 50}, "", nullptr, kMenuText},
    {122, WControlKind::Label, {5, 185, 246, 65}, "", nullptr, kMenuText},
    {123, WControlKind::Label, {300, 165, 215, 55}, "", nullptr, kMenuText},
    {124, WControlKind::Label, {300, 250, 220, 50}, "", nullptr, kMenuText},
    {126,
     WControlKind::CommandButton,
     {5, 255, 85, 19},
     "Merkfähigkeitsübung 1",
     nullptr,
     kMenuButton},
    {127, WControlKind::Label, {5, 280, 246, 55}, "", nullptr, kMenuText},
    {128,
     WControlKind::CommandButton,
     {90, 255, 85, 19},
     "Merkfähigkeitsübung 2",
     nullptr,
     kMenuButton},
    {129,
     WControlKind::CommandButton,
     {175, 255, 86, 19},
     "Merkfähigkeitsübung 3",
     nullptr,
     kMenuButton},
};

// The controls reach beyond the template size: the layout is seen whole when maximised.
inline constexpr WDialogTemplate ID_Form1{"ID_Form1", "Denkfalke 07",    257,
                                          214,        "8.MS Sans Serif", kForm1Controls};
