// The viewer's logo (VORTEL): five rows of 127 x 29, the frames of a short animation that
// the placeholder plays forth and back: the title sparkles, a shine runs across it and a
// star grows at its corner.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "tools/skin/draw.h"
#include "tools/skin/pixel_font.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

constexpr int kWidth = 127;
constexpr int kRowHeight = 29;
constexpr int kRows = 5;

enum : Ink {
  kBlack = 0,
  kShadow = 1,
  kPink0 = 2,  // darkest .. kPink4 lightest
  kPink1 = 3,
  kPink2 = 4,
  kPink3 = 5,
  kPink4 = 6,
  kCyan0 = 7,
  kCyan1 = 8,
  kCyan2 = 9,
  kWhite = 10,
  kLavender = 11,
  kViolet = 12,
  kGold = 13,
};

constexpr std::string_view kTitle = "QUIRO EDIT";

void DrawStar(Canvas& c, int cx, int cy, int size) {
  for (int i = -size; i <= size; ++i) {
    const Ink ink = std::abs(i) <= size / 2 ? kWhite : kGold;
    c.Set(cx + i, cy, ink);
    c.Set(cx, cy + i, ink);
  }
  if (size >= 3) {
    for (int i = -size / 2; i <= size / 2; ++i) {
      c.Set(cx + i, cy + i, kGold);
      c.Set(cx + i, cy - i, kGold);
    }
  }
  c.Set(cx, cy, kWhite);
}

void DrawFrame(Canvas& c, int r) {
  const int top = r * kRowHeight;
  const int text_w = PixelTextWidth(kTitle, PixelFont::kSmall, 2);
  const int x0 = (kWidth - text_w) / 2;
  const int y0 = top + 8;
  // Drop shadow, then the letters with a vertical pink ramp.
  DrawPixelText(c, x0 + 1, y0 + 1, kTitle, kViolet, PixelFont::kSmall, 2);
  Canvas letters(kWidth, kRowHeight * kRows, kBlack);
  DrawPixelText(letters, x0, y0, kTitle, kWhite, PixelFont::kSmall, 2);
  constexpr std::array<Ink, 14> kRamp = {kPink4, kPink4, kPink3, kPink3, kPink3, kPink2, kPink2,
                                         kPink2, kPink2, kPink1, kPink1, kPink1, kPink0, kPink0};
  // The shine: a slanted band that moves from left to right over the five frames.
  const int shine = x0 - 6 + r * (text_w + 12) / (kRows - 1);
  for (int y = y0; y < y0 + 14; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (letters.At(x, y) != kWhite) continue;
      Ink ink = kRamp[static_cast<std::size_t>(y - y0)];
      const int d = x + (y - y0) / 2 - shine;
      if (d >= 0 && d < 3)
        ink = kWhite;
      else if (d >= -2 && d < 5)
        ink = kCyan2;
      c.Set(x, y, ink);
    }
  }
  // A caption line that fills in, and the growing star.
  const int line_w = 20 + r * 18;
  HLine(c, (kWidth - line_w) / 2, (kWidth + line_w) / 2 - 1, top + 25, kCyan0);
  HLine(c, (kWidth - line_w) / 2 + 4, (kWidth + line_w) / 2 - 5, top + 25, kCyan1);
  DrawStar(c, x0 + text_w - 3, top + 4, r);
  if (r >= 2) DrawStar(c, x0 + 3, top + 25, r - 1);
}

}  // namespace

IndexedPicture DrawLogo() {
  IndexedPicture out{Canvas(kWidth, kRowHeight * kRows, kBlack),
                     {0x000000, 0x1A0A2A, 0x8A1850, 0xC0306E, 0xF0488E, 0xFF7AB0, 0xFFB8D6,
                      0x1A6A8A, 0x30A8D0, 0x70E8FF, 0xFFFFFF, 0xB8A8F0, 0x4A2A8A, 0xFFD060}};
  for (int r = 0; r < kRows; ++r) DrawFrame(out.canvas, r);
  return out;
}

}  // namespace tinto::skin
