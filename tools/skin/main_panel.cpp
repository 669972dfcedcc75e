// A colour panel of the main skin: the spotlight and stage behind the heroine, the six
// part buttons (a badge frame on a bar around each part icon, whose inside is left black
// for the recoloured icon), and the load, save and random buttons (small hexagons).
#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/palettes.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

void DrawStage(Canvas& c, int f) {
  FillEllipse(c, {94, f + 8, 78, 186}, ink::kIndigo);
  FrameEllipse(c, {94, f + 8, 78, 186}, ink::kViolet);
  FillEllipse(c, {97, f + 174, 72, 16}, ink::kViolet);
  FrameEllipse(c, {97, f + 174, 72, 16}, ink::kLavender);
}

void DrawPartButton(Canvas& c, Look look, int p, int f) {
  const int x = ml::kPartX[static_cast<std::size_t>(p)];
  const int y = ml::kPartY[static_cast<std::size_t>(p)] + f;
  const bool pressed = look == Look::kPressed;
  const ButtonInks bar = PushInks(look);
  PaintButton(c, RectShape(c, {x, y + 8, 34, 11}, 2), bar);
  const PixelMask frame = HexagonShape(c, {x + 4, y + 1, 26, 25}, 7);
  Fill(c, frame, pressed ? ink::kPink : ink::kSilver);
  Bevel(c, frame, pressed ? ink::kViolet : ink::kPearl, pressed ? ink::kBlush : ink::kSteel);
  if (pressed) {
    // The glow of a pressed badge fills its whole pressed rectangle's hexagon.
    const PixelMask glow = HexagonShape(c, {x + 4, y, 26, 27}, 7);
    for (int yy = y; yy < y + 27; ++yy) {
      for (int xx = x + 4; xx < x + 30; ++xx) {
        if (glow.Has(xx, yy) && !frame.Has(xx, yy)) c.Set(xx, yy, ink::kViolet);
      }
    }
  }
  Fill(c, HexagonShape(c, {x + 4, y + 3, 26, 21}, 6), ink::kBlack);
}

void DrawFileButton(Canvas& c, Look look, gfx::Rect box,
                    std::initializer_list<std::string_view> icon) {
  const ButtonInks inks = PushInks(look);
  PaintButton(c, HexagonShape(c, {box.left - 1, box.top, box.width + 2, box.height}, 4), inks);
  DrawPictogram(c, box.left + 5, box.top + 4, icon, inks);
}

}  // namespace

void DrawColourPanel(Canvas& c, Look look, int f) {
  DrawStage(c, f);
  for (int p = 0; p < 6; ++p) DrawPartButton(c, look, p, f);
  DrawFileButton(c, look, ml::kLoadButton.offset(0, f),
                 {"###....", "#..####", "#.....#", "#######", "#.....#", "#.....#", "#######"});
  DrawFileButton(c, look, ml::kSaveButton.offset(0, f),
                 {"######.", "#.##.##", "#.##..#", "#.....#", "#.###.#", "#.###.#", "#######"});
  DrawFileButton(c, look, ml::kRandomButton.offset(0, f),
                 {"#######", "#.....#", "#.#...#", "#..#..#", "#...#.#", "#.....#", "#######"});
}

}  // namespace tinto::skin
