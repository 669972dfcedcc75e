// The colour picker's buttons in each of their looks, drawn at any place: the face of the
// skin holds their normal looks, its hidden strips the pressed and disabled ones.
#pragma once

#include "gfx/geometry.h"
#include "tools/skin/canvas.h"
#include "tools/skin/main_widgets.h"

namespace tinto::skin::picker_buttons {

// Looks of the picker's buttons beyond the main skin's: a button that cannot be used.
enum class PickerLook { kNormal, kPressed, kDisabled };

void DrawOk(Canvas& c, gfx::Point at, PickerLook look);                      // 29 x 23
void DrawCancel(Canvas& c, gfx::Point at, PickerLook look);                  // 11 x 9
void DrawLevelButton(Canvas& c, gfx::Point at, bool plus, PickerLook look);  // 14 x 7
void DrawTakeColour(Canvas& c, gfx::Point at, PickerLook look);              // 21 x 16
void DrawLoad(Canvas& c, gfx::Point at, PickerLook look);                    // 20 x 15
void DrawSave(Canvas& c, gfx::Point at, PickerLook look);                    // 20 x 15
void DrawCycle(Canvas& c, gfx::Point at, PickerLook look);                   // 13 x 19

}  // namespace tinto::skin::picker_buttons
