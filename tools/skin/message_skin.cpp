// The message window's skin (BASE3, 256 colours): a violet frame in the window's shape
// with the heroine's portrait in a hexagon on the left, a dark plain text area for the
// white message, the OK and CANSEL buttons on a plain band below it, and their pressed
// images, on the band's colour, in the corner outside the window's shape.
#include <array>
#include <vector>

#include "dialogs/message_layout.h"
#include "tools/skin/draw.h"
#include "tools/skin/main_widgets.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

constexpr int kWidth = 447;
constexpr int kHeight = 162;

// Palette layout: 0..15 the main inks, 16..31 the heroine's key colours, 32..95 a ramp
// from night to violet for the frame.
constexpr Ink kKeyBase = 16;
constexpr Ink kRampBase = 32;
constexpr int kRampSteps = 64;

Palette MessagePalette() {
  Palette p = MainPalette();
  for (gfx::Pixel c : PatternPalette()) p.push_back(c);
  const gfx::Pixel from = 0x0A0C24, to = 0x4A3A9C;
  for (int i = 0; i < kRampSteps; ++i) {
    auto mix = [&](int a, int b) { return a + (b - a) * i / (kRampSteps - 1); };
    p.push_back(gfx::MakePixel(mix(gfx::RedOf(from), gfx::RedOf(to)),
                               mix(gfx::GreenOf(from), gfx::GreenOf(to)),
                               mix(gfx::BlueOf(from), gfx::BlueOf(to))));
  }
  p.resize(256, 0);
  return p;
}

constexpr const auto& kShape = message_layout::kOutline;
constexpr gfx::Rect kTextArea = message_layout::kTextArea;
constexpr gfx::Rect kOk = message_layout::kOkBox;
constexpr gfx::Point kOkPressed = message_layout::kOkPressed;
constexpr gfx::Rect kCansel = message_layout::kCancelBox;
constexpr gfx::Point kCanselPressed = message_layout::kCancelPressed;

void DrawFrame(Canvas& c) {
  const PixelMask shape = PolygonMask(kWidth, kHeight, kShape);
  // A ramp from violet at the top to night at the bottom.
  for (int y = 0; y < kHeight; ++y) {
    const int step = std::max(0, kRampSteps - 1 - y * kRampSteps / 150);
    for (int x = 0; x < kWidth; ++x) {
      if (shape.Has(x, y)) c.Set(x, y, static_cast<Ink>(kRampBase + step));
    }
  }
  Bevel(c, shape, ink::kPearl, ink::kSteel);
  Fill(c, Rim(Shrunk(shape)), ink::kLavender);
  // Captions in the two ears.
  DrawPixelText(c, 58, 8, "QUIRO EDIT", ink::kPink, PixelFont::kSmall);
  DrawPixelText(c, 320, 8, "MESSAGE", ink::kCyan, PixelFont::kSmall);
}

// The band behind the buttons is one plain colour: the program hides CANSEL by stretching
// the pixel just below its rectangle over it.
void DrawButtonBand(Canvas& c) {
  const PixelMask band =
      PolygonMask(kWidth, kHeight,
                  std::array<gfx::Point, 6>{
                      {{158, 119}, {289, 119}, {289, 139}, {276, 160}, {171, 160}, {158, 139}}});
  Fill(c, band, ink::kIndigo);
}

void DrawTextArea(Canvas& c) {
  const gfx::Rect r = kTextArea;
  // The frame hugs the area; the window's right edge cuts its right end.
  const PixelMask inside = Shrunk(Shrunk(PolygonMask(kWidth, kHeight, kShape)));
  for (int y = r.top - 3; y < r.bottom() + 2; ++y) {
    for (int x = r.left - 3; x < r.right(); ++x) {
      if (!inside.Has(x, y)) continue;
      const bool edge = y == r.top - 3 || y == r.bottom() + 1 || x == r.left - 3;
      c.Set(x, y, edge ? ink::kLavender : ink::kNight);
    }
  }
}

void DrawPortrait(Canvas& c, const ColourPattern& pattern) {
  const gfx::Rect frame = {10, 33, 80, 78};
  const PixelMask hex = HexagonMask(kWidth, kHeight, frame, 20);
  Fill(c, hex, ink::kPink);
  const PixelMask inside = Shrunk(Shrunk(hex));
  Fill(c, inside, ink::kBlack);
  Bevel(c, hex, ink::kBlush, ink::kViolet);
  // The heroine's head and shoulders from the first pose, in her normal colours.
  const gfx::Point pose = PoseOrigin(0);
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      const int px = pose.x - 15 + x;
      const int py = pose.y - 2 + y;
      const int cx = frame.left + x;
      const int cy = frame.top + y;
      if (!inside.Has(cx, cy) || px < pose.x || !pattern.poses[0].Has(px, py)) continue;
      c.Set(cx, cy, static_cast<Ink>(kKeyBase + pattern.pattern.At(px, py)));
    }
  }
  DrawPixelText(c, 34, 116, "QUIRO", ink::kBlush, PixelFont::kSmall);
}

void DrawOk(Canvas& c, gfx::Point at, bool pressed) {
  const gfx::Rect r = {at.x, at.y, kOk.width, kOk.height};
  const PixelMask shape = HexagonMask(kWidth, kHeight, r, 6);
  const ButtonInks inks = pressed
                              ? ButtonInks{ink::kViolet, ink::kNight, ink::kPink, ink::kWhite, 1}
                              : ButtonInks{ink::kPink, ink::kBlush, ink::kRed, ink::kWhite, 0};
  PaintButton(c, shape, inks);
  DrawPixelText(c, r.left + 9 + inks.shift, r.top + 8 + inks.shift, "OK", inks.glyph,
                PixelFont::kSmall);
}

void DrawCansel(Canvas& c, gfx::Point at, bool pressed) {
  const gfx::Rect r = {at.x, at.y, kCansel.width, kCansel.height};
  const ButtonInks inks = PushInks(pressed ? Look::kPressed : Look::kNormal);
  PaintButton(c, RectShape(c, r, 3), inks);
  DrawPixelText(c, r.left + 11 + inks.shift, r.top + 2 + inks.shift, "CANSEL", inks.glyph,
                PixelFont::kSmall);
}

}  // namespace

IndexedPicture DrawMessageSkin(const ColourPattern& pattern) {
  IndexedPicture out{Canvas(kWidth, kHeight, ink::kNight), MessagePalette()};
  Canvas& c = out.canvas;
  DrawFrame(c);
  DrawButtonBand(c);
  DrawTextArea(c);
  DrawPortrait(c, pattern);
  // The pressed images, outside the window's shape, replace the whole rectangle of their
  // button: they are drawn on a copy of the band behind it.
  CopyRect(c, kOkPressed, c, kOk);
  CopyRect(c, kCanselPressed, c, kCansel);
  DrawOk(c, {kOk.left, kOk.top}, false);
  DrawCansel(c, {kCansel.left, kCansel.top}, false);
  DrawOk(c, kOkPressed, true);
  DrawCansel(c, kCanselPressed, true);
  return out;
}

}  // namespace tinto::skin
