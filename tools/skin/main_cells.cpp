// The three hexagonal cells of the main skin: navy faces inside a silver rim, a fine inner
// line, the 2P and 3P marks beside the colour panels and the recessed group plates of
// the viewer cell.
#include <array>

#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

PixelMask CellMask(const Canvas& c, gfx::Point origin) {
  std::array<gfx::Point, 6> pts = ml::kHexagon;
  for (gfx::Point& p : pts) p = {p.x + origin.x, p.y + origin.y};
  return PolygonMask(c.width(), c.height(), pts);
}

void DrawCell(Canvas& c, gfx::Point origin) {
  const PixelMask outer = CellMask(c, origin);
  PixelMask inner = Shrunk(outer);
  Fill(c, outer, ink::kNavy);
  Bevel(c, outer, ink::kPearl, ink::kSteel);
  Fill(c, Rim(inner), ink::kIndigo);
  // A fine line a few pixels inside the rim.
  for (int i = 0; i < 4; ++i) inner = Shrunk(inner);
  Fill(c, Rim(inner), ink::kIndigo);
}

void DrawPanelMark(Canvas& c, int f, std::string_view mark) {
  const int x = 186;
  const int y = 88 + f;
  DrawPixelText(c, x + 1, y + 1, mark, ink::kNight, PixelFont::kSmall, 2);
  DrawPixelText(c, x, y, mark, ink::kPink, PixelFont::kSmall, 2);
  DrawPixelText(c, x + 1, y + 18, "COLOR", ink::kLavender, PixelFont::kTiny);
}

}  // namespace

void DrawCells(Canvas& c) {
  FillRect(c, c.bounds(), ink::kNight);
  DrawCell(c, ml::kColourCell2P);
  DrawCell(c, ml::kColourCell3P);
  DrawCell(c, ml::kViewerCell);
  DrawPanelMark(c, 0, "2P");
  DrawPanelMark(c, ml::kPanelStep, "3P");
  // Recessed plates behind the transport buttons and behind the music and alarm buttons.
  PaintPlate(c, RectShape(c, {249, 119, 92, 44}, 5));
  PaintPlate(c, RectShape(c, {274, 248, 96, 28}, 4));
}

}  // namespace tinto::skin
