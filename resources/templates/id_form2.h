// Dialog template ID_Form2: the number and letter path.
#pragma once

#include "wdialog_template.h"

inline constexpr unsigned kPathCell = WStyleFramed | WStyleCentred;
inline constexpr const char* kPathCellFont = "14.MS Sans Serif";

inline constexpr WTemplateControl kForm2Controls[] = {
    // id, kind, x, y, w, h, text, font, style
    {101, WControlKind::RichTextBox, {0, 0, 48, 15}, "", nullptr, WStyleSunken | WStyleHidden},
    {102, WControlKind::Label, {105, 90, 36, 25}, "1", kPathCellFont, kPathCell},
    {103, WControlKind::Label, {160, 55, 35, 25}, "2", kPathCellFont, kPathCell},
    {104, WControlKind::Label, {320, 60, 35, 26}, "3", kPathCellFont, kPathCell},
    {105, WControlKind::Label, {250, 50, 35, 25}, "4", kPathCellFont, kPathCell},
    {106, WControlKind::Label, {385, 85, 36, 25}, "5", kPathCellFont, kPathCell},
    {107, WControlKind::Label, {195, 165, 36, 25}, "6", kPathCellFont, kPathCell},
    {108, WControlKind::Label, {215, 95, 36, 24}, "7", kPathCellFont, kPathCell},
    {109, WControlKind::Label, {295, 110, 35, 25}, "8", kPathCellFont, kPathCell},
    {110, WControlKind::Label, {350, 165, 35, 25}, "9", kPathCellFont, kPathCell},
    {111, WControlKind::Label, {125, 135, 35, 24}, "10", kPathCellFont, kPathCell},
    {112, WControlKind::Label, {270, 170, 35, 24}, "11", kPathCellFont, kPathCell},
    {113, WControlKind::Label, {260, 225, 35, 25}, "12", kPathCellFont, kPathCell},
    {114, WControlKind::Label, {360, 210, 35, 24}, "13", kPathCellFont, kPathCell},
    {115, WControlKind::Label, {160, 215, 35, 25}, "14", kPathCellFont, kPathCell},
    {116, WControlKind::Label, {385, 130, 36, 25}, "15", kPathCellFont, kPathCell},
    {117, WControlKind::Label, {235, 130, 35, 25}, "16", kPathCellFont, kPathCell},
    {118, WControlKind::Label, {160, 100, 35, 25}, "17", kPathCellFont, kPathCell},
    {119, WControlKind::Label, {415, 180, 35, 25}, "18", kPathCellFont, kPathCell},
    {120, WControlKind::Label, {125, 175, 35, 24}, "19", kPathCellFont, kPathCell},
    {121, WControlKind::Label, {305, 200, 36, 25}, "20", kPathCellFont, kPathCell},
    {122, WControlKind::CommandButton, {280, 5, 40, 14}, "", nullptr, WStyleHidden},
    {123, WControlKind::CommandButton, {225, 155, 85, 30}, "Start", kPathCellFont, WStyleFramed},
    {124, WControlKind::Label, {210, 200, 35, 25}, "21", kPathCellFont, kPathCell},
    {125, WControlKind::Label, {85, 50, 35, 24}, "22", kPathCellFont, kPathCell},
    {126, WControlKind::Label, {385, 50, 36, 25}, "23", kPathCellFont, kPathCell},
    {127, WControlKind::Label, {340, 115, 35, 25}, "24", kPathCellFont, kPathCell},
    {128, WControlKind::Label, {90, 225, 35, 25}, "25", kPathCellFont, kPathCell},
    {129, WControlKind::Label, {315, 250, 35, 25}, "26", kPathCellFont, kPathCell},
    {130, WControlKind::Label, {185, 260, 36, 26}, "27", kPathCellFont, kPathCell},
    {131, WControlKind::Label, {370, 260, 35, 26}, "28", kPathCellFont, kPathCell},
    {132, WControlKind::Label, {135, 0, 240, 25}, "", "24.MS Sans Serif", WStyleCentred},
    {134, WControlKind::Label, {0, 0, 60, 15}, "", "10.MS Sans Serif"},
    {135, WControlKind::CommandButton, {440, 45, 40, 13}, "ende", nullptr, WStyleHidden},
    {136, WControlKind::RichTextBox, {100, 65, 325, 85}, "", "12.MS Sans Serif",
     WStyleMultiLine | WStyleHidden},
    {137, WControlKind::Label, {135, 25, 235, 15}, "", "12.MS Sans Serif", WStyleCentred},
};

inline constexpr WDialogTemplate ID_Form2{"ID_Form2", "", 533, 340, "8.MS Sans Serif",
                                          kForm2Controls};
