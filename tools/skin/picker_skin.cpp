// The colour picker's skin (BASE4): its two cells in the window's shape with the list of
// 21 entry hexagons and name bars, the detail with its nine level rows (buttons, bars,
// digit slots) and three colour chips, OK, cancel, take-colour, the free-colour buttons
// and the help badge; and, outside the window's shape, the images the window copies: the
// part captions, variant numbers and arrows, the open and locked hexagons, the level
// buttons' and bars' looks, the pressed and disabled buttons and the marker frames.
#include <array>
#include <string_view>

#include "colour/picker_layout.h"
#include "tools/skin/draw.h"
#include "tools/skin/main_widgets.h"
#include "tools/skin/palettes.h"
#include "tools/skin/picker_buttons.h"
#include "tools/skin/pixel_font.h"
#include "tools/skin/window_skins.h"

namespace tinto::skin {

namespace {

namespace pl = ::tinto::picker_layout;
using picker_buttons::PickerLook;

constexpr std::array<std::string_view, 6> kCaptions = {"CONTACT", "LIPSTICK", "SKIN",
                                                       "COSTUME", "BELT",     "STOCKING"};
// The level bars of red, green and blue in the main skin's inks.
constexpr std::array<Ink, 3> kChannelInks = {ink::kRed, ink::kCyan, ink::kLavender};
constexpr std::array<std::string_view, 3> kChannelLetters = {"R", "G", "B"};

void DrawCell(Canvas& c, const PixelMask& shape) {
  Fill(c, shape, ink::kNavy);
  Bevel(c, shape, ink::kPearl, ink::kSteel);
  Fill(c, Rim(Shrunk(shape)), ink::kIndigo);
}

void CopyWithin(Canvas& c, gfx::Rect from, gfx::Point to) {
  const Canvas copy = c;
  CopyRect(c, to, copy, from);
}

// An entry hexagon at (x, y), 26 x 21, on the list's navy: black inside for the icon, or
// a steel badge with a question mark when locked.
void DrawHexagon(Canvas& c, gfx::Point at, bool locked) {
  FillRect(c, {at.x, at.y, 26, 21}, ink::kNavy);
  const PixelMask hex = HexagonShape(c, {at.x, at.y, 26, 21}, 6);
  if (!locked) {
    Fill(c, hex, ink::kBlack);
    return;
  }
  Fill(c, hex, ink::kIndigo);
  Bevel(c, hex, ink::kSteel, ink::kNight);
  DrawPixelText(c, at.x + 11, at.y + 7, "?", ink::kSilver, PixelFont::kTiny);
}

// The selection marker's frame f: a diamond whose bright spot runs round it, clockwise as
// the frames go forward.
void DrawMarkerFrame(Canvas& c, gfx::Point at, int f) {
  static constexpr std::array<gfx::Point, 8> kRing = {
      {{4, 0}, {6, 1}, {8, 3}, {6, 5}, {4, 6}, {2, 5}, {0, 3}, {2, 1}}};
  FillRect(c, {at.x, at.y, 9, 7}, ink::kNavy);
  DrawSprite(
      c, at.x, at.y,
      {"....#....", "...###...", "..#####..", ".#######.", "..#####..", "...###...", "....#...."},
      {{'#', ink::kPink}});
  DrawSprite(c, at.x, at.y, {"", "....#....", "...###...", "..#####..", "...###...", "....#...."},
             {{'#', ink::kBlush}});
  for (int i = 0; i < 8; ++i) {
    const gfx::Point p = kRing[static_cast<std::size_t>(i)];
    const int d = (f - i + 8) % 8;
    if (d == 0) c.Set(at.x + p.x, at.y + p.y, ink::kWhite);
    if (d == 1) c.Set(at.x + p.x, at.y + p.y, ink::kBlush);
  }
}

// The arrow strip: a shaft above a diamond above a shaft. The 2P window (lower 18 rows)
// shows an arrow pointing up to the upper panel, the 3P window (upper 18 rows) one
// pointing down.
void DrawArrowStrip(Canvas& c) {
  const int x = pl::kArrowSource.x;
  const int top = pl::kArrowSource.y - 11;
  FillRect(c, {x, top, 8, 29}, ink::kNavy);
  FillRect(c, {x + 3, top, 2, 11}, ink::kPink);
  DrawSprite(c, x, top + 11,
             {"...##...", "..####..", ".######.", "########", ".######.", "..####..", "...##..."},
             {{'#', ink::kPink}});
  FillRect(c, {x + 3, top + 18, 2, 11}, ink::kPink);
}

void DrawDetailFace(Canvas& c) {
  FillRect(c, pl::kDetail, ink::kBlack);
  FrameRect(
      c, {pl::kDetail.left - 1, pl::kDetail.top - 1, pl::kDetail.width + 2, pl::kDetail.height + 2},
      ink::kSteel);
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k) {
      const int y = pl::LevelRowY(i, k);
      DrawPixelText(c, 413, y + 76, kChannelLetters[static_cast<std::size_t>(k)],
                    kChannelInks[static_cast<std::size_t>(k)], PixelFont::kTiny);
      FillRect(c, {pl::kLevelDigitsX - 1, y + 75, 13, 7}, ink::kNight);
      picker_buttons::DrawLevelButton(c, {pl::kMinusX, y + 75}, false, PickerLook::kNormal);
      picker_buttons::DrawLevelButton(c, {pl::kPlusX, y + 75}, true, PickerLook::kNormal);
      FillRect(c, {pl::kBarX, y + 77, pl::kBarWidth, pl::kBarHeight}, ink::kNight);
    }
    FillRect(c, {423, 53 * i + 108, 16, 3}, ink::kIndigo);
    FrameRect(c, {422, 53 * i + 107, 18, 5}, ink::kSteel);
  }
}

