// The main skin's window buttons: minimise, the pink close hexagon, the help badge and
// the tournament password padlock.
#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

void DrawMinimise(Canvas& c, Look look) {
  const ButtonInks inks = PushInks(look);
  PaintButton(c, RectShape(c, {301, 109, 24, 10}, 2), inks);
  DrawPictogram(c, 308, 113, {"##########", "##########"}, inks);
}

void DrawClose(Canvas& c, Look look) {
  const bool pressed = look == Look::kPressed;
  const PixelMask shape =
      pressed ? HexagonShape(c, {327, 106, 25, 17}, 5) : HexagonShape(c, {329, 106, 21, 17}, 4);
  const ButtonInks inks = pressed
                              ? ButtonInks{ink::kViolet, ink::kNight, ink::kPink, ink::kWhite, 1}
                              : ButtonInks{ink::kPink, ink::kBlush, ink::kRed, ink::kWhite, 0};
  PaintButton(c, shape, inks);
  DrawPictogram(c, 336, 111, {"##...##", ".##.##.", "..###..", ".##.##.", "##...##"}, inks);
}

void DrawHelp(Canvas& c) {
  const PixelMask shape = HexagonShape(c, {342, 124, 16, 14}, 3);
  PaintButton(c, shape, {ink::kLavender, ink::kPearl, ink::kIndigo, ink::kWhite, 0});
  DrawPixelText(c, 348, 128, "?", ink::kIndigo, PixelFont::kSmall);
  DrawPixelText(c, 347, 127, "?", ink::kWhite, PixelFont::kSmall);
}

void DrawPasswordLock(Canvas& c, Look look) {
  const bool pressed = look == Look::kPressed;
  const int s = pressed ? 1 : 0;
  PaintButton(c, HexagonShape(c, {242, 263, 28, 23}, 6), PushInks(look));
  const int x = 251 + s;
  const int y = 267 + s;
  DrawSprite(c, x, y,
             {"..####..", ".#....#.", ".#....#.", ".#....#.", "########", "########", "###..###",
              "###..###", "####.###", "########", "########"},
             {{'#', pressed ? ink::kBlush : ink::kPink}});
  DrawSprite(c, x, y, {"..####..", ".#....#.", ".#....#.", ".#....#."},
             {{'#', pressed ? ink::kWhite : ink::kNavy}});
  DrawSprite(c, x, y + 6, {"...##...", "...##...", "....#..."},
             {{'#', pressed ? ink::kViolet : ink::kNight}});
}

}  // namespace

void DrawWindowButtons(Canvas& c, Look look) {
  DrawMinimise(c, look);
  DrawClose(c, look);
  DrawHelp(c);
  DrawPasswordLock(c, look);
}

}  // namespace tinto::skin
