// The clock and the countdown timer of the main skin: the liquid-crystal clock face with
// the time layout (colons) and, in the alternate look, the date layout (full stops); the
// countdown panel with its minus and plus, the digits 00 00 00, the wallpaper button in
// its corner and the TIMER label, which the alternate look shows ringing.
#include <array>

#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

void DrawClock(Canvas& c, Look look) {
  FrameRect(c, {241, 106, 57, 11}, ink::kSteel);
  FillRect(c, {242, 107, 55, 9}, ink::kLcd);
  const gfx::Point at = ml::kClockDigits;
  if (look == Look::kPressed) {
    // Pressed: the face turns to its ink, the colons stay in the face's colour.
    FillRect(c, ml::kClockFace, ink::kLcdInk);
    for (int x : {at.x + 12, at.x + 26}) {
      c.Set(x, at.y + 1, ink::kLcd);
      c.Set(x, at.y + 3, ink::kLcd);
    }
    return;
  }
  if (look == Look::kLit) {
    // The date layout: year at +0, month at +26, day at +40, full stops between.
    for (int i = 0; i < 4; ++i) {
      DrawDigitCell(c, at.x + ml::kGlyphPitch * i, at.y, 0, ink::kLcdInk, ink::kLcd);
    }
    for (int x : {at.x + 26, at.x + 32, at.x + 40, at.x + 46}) {
      DrawDigitCell(c, x, at.y, 0, ink::kLcdInk, ink::kLcd);
    }
    c.Set(at.x + 24, at.y + 4, ink::kLcdInk);
    c.Set(at.x + 38, at.y + 4, ink::kLcdInk);
    return;
  }
  // The time layout: hours, minutes and seconds at +0, +14, +28 with colons between.
  for (int group = 0; group < 3; ++group) {
    for (int d = 0; d < 2; ++d) {
      DrawDigitCell(c, at.x + 14 * group + ml::kGlyphPitch * d, at.y, 0, ink::kLcdInk, ink::kLcd);
    }
  }
  for (int x : {at.x + 12, at.x + 26}) {
    c.Set(x, at.y + 1, ink::kLcdInk);
    c.Set(x, at.y + 3, ink::kLcdInk);
  }
}

struct PanelInks {
  Ink face, light, dark, lcd, lcd_ink, text;
};

PanelInks TimerInks(Look look) {
  if (look == Look::kLit) {
    return {ink::kPink, ink::kRed, ink::kBlush, ink::kWhite, ink::kRed, ink::kWhite};
  }
  return {ink::kIndigo, ink::kNight, ink::kLavender, ink::kLcd, ink::kLcdInk, ink::kLavender};
}

void DrawWallpaperButton(Canvas& c, Look look) {
  const PixelMask shape = PolygonShape(c, {{342, 280}, {359, 280}, {354, 291}, {337, 291}});
  ButtonInks inks = PushInks(look);
  if (look == Look::kLit) inks = {ink::kBlush, ink::kWhite, ink::kRed, ink::kRed, 0};
  PaintButton(c, shape, inks);
  // A little landscape in the middle: the part that sinks when pressed.
  const bool pressed = look == Look::kPressed;
  FillRect(c, {343, 284, 11, 4}, pressed ? ink::kPink : ink::kNight);
  const Ink hill = pressed ? ink::kWhite : ink::kCyan;
  const int s = pressed ? 1 : 0;
  DrawPictogram(c, 344 + s, 284 + s, {"....#....", "...###.#.", "..######."}, hill);
  if (!pressed) c.Set(351, 284, ink::kPink);  // the sun
}

void DrawCountdownPanel(Canvas& c, Look look) {
  const PanelInks inks = TimerInks(look);
  // The panel's right side runs parallel to the cell's lower right edge.
  const PixelMask panel = PolygonShape(c, {{282, 278}, {367, 278}, {352, 304}, {282, 304}});
  Fill(c, panel, inks.face);
  Bevel(c, panel, inks.light, inks.dark);
  // A bell and a caption along the top.
  DrawPictogram(c, 287, 281,
                {"...#...", "..###..", ".#####.", ".#####.", ".#####.", "#######", "...#..."},
                inks.text);
  if (look == Look::kLit) {
    DrawPictogram(c, 285, 281, {"#......#", ".........", "#......#"}, ink::kWhite);
  }
  DrawPixelText(c, 298, 283, "ALARM", inks.text, PixelFont::kTiny);
  // The liquid-crystal window: minus, 00 00 00, plus.
  FrameRect(c, {291, 292, 59, 11}, inks.dark);
  FillRect(c, {292, 293, 57, 9}, inks.lcd);
  const gfx::Point at = ml::kCountdownDigits;
  for (int group = 0; group < 3; ++group) {
    for (int d = 0; d < 2; ++d) {
      DrawDigitCell(c, at.x + 14 * group + ml::kGlyphPitch * d, at.y, 0, inks.lcd_ink, inks.lcd);
    }
  }
  for (int x : {at.x + 12, at.x + 26}) {
    c.Set(x, at.y + 1, inks.lcd_ink);
    c.Set(x, at.y + 3, inks.lcd_ink);
  }
  const bool pressed = look == Look::kPressed;
  const Ink sign_paper = pressed ? ink::kLcdInk : inks.lcd;
  const Ink sign_ink = pressed ? ink::kLcd : inks.lcd_ink;
  const int s = pressed ? 1 : 0;
  FillRect(c, {293, 294, 7, 7}, sign_paper);
  FillRect(c, {341, 294, 7, 7}, sign_paper);
  HLine(c, 294 + s, 298, 297 + s, sign_ink);
  HLine(c, 342 + s, 346, 297 + s, sign_ink);
  VLine(c, 344 + s, 295 + s, 299, sign_ink);
  DrawWallpaperButton(c, look);
}

void DrawTimerLabel(Canvas& c, Look look) {
  const gfx::Rect r = ml::kTimerLabel;
  const bool lit = look == Look::kLit;
  const PixelMask plate = RectShape(c, r, 2);
  Fill(c, plate, lit ? ink::kPink : ink::kIndigo);
  Bevel(c, plate, lit ? ink::kBlush : ink::kLavender, lit ? ink::kRed : ink::kNight);
  DrawPixelText(c, r.left + 6, r.top + 2, "TIMER", lit ? ink::kWhite : ink::kLavender,
                PixelFont::kSmall);
}

}  // namespace

void DrawClockAndTimer(Canvas& c, Look look) {
  DrawClock(c, look);
  DrawCountdownPanel(c, look);
  DrawTimerLabel(c, look);
}

}  // namespace tinto::skin
