// The photo-film and movie buttons of the main skin: nine camera-finder buttons on an arc
// (the alternate look keeps only their number plates), two zigzag rows of film-mark
// buttons (gone in the alternate look), and the rotation and movie-sound toggles.
#include <array>

#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

void DrawFilmButton(Canvas& c, Look look, int n) {
  const gfx::Rect b = ml::PhotoFilmBox(n);
  const bool pressed = look == Look::kPressed;
  const int s = pressed ? 1 : 0;
  if (look != Look::kLit) {
    const PixelMask body =
        Union(RectShape(c, b, 3), RectShape(c, {b.left - 2, b.top + 5, 19, 5}, 1));
    PaintButton(c, body, PushInks(look));
  }
  // The number plate, which stays when the button is unavailable.
  const Ink digit = look == Look::kLit ? ink::kSteel : ink::kWhite;
  FillRect(c, {b.left + 3 + s, b.top + 3 + s, 9, 9}, ink::kNight);
  DrawDigitCell(c, b.left + 5 + s, b.top + 5 + s, n, digit, ink::kNight);
  if (look == Look::kLit) return;
  // The finder's corner marks.
  const Ink mark = pressed ? ink::kPink : ink::kCyan;
  const int l = b.left + 3 + s, t = b.top + 3 + s, r = l + 8, btm = t + 8;
  for (auto [x, y, dx, dy] : {std::array{l, t, 1, 1}, std::array{r, t, -1, 1},
                              std::array{l, btm, 1, -1}, std::array{r, btm, -1, -1}}) {
    c.Set(x, y, mark);
    c.Set(x + dx, y, mark);
    c.Set(x, y + dy, mark);
  }
}

void DrawMovieButton(Canvas& c, Look look, int row, int n) {
  if (look == Look::kLit) return;  // an unavailable movie's button vanishes
  const gfx::Rect b = ml::MovieBox(row, n);
  const ButtonInks inks = PushInks(look);
  PixelMask body = Union(RectShape(c, b, 2), RectShape(c, {b.left - 2, b.top + 3, 18, 9}, 2));
  body.Put(b.left - 3, b.top + 7);
  body.Put(b.left + 16, b.top + 7);
  PaintButton(c, body, inks);
  const int s = inks.shift;
  // Sprocket holes down both edges and a frame with a play mark.
  for (int k = 0; k < 4; ++k) {
    FillRect(c, {b.left + 1 + s, b.top + 2 + 3 * k + s, 1, 2}, ink::kNavy);
    FillRect(c, {b.left + 12 + s, b.top + 2 + 3 * k + s, 1, 2}, ink::kNavy);
  }
  FillRect(c, {b.left + 3 + s, b.top + 2 + s, 8, 11}, ink::kNight);
  const Ink play = look == Look::kPressed ? ink::kWhite : (row == 0 ? ink::kPink : ink::kCyan);
  DrawPictogram(c, b.left + 6 + s, b.top + 5 + s, {"#..", "##.", "###", "##.", "#.."}, play);
}

void DrawToggle(Canvas& c, Look look, gfx::Rect box,
                std::initializer_list<std::string_view> icon_off,
                std::initializer_list<std::string_view> icon_on, int icon_width, int icon_height) {
  const ButtonInks inks = ToggleInks(look);
  PaintButton(c, RectShape(c, box, 2), inks);
  const int x = box.left + (box.width - icon_width) / 2;
  const int y = box.top + (box.height - icon_height) / 2;
  DrawPictogram(c, x, y, look == Look::kLit ? icon_on : icon_off, inks);
}

void DrawRotationToggle(Canvas& c, Look look, gfx::Rect box) {
  DrawToggle(c, look, box,
             {"..####..", ".#....#.", "#......#", "#.....###", ".#....#.", "..##...."},
             {"..####..", ".#....#.", "#......#", "#.....###", ".#....#.", "..##...."}, 9, 6);
}

void DrawSoundToggle(Canvas& c, Look look, gfx::Rect box) {
  DrawToggle(c, look, box,
             {"..#....", ".##....", "###.#.#", "###..#.", "###.#.#", ".##....", "..#...."},
             {"..#....", ".##..#.", "###...#", "###.#.#", "###...#", ".##..#.", "..#...."}, 7, 7);
}

}  // namespace

void DrawMediaButtons(Canvas& c, Look look) {
  for (int n = 1; n <= 9; ++n) DrawFilmButton(c, look, n);
  for (int row = 0; row < 2; ++row) {
    for (int n = 1; n <= 9; ++n) DrawMovieButton(c, look, row, n);
  }
  DrawRotationToggle(c, look, {223, 165, 15, 10});
  for (int row = 0; row < 2; ++row) {
    DrawRotationToggle(c, look, {219, 201 + 24 * row, 15, 10});
    DrawSoundToggle(c, look, {207, 206 + 24 * row, 12, 11});
  }
}

}  // namespace tinto::skin
