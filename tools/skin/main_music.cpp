// The music player's and the alarm sound's buttons on the main skin: continuous play and
// alarm loop toggles, the round note and sound-wave buttons, their previous and next
// arrows and the two-digit numbers between them.
#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

void DrawToggle(Canvas& c, Look look, gfx::Rect box, std::initializer_list<std::string_view> icon,
                int icon_width, int icon_height) {
  const ButtonInks inks = ToggleInks(look);
  PaintButton(c, RectShape(c, box, 2), inks);
  DrawPictogram(c, box.left + (box.width - icon_width) / 2,
                box.top + (box.height - icon_height) / 2, icon, inks);
}

// A round button (its pressed rectangles: the 15 x 15 square and a band of 19 x 5 across
// its middle) with a pictogram of 7 x 7.
void DrawRoundButton(Canvas& c, Look look, int left, std::initializer_list<std::string_view> icon) {
  const ButtonInks inks = PushInks(look);
  const PixelMask shape =
      Union(EllipseShape(c, {left, 252, 15, 15}), RectShape(c, {left - 2, 257, 19, 5}, 1));
  PaintButton(c, shape, inks);
  DrawPictogram(c, left + 4, 256, icon, inks);
}

// An arrow button of 12 x 12 with a 2 x 8 tail beside the number window.
void DrawArrowButton(Canvas& c, Look look, int left, int tail_left, bool to_left) {
  const ButtonInks inks = PushInks(look);
  const PixelMask shape =
      Union(RectShape(c, {left, 261, 12, 12}, 2), RectShape(c, {tail_left, 265, 2, 8}));
  PaintButton(c, shape, inks);
  if (to_left) {
    DrawPictogram(c, left + 4, 263, {"...#", "..##", ".###", "####", ".###", "..##", "...#"}, inks);
  } else {
    DrawPictogram(c, left + 4, 263, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}, inks);
  }
}

void DrawNumberWindow(Canvas& c, gfx::Point at, int tens, int ones) {
  FillRect(c, {at.x - 1, at.y - 1, 13, 7}, ink::kNight);
  DrawDigitCell(c, at.x, at.y, tens, ink::kWhite, ink::kNight);
  DrawDigitCell(c, at.x + ml::kGlyphPitch, at.y, ones, ink::kWhite, ink::kNight);
}

}  // namespace

void DrawMusicAndAlarm(Canvas& c, Look look) {
  // Music: continuous play (an endless loop), the note, previous and next song, song 00.
  DrawToggle(c, look, {278, 251, 15, 10},
             {".##...##.", "#..#.#..#", "#...#...#", "#..#.#..#", ".##...##."}, 9, 5);
  DrawRoundButton(c, look, 297,
                  {"...###.", "...#.##", "...#...", "...#...", ".###...", "####...", ".##...."});
  DrawArrowButton(c, look, 284, 296, true);
  DrawArrowButton(c, look, 313, 311, false);
  DrawNumberWindow(c, ml::kSongNumber, 0, 0);
  // Alarm: loop toggle, the sound-wave button, previous and next sound, sound 10.
  DrawToggle(c, look, {320, 251, 15, 10},
             {"..####..", ".#....#.", "#......#", "#.....###", ".#....#.", "..##...."}, 9, 6);
  DrawRoundButton(c, look, 339,
                  {"..#..#.", ".##...#", "###.#.#", "###.#.#", ".##...#", "..#..#.", "......."});
  DrawArrowButton(c, look, 326, 338, true);
  DrawArrowButton(c, look, 355, 353, false);
  DrawNumberWindow(c, ml::kAlarmNumber, 1, 0);
}

}  // namespace tinto::skin
