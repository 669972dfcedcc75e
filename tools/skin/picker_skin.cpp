// The colour picker's skin (BASE4): for now its two cells in the window's shape with the
// list of 21 entry hexagons and name bars, the detail hexagon with OK and cancel, and the
// help badge. The picker's own strips (captions, level bars, buttons) come later.
#include <array>

#include "tools/skin/draw.h"
#include "tools/skin/main_widgets.h"
#include "tools/skin/palettes.h"
#include "tools/skin/picker_layout.h"
#include "tools/skin/pixel_font.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

namespace pl = picker_layout;
constexpr int kWidth = pl::kWidth;
constexpr int kHeight = pl::kHeight;

void DrawCell(Canvas& c, const PixelMask& shape) {
  Fill(c, shape, ink::kNavy);
  Bevel(c, shape, ink::kPearl, ink::kSteel);
  Fill(c, Rim(Shrunk(shape)), ink::kIndigo);
}

}  // namespace

Canvas DrawPickerSkin() {
  Canvas c(kWidth, kHeight, ink::kNight);
  DrawCell(c, PolygonMask(kWidth, kHeight, pl::kListCell));
  DrawCell(c, PolygonMask(kWidth, kHeight, pl::kDetailCell));
  for (int e = 0; e < pl::kEntries; ++e) {
    FillRect(c, pl::EntryName(e), ink::kNight);
    const gfx::Rect hex = pl::EntryHexagon(e);
    PaintButton(c, HexagonShape(c, {hex.left, hex.top, hex.width, hex.height}, 6),
                {ink::kSilver, ink::kPearl, ink::kSteel, ink::kNavy, 0});
    Fill(c, HexagonShape(c, {hex.left + 1, hex.top + 1, hex.width - 2, hex.height - 2}, 6),
         ink::kBlack);
  }
  // The enlarged entry, OK and cancel.
  FillRect(c, pl::kDetail, ink::kBlack);
  PaintButton(c, HexagonShape(c, {384, 101, 29, 23}, 6),
              {ink::kPink, ink::kBlush, ink::kRed, ink::kWhite, 0});
  DrawPixelText(c, 393, 109, "OK", ink::kWhite, PixelFont::kSmall);
  PaintButton(c, RectShape(c, {365, 107, 18, 19}, 3), PushInks(Look::kNormal));
  DrawPictogram(c, 371, 114, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}, ink::kNavy);
  PaintButton(c, HexagonShape(c, {508, 62, 16, 14}, 3),
              {ink::kLavender, ink::kPearl, ink::kIndigo, ink::kWhite, 0});
  DrawPixelText(c, 513, 65, "?", ink::kWhite, PixelFont::kTiny);
  DrawPixelText(c, 450, 70, "COLOR", ink::kPink, PixelFont::kSmall);
  return c;
}

}  // namespace tinto::skin
