// The password window's skin (BASE7): its long strip in the window's shape with the
// question area, the typing band, the CHECK, close and question-mark buttons and the
// points; below the strip the glyphs of the password alphabet as capitals, the digits of
// the points, the pressed CHECK and close buttons and the banner of a correct answer.
#include <array>
#include <cctype>
#include <string>

#include "tools/skin/draw.h"
#include "tools/skin/main_widgets.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"
#include "tools/skin/window_skins.h"
#include "unlock/password_layout.h"
#include "unlock/password_tables.h"

namespace tinto::skin {

namespace {

namespace pl = ::tinto::password_layout;

constexpr Ink kBand = ink::kIndigo;
constexpr Ink kTypedInk = ink::kWhite;
constexpr Ink kPointsPaper = ink::kNight;

// Glyph g of the alphabet in its 9 x 5 cell: the 3 x 5 capital, each column doubled.
void DrawLetterCell(Canvas& c, gfx::Point at, int g) {
  FillRect(c, {at.x, at.y, pl::kLetter.width, pl::kLetter.height}, kBand);
  const char ch = static_cast<char>(
      std::toupper(static_cast<unsigned char>(kPasswordAlphabet[static_cast<std::size_t>(g)])));
  Canvas small(3, 5, 0);
  DrawPixelText(small, 0, 0, std::string(1, ch), 1, PixelFont::kTiny);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 3; ++x) {
      if (small.At(x, y) == 0) continue;
      c.Set(at.x + 1 + 2 * x, at.y + y, kTypedInk);
      c.Set(at.x + 2 + 2 * x, at.y + y, kTypedInk);
    }
  }
}

void DrawCheck(Canvas& c, gfx::Point at, Look look) {
  const ButtonInks inks = PushInks(look);
  FillRect(c, {at.x, at.y, pl::kCheck.width, pl::kCheck.height}, ink::kNavy);
  PaintButton(c, RectShape(c, {at.x, at.y, pl::kCheck.width, pl::kCheck.height}, 2), inks);
  DrawPixelText(c, at.x + 22 + inks.shift, at.y + 2 + inks.shift, "CHECK", inks.glyph,
                PixelFont::kTiny);
}

void DrawClose(Canvas& c, gfx::Point at, Look look) {
  const bool pressed = look == Look::kPressed;
  FillRect(c, {at.x, at.y, pl::kClose.width, pl::kClose.height}, ink::kNavy);
  PaintButton(c, HexagonShape(c, {at.x, at.y, pl::kClose.width, pl::kClose.height}, 4),
              pressed ? ButtonInks{ink::kRed, ink::kViolet, ink::kBlush, ink::kWhite, 1}
                      : ButtonInks{ink::kPink, ink::kBlush, ink::kRed, ink::kWhite, 0});
  const int shift = pressed ? 1 : 0;
  DrawPictogram(c, at.x + 9 + shift, at.y + 4 + shift,
                {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}, ink::kWhite);
}

void DrawBanner(Canvas& c, gfx::Point at) {
  const gfx::Rect r{at.x, at.y, pl::kBanner.width, pl::kBanner.height};
  PaintButton(c, RectShape(c, r, 3), {ink::kPink, ink::kWhite, ink::kRed, ink::kWhite, 0});
  const std::string_view text = "UNLOCKED!";
  DrawPixelText(c, at.x + (r.width - PixelTextWidth(text, PixelFont::kSmall)) / 2, at.y + 2, text,
                ink::kWhite, PixelFont::kSmall);
}

}  // namespace

Canvas DrawPasswordSkin() {
  Canvas c(pl::kWidth, pl::kSkinHeight, ink::kNight);
  const PixelMask shape = PolygonMask(pl::kWidth, pl::kHeight, pl::kShape);
  Fill(c, shape, ink::kNavy);
  Bevel(c, shape, ink::kPearl, ink::kSteel);
  FillRect(c, pl::kQuestion, ink::kNight);
  // The typing band: 65 places, each a blank glyph.
  const gfx::Rect band{pl::kTyped.x - 2, pl::kTyped.y - 2, pl::kLetterPitch * pl::kTypedLength + 2,
                       9};
  FillRect(c, band, kBand);
  FrameRect(c, {band.left - 1, band.top - 1, band.width + 2, band.height + 2}, ink::kSteel);
  DrawCheck(c, {pl::kCheck.left, pl::kCheck.top}, Look::kNormal);
  DrawClose(c, {pl::kClose.left, pl::kClose.top}, Look::kNormal);
  PaintButton(c, HexagonShape(c, {pl::kHintBox.left + 1, pl::kHintBox.top + 2, 19, 14}, 4),
              {ink::kLavender, ink::kPearl, ink::kIndigo, ink::kWhite, 0});
  DrawPixelText(c, pl::kHintBox.left + 9, pl::kHintBox.top + 6, "?", ink::kWhite, PixelFont::kTiny);
  FillRect(c, {pl::kPoints.x - 3, pl::kPoints.y - 2, 60, 9}, kPointsPaper);
  for (const gfx::Point at : {pl::kPoints, pl::kPointsMaximum}) {
    for (int j = 0; j < 3; ++j)
      DrawDigitCell(c, at.x + pl::kDigitPitch * j + 1, at.y, 0, ink::kCyan, kPointsPaper);
  }
  DrawPixelText(c, pl::kPointsMaximum.x - 6, pl::kPoints.y, "/", ink::kLavender, PixelFont::kTiny);
  DrawPixelText(c, 648, pl::kPoints.y, "POINTS", ink::kLavender, PixelFont::kTiny);

  // Below the window's face: the glyph strips, the pressed looks and the banner.
  for (int g = 0; g < pl::kLetterGlyphs; ++g) {
    DrawLetterCell(c, {pl::kLetterStrip.x + pl::kLetterPitch * g, pl::kLetterStrip.y}, g);
  }
  for (int d = 0; d < 10; ++d) {
    const gfx::Point at{pl::kDigitStrip.x + pl::kDigitPitch * d, pl::kDigitStrip.y};
    FillRect(c, {at.x, at.y, pl::kDigit.width, pl::kDigit.height}, kPointsPaper);
    DrawDigitCell(c, at.x + 1, at.y, d, ink::kCyan, kPointsPaper);
  }
  DrawCheck(c, pl::kCheckPressed, Look::kPressed);
  DrawClose(c, pl::kClosePressed, Look::kPressed);
  DrawBanner(c, pl::kBannerSource);
  return c;
}

}  // namespace tinto::skin
