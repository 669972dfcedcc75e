// The viewer's transport on the main skin: the speed lamps beside the zoom bar, the six
// speed levels (chevrons), frame steps and stop, and the speed number with its fine
// minus, plus and reset knob.
#include <array>
#include <span>

#include "tools/skin/draw.h"
#include "tools/skin/main_areas.h"
#include "tools/skin/main_layout.h"
#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

namespace ml = main_layout;

constexpr std::array<std::string_view, 7> kRight1 = {
    {"#...", "##..", "###.", "####", "###.", "##..", "#..."}};
constexpr std::array<std::string_view, 7> kRight2 = {
    {"#...#...", "##..##..", "###.###.", "########", "###.###.", "##..##..", "#...#..."}};
constexpr std::array<std::string_view, 7> kRight3 = {
    {"#...#...#...", "##..##..##..", "###.###.###.", "############", "###.###.###.", "##..##..##..",
     "#...#...#..."}};
constexpr std::array<std::string_view, 7> kLeft1 = {
    {"...#", "..##", ".###", "####", ".###", "..##", "...#"}};
constexpr std::array<std::string_view, 7> kLeft2 = {
    {"...#...#", "..##..##", ".###.###", "########", ".###.###", "..##..##", "...#...#"}};
constexpr std::array<std::string_view, 7> kLeft3 = {{"...#...#...#", "..##..##..##", ".###.###.###",
                                                     "############", ".###.###.###", "..##..##..##",
                                                     "...#...#...#"}};

void DrawLamps(Canvas& c) {
  FillRect(c, {260, 126, 16, 5}, ink::kNight);
  FillRect(c, {319, 126, 16, 5}, ink::kNight);
  // The start state: speed level 2, the first two forward lamps lit.
  for (int x : ml::kReverseLampX) FillRect(c, {x, ml::kLampY, 2, 3}, ink::kSteel);
  for (int i = 0; i < 3; ++i) {
    const int x = ml::kForwardLampX[static_cast<std::size_t>(i)];
    if (i < 2) {
      FillRect(c, {x, ml::kLampY, 2, 3}, ink::kCyan);
      c.Set(x, ml::kLampY, ink::kWhite);
    } else {
      FillRect(c, {x, ml::kLampY, 2, 3}, ink::kSteel);
    }
  }
}

void DrawZoomBar(Canvas& c, Look look) {
  const gfx::Rect bar = ml::kZoomBar;
  Ink track = ink::kNight, segment = ink::kSteel, top = ink::kSteel;
  if (look == Look::kLit) {
    track = ink::kNavy;
    segment = ink::kCyan;
    top = ink::kWhite;
  } else if (look == Look::kPressed) {
    track = ink::kViolet;
    segment = ink::kLavender;
    top = ink::kBlush;
  }
  FillRect(c, bar, track);
  for (int k = 0; k < 7; ++k) {
    const int x = bar.left + 1 + 5 * k;
    FillRect(c, {x, bar.top + 1, 4, 3}, segment);
    HLine(c, x, x + 3, bar.top + 1, top);
  }
  // Two tiny magnifier marks above the bar, inside its box.
  DrawPictogram(c, 281, 120, {".#.", "#.#", ".#."}, ink::kLavender);
  DrawPictogram(c, 311, 120, {".#.", "###", ".#."}, ink::kLavender);
}

void SpeedButton(Canvas& c, Look look, gfx::Rect shape, std::span<const std::string_view> arrows,
                 int arrows_width) {
  const ButtonInks inks = PushInks(look);
  PaintButton(c, RectShape(c, shape, 2), inks);
  const int x = shape.left + (shape.width - arrows_width) / 2;
  const int y = shape.top + (shape.height - 7) / 2;
  DrawPictogram(c, x, y, arrows, inks);
}

void DrawSpeedButtons(Canvas& c, Look look) {
  SpeedButton(c, look, {254, 133, 17, 15}, kLeft3, 12);
  SpeedButton(c, look, {272, 130, 12, 17}, kLeft2, 8);
  SpeedButton(c, look, {286, 130, 10, 16}, kLeft1, 4);
  SpeedButton(c, look, {298, 130, 10, 16}, kRight1, 4);
  SpeedButton(c, look, {310, 130, 12, 17}, kRight2, 8);
  SpeedButton(c, look, {323, 133, 17, 15}, kRight3, 12);
}

void DrawStepAndStop(Canvas& c, Look look) {
  const ButtonInks inks = PushInks(look);
  // Each frame-step button carries a small ear on its outer side.
  PixelMask reverse = RectShape(c, {272, 147, 14, 11}, 2);
  reverse.Put(271, 149);
  PaintButton(c, reverse, inks);
  DrawPictogram(c, 276, 149, {"#..#", "#.##", "####", "####", "####", "#.##", "#..#"}, inks);
  PaintButton(c, RectShape(c, {287, 147, 21, 12}, 3), inks);
  DrawPictogram(c, 294, 150, {"#######", "#######", "#######", "#######", "#######", "#######"},
                inks);
  PixelMask forward = RectShape(c, {309, 147, 14, 11}, 2);
  forward.Put(323, 149);
  PaintButton(c, forward, inks);
  DrawPictogram(c, 314, 149, {"#..#", "##.#", "####", "####", "####", "##.#", "#..#"}, inks);
}

void DrawFineSpeed(Canvas& c, Look look) {
  FrameRect(c, {284, 157, 27, 9}, ink::kSteel);
  FillRect(c, {285, 158, 25, 7}, ink::kNight);
  // The start value: speed index 50 in white.
  DrawDigitCell(c, ml::kSpeedNumber.x, ml::kSpeedNumber.y, 5, ink::kWhite, ink::kNight);
  DrawDigitCell(c, ml::kSpeedNumber.x + ml::kGlyphPitch, ml::kSpeedNumber.y, 0, ink::kWhite,
                ink::kNight);
  const bool pressed = look == Look::kPressed;
  const Ink sign_paper = pressed ? ink::kPink : ink::kNight;
  const Ink sign_ink = pressed ? ink::kWhite : ink::kLavender;
  FillRect(c, {286, 159, 5, 5}, sign_paper);
  FillRect(c, {304, 159, 5, 5}, sign_paper);
  const int s = pressed ? 1 : 0;
  HLine(c, 287, 289, 161 + s, sign_ink);
  HLine(c, 305, 307, 161 + s, sign_ink);
  VLine(c, 306, 160 + s, 162 + s, sign_ink);
  // The reset knob on its stem.
  VLine(c, 297, 170, 176, ink::kSteel);
  HLine(c, 295, 299, 177, ink::kSteel);
  const Ink knob = pressed ? ink::kViolet : ink::kPink;
  const Ink shine = pressed ? ink::kNight : ink::kBlush;
  DrawPictogram(c, 295, 165, {".###.", "#####", "#####", "#####", ".###."}, knob);
  c.Set(296 + s, 166 + s, shine);
  if (pressed) c.Set(298, 168, ink::kLavender);
}

}  // namespace

void DrawTransport(Canvas& c, Look look) {
  DrawLamps(c);
  DrawZoomBar(c, look);
  DrawSpeedButtons(c, look);
  DrawStepAndStop(c, look);
  DrawFineSpeed(c, look);
}

}  // namespace tinto::skin
