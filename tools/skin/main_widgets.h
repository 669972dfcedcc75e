// The looks of the main window's buttons: bevelled silver push buttons that sink into
// violet when pressed, dark toggles that light up in cyan, and the small pictograms
// drawn on them.
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "gfx/geometry.h"
#include "tools/skin/canvas.h"

namespace tinto::skin {

// Which of the three main skins a control is drawn for.
enum class Look {
  kNormal,   // BASE0
  kPressed,  // BASE1
  kLit,      // BASE2: toggles on, unavailable buttons gone, the ringing panel
};

struct ButtonInks {
  Ink face;
  Ink light;  // upper and left edges
  Ink dark;   // lower and right edges
  Ink glyph;
  int shift;  // how far the pictogram moves right and down
};

// Push buttons: silver, or sunk in violet with a white pictogram when pressed.
ButtonInks PushInks(Look look);
// Toggles: a dark slot when off, cyan when on (the lit look), sunk when pressed.
ButtonInks ToggleInks(Look look);

PixelMask RectShape(const Canvas& on, gfx::Rect r, int corner_cut = 0);
PixelMask EllipseShape(const Canvas& on, gfx::Rect box);
PixelMask PolygonShape(const Canvas& on, std::initializer_list<gfx::Point> points);
PixelMask HexagonShape(const Canvas& on, gfx::Rect box, int slant);
PixelMask Union(const PixelMask& a, const PixelMask& b);

// Fills the shape with the face and draws its bevel.
void PaintButton(Canvas& c, const PixelMask& shape, const ButtonInks& inks);

// A pictogram: rows of '#' (drawn) and anything else (transparent); drawn at (x, y) moved
// by the inks' shift.
void DrawPictogram(Canvas& c, int x, int y, std::span<const std::string_view> rows,
                   const ButtonInks& inks);
void DrawPictogram(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows,
                   const ButtonInks& inks);
void DrawPictogram(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows, Ink ink);

// A recessed plate behind a group of controls.
void PaintPlate(Canvas& c, const PixelMask& shape);

}  // namespace tinto::skin
