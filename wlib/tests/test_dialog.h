// A small dialog template for the library's own tests.
#pragma once

#include "wdialog_template.h"

inline constexpr WTemplateControl kTestControls[] = {
    {101, WControlKind::CommandButton, {10, 10, 40, 14}, "Start"},
    {102,
     WControlKind::Label,
     {60, 10, 36, 24},
     "7",
     "14.MS Sans Serif",
     WStyleFramed | WStyleCentred},
    {103, WControlKind::RichTextBox, {0, 0, 48, 15}, "", nullptr, WStyleHidden | WStyleMultiLine},
    {104, WControlKind::PictureBox, {10, 40, 64, 51}},
    {105, WControlKind::TextBox, {10, 100, 80, 12}, "", nullptr, WStyleBorder | WStyleLowerCase},
    {106, WControlKind::ComboBox, {100, 100, 55, 116}, "Tempo", nullptr, WStyleEditable},
};

inline constexpr WDialogTemplate kTestDialog{"ID_Test",         "Test",       200, 150,
                                             "8.MS Sans Serif", kTestControls};