void DrawStrips(Canvas& c) {
  for (int p = 0; p < 6; ++p) {
    const std::string_view caption = kCaptions[static_cast<std::size_t>(p)];
    const int y = pl::kCaptionSource.y + 6 * p;
    FillRect(c, {pl::kCaptionSource.x, y, pl::kCaptionSize.width, pl::kCaptionSize.height},
             ink::kNavy);
    DrawPixelText(c,
                  pl::kCaptionSource.x +
                      (pl::kCaptionSize.width - PixelTextWidth(caption, PixelFont::kTiny)) / 2,
                  y, caption, ink::kPink, PixelFont::kTiny);
  }
  for (int v = 0; v < 2; ++v) {
    const gfx::Point at{pl::kVariantNumberSource.x, pl::kVariantNumberSource.y + 8 * v};
    FillRect(c, {at.x, at.y, pl::kVariantNumberSize.width, pl::kVariantNumberSize.height},
             ink::kNavy);
    DrawPixelText(c, at.x + 1, at.y + 1, v == 0 ? "2P" : "3P", ink::kPink, PixelFont::kTiny);
  }
  DrawArrowStrip(c);
  for (int f = 0; f < pl::kMarkerFrameCount; ++f) {
    DrawMarkerFrame(c, {pl::kMarkerFrames.x + 10 * f, pl::kMarkerFrames.y}, f);
  }
  // The open and the locked hexagon, side by side.
  DrawHexagon(c, {pl::kHexBandSource.x, pl::kHexColumnSource.y}, false);
  DrawHexagon(c, {pl::kHexBandSource.x + pl::kLockedStep, pl::kHexColumnSource.y}, true);
  // Level buttons: enabled, pressed, disabled; bars: empty, red, green, blue, disabled.
  const std::array<std::pair<int, PickerLook>, 3> looks = {
      {{pl::kButtonEnabledY, PickerLook::kNormal},
       {pl::kButtonPressedY, PickerLook::kPressed},
       {pl::kButtonDisabledY, PickerLook::kDisabled}}};
  for (const auto& [y, look] : looks) {
    picker_buttons::DrawLevelButton(c, {pl::kMinusX, y}, false, look);
    picker_buttons::DrawLevelButton(c, {pl::kPlusX, y}, true, look);
  }
  FillRect(c, {pl::kBarX, pl::kBarEmptyY, 45, pl::kBarHeight}, ink::kNight);
  for (int x = pl::kBarX + 2; x < pl::kBarX + 45; x += 3)
    c.Set(x, pl::kBarEmptyY + 1, ink::kIndigo);
  for (int k = 0; k < 3; ++k) {
    const int y = pl::kBarFilledY + 4 * k;
    FillRect(c, {pl::kBarX, y, pl::kBarWidth, pl::kBarHeight},
             kChannelInks[static_cast<std::size_t>(k)]);
    HLine(c, pl::kBarX, pl::kBarX + pl::kBarWidth - 1, y, ink::kWhite);
  }
  FillRect(c, {pl::kBarX, pl::kBarDisabledY, pl::kBarWidth, pl::kBarHeight}, ink::kIndigo);
  // Pressed and disabled buttons.
  picker_buttons::DrawOk(c, pl::kOkPressed, PickerLook::kPressed);
  picker_buttons::DrawCancel(c, pl::kCancelPressed, PickerLook::kPressed);
  picker_buttons::DrawTakeColour(c, pl::kTakeColourPressed, PickerLook::kPressed);
  picker_buttons::DrawTakeColour(c, pl::kTakeColourDisabled, PickerLook::kDisabled);
  picker_buttons::DrawLoad(c, pl::kLoadPressed, PickerLook::kPressed);
  picker_buttons::DrawSave(c, pl::kSavePressed, PickerLook::kPressed);
  picker_buttons::DrawCycle(c, pl::kCyclePressed, PickerLook::kPressed);
}

}  // namespace

