// The colour picker's buttons: silver push buttons that sink into violet, as on the main
// window, and a dim slot with a steel pictogram for a button that cannot be used.
#include "tools/skin/picker_buttons.h"

#include "tools/skin/draw.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin::picker_buttons {

namespace {

ButtonInks InksOf(PickerLook look) {
  switch (look) {
    case PickerLook::kPressed:
      return PushInks(Look::kPressed);
    case PickerLook::kDisabled:
      return {ink::kIndigo, ink::kSteel, ink::kNight, ink::kSteel, 0};
    case PickerLook::kNormal:
      break;
  }
  return PushInks(Look::kNormal);
}

// A small hexagonal push button with a pictogram, like the main window's file buttons.
void DrawIconButton(Canvas& c, gfx::Rect box, int slant, gfx::Point icon_at,
                    std::initializer_list<std::string_view> icon, PickerLook look) {
  const ButtonInks inks = InksOf(look);
  FillRect(c, box, ink::kNavy);
  PaintButton(c, HexagonShape(c, box, slant), inks);
  DrawPictogram(c, box.left + icon_at.x, box.top + icon_at.y, icon, inks);
}

}  // namespace

void DrawOk(Canvas& c, gfx::Point at, PickerLook look) {
  const bool pressed = look == PickerLook::kPressed;
  const gfx::Rect box{at.x, at.y, 29, 23};
  FillRect(c, box, ink::kNavy);
  PaintButton(c, HexagonShape(c, box, 6),
              pressed ? ButtonInks{ink::kRed, ink::kViolet, ink::kBlush, ink::kWhite, 1}
                      : ButtonInks{ink::kPink, ink::kBlush, ink::kRed, ink::kWhite, 0});
  const int shift = pressed ? 1 : 0;
  DrawPixelText(c, at.x + 9 + shift, at.y + 8 + shift, "OK", ink::kWhite, PixelFont::kTiny, 1);
}

void DrawCancel(Canvas& c, gfx::Point at, PickerLook look) {
  const ButtonInks inks = InksOf(look);
  const gfx::Rect box{at.x, at.y, 11, 9};
  FillRect(c, box, ink::kNavy);
  PaintButton(c, RectShape(c, box, 2), inks);
  DrawPictogram(c, at.x + 3, at.y + 2, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}, inks);
}

void DrawLevelButton(Canvas& c, gfx::Point at, bool plus, PickerLook look) {
  const ButtonInks inks = InksOf(look);
  const gfx::Rect box{at.x, at.y, 14, 7};
  FillRect(c, box, ink::kNavy);
  PaintButton(c, RectShape(c, box, 2), inks);
  if (plus) {
    DrawPictogram(c, at.x + 5, at.y + 1, {".#.", "###", ".#."}, inks);
  } else {
    DrawPictogram(c, at.x + 5, at.y + 2, {"###"}, inks);
  }
}

void DrawTakeColour(Canvas& c, gfx::Point at, PickerLook look) {
  // A dropper over a drop: the variant's colour taken into the free colour.
  DrawIconButton(c, {at.x, at.y, 21, 16}, 4, {6, 3},
                 {"....##", "...###", "..###.", ".#.#..", "#.#...", ".#...."}, look);
  if (look != PickerLook::kDisabled) c.Set(at.x + 14, at.y + 11, ink::kPink);
}

void DrawLoad(Canvas& c, gfx::Point at, PickerLook look) {
  DrawIconButton(c, {at.x, at.y, 20, 15}, 4, {6, 4},
                 {"###....", "#..####", "#.....#", "#######", "#.....#", "#.....#", "#######"},
                 look);
}

void DrawSave(Canvas& c, gfx::Point at, PickerLook look) {
  DrawIconButton(c, {at.x, at.y, 20, 15}, 4, {6, 4},
                 {"######.", "#.##.##", "#.##..#", "#.....#", "#.###.#", "#.###.#", "#######"},
                 look);
}

void DrawCycle(Canvas& c, gfx::Point at, PickerLook look) {
  const ButtonInks inks = InksOf(look);
  const gfx::Rect box{at.x, at.y, 13, 19};
  FillRect(c, box, ink::kNavy);
  PaintButton(c, RectShape(c, box, 3), inks);
  // A die over a turning arrow: random, random, back again.
  DrawPictogram(c, at.x + 3, at.y + 3, {"#####", "#...#", "#.#.#", "#...#", "#####"}, inks);
  DrawPictogram(c, at.x + 3, at.y + 10, {"..#..", "####.", "#.#..", "#....", ".###."}, inks);
}

}  // namespace tinto::skin::picker_buttons
