// The password window's skin (BASE7): for now its long strip in the window's shape with
// the question area, the typing line, the CHECK and close buttons and the points. The
// glyph strips below the strip come later.
#include <array>

#include "tools/skin/draw.h"
#include "tools/skin/main_widgets.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

constexpr int kWidth = 780;
constexpr int kHeight = 57;
constexpr std::array<gfx::Point, 6> kShape = {
    {{15, 0}, {765, 0}, {780, 15}, {752, 43}, {28, 43}, {0, 15}}};

}  // namespace

Canvas DrawPasswordSkin() {
  Canvas c(kWidth, kHeight, ink::kNight);
  const PixelMask shape = PolygonMask(kWidth, kHeight, kShape);
  Fill(c, shape, ink::kNavy);
  Bevel(c, shape, ink::kPearl, ink::kSteel);
  FillRect(c, {20, 3, 507, 15}, ink::kNight);
  FillRect(c, {34, 20, 11 * 45, 9}, ink::kIndigo);
  PaintButton(c, RectShape(c, {529, 11, 62, 9}, 2), PushInks(Look::kNormal));
  DrawPixelText(c, 551, 13, "CHECK", ink::kNavy, PixelFont::kTiny);
  PaintButton(c, HexagonShape(c, {586, 7, 23, 13}, 4),
              {ink::kPink, ink::kBlush, ink::kRed, ink::kWhite, 0});
  DrawPictogram(c, 594, 11, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}, ink::kWhite);
  FillRect(c, {690, 9, 60, 9}, ink::kNight);
  DrawPixelText(c, 718, 11, "/", ink::kLavender, PixelFont::kTiny);
  DrawPixelText(c, 640, 11, "POINTS", ink::kLavender, PixelFont::kTiny);
  return c;
}

}  // namespace tinto::skin