Canvas DrawPickerSkin() {
  Canvas c(pl::kWidth, pl::kHeight, ink::kNight);
  DrawCell(c, PolygonMask(pl::kWidth, pl::kHeight, pl::kListCell));
  DrawCell(c, PolygonMask(pl::kWidth, pl::kHeight, pl::kDetailCell));
  // The free-colour buttons' blank look is the cells without them.
  const gfx::Rect group = pl::kFreeColourButtons;
  CopyWithin(c, group, pl::kFreeButtonsBlank);
  for (int e = 0; e < pl::kEntries; ++e) {
    FillRect(c, pl::EntryName(e), ink::kBlack);
    const gfx::Rect hex = pl::EntryHexagon(e);
    DrawHexagon(c, {hex.left, hex.top}, false);
  }
  DrawDetailFace(c);
  picker_buttons::DrawOk(c, {pl::kOk.left, pl::kOk.top}, PickerLook::kNormal);
  picker_buttons::DrawCancel(c, {pl::kCancelImage.left, pl::kCancelImage.top}, PickerLook::kNormal);
  picker_buttons::DrawTakeColour(c, {pl::kTakeColour.left, pl::kTakeColour.top},
                                 PickerLook::kNormal);
  picker_buttons::DrawLoad(c, {pl::kLoad.left, pl::kLoad.top}, PickerLook::kNormal);
  picker_buttons::DrawSave(c, {pl::kSave.left, pl::kSave.top}, PickerLook::kNormal);
  picker_buttons::DrawCycle(c, {pl::kCycle.left, pl::kCycle.top}, PickerLook::kNormal);
  CopyWithin(c, group, pl::kFreeButtonsAvailable);
  PaintButton(c, HexagonShape(c, pl::kHelp, 3),
              {ink::kLavender, ink::kPearl, ink::kIndigo, ink::kWhite, 0});
  DrawPixelText(c, pl::kHelp.left + 6, pl::kHelp.top + 4, "?", ink::kWhite, PixelFont::kTiny);
  DrawPixelText(c, 444, 54, "COLOR", ink::kPink, PixelFont::kSmall);
  DrawStrips(c);
  return c;
}

}  // namespace tinto::skin
