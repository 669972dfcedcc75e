// Where everything lies on the main window's skin (skin coordinates, 0..413 by 0..409):
// the three hexagonal cells, the colour panels and their blank halves, the glyph strip,
// the lamps, the number displays, and the rectangles whose looks the pressed skin and
// the alternate skin hold.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "gfx/geometry.h"

namespace tinto::skin::main_layout {

inline constexpr int kWidth = 414;
inline constexpr int kHeight = 410;

// The window is cut to three copies of this hexagon.
inline constexpr std::array<gfx::Point, 6> kHexagon = {
    {{58, 0}, {175, 0}, {233, 100}, {174, 201}, {59, 201}, {0, 100}}};
inline constexpr gfx::Point kColourCell2P = {0, 0};
inline constexpr gfx::Point kColourCell3P = {0, 209};
inline constexpr gfx::Point kViewerCell = {181, 104};

// Colour panels: panel v lies kPanelStep * v below panel 0.
inline constexpr int kPanelStep = 209;
inline constexpr gfx::Rect kPanelArea = {32, 13, 136, 176};    // cleared from the blank halves
inline constexpr gfx::Rect kBlankUpper = {271, 13, 136, 88};   // copied to (32, f + 13)
inline constexpr gfx::Rect kBlankLower = {271, 310, 136, 88};  // copied to (32, f + 101)
inline constexpr gfx::Point kFigureAt = {93, 13};              // where a pose of the pattern lands
inline constexpr int kFigureWidth = 74;
inline constexpr int kFigureHeight = 176;
inline constexpr gfx::Rect kIconArea = {36, 42, 55, 117};  // same place in pattern and skin
inline constexpr std::array<int, 6> kPartX = {61, 32, 61, 61, 32, 61};
inline constexpr std::array<int, 6> kPartY = {39, 54, 69, 105, 120, 135};
inline constexpr gfx::Rect kLoadButton = {20, 84, 18, 15};
inline constexpr gfx::Rect kSaveButton = {20, 102, 18, 15};
inline constexpr gfx::Rect kRandomButton = {38, 93, 18, 15};

// Photo-film buttons (an arc) and movie buttons (two zigzag rows).
inline constexpr std::array<int, 9> kColumnX = {1, 17, 33, 49, 65, 81, 97, 113, 129};
inline constexpr std::array<int, 9> kFilmY = {1, 9, 17, 25, 33, 25, 17, 9, 1};
inline constexpr std::array<std::array<int, 9>, 2> kMovieY = {
    {{1, 10, 1, 10, 1, 10, 1, 10, 1}, {25, 34, 25, 34, 25, 34, 25, 34, 25}}};
constexpr gfx::Rect FilmBox(int n) {  // n = 1..9
  return {kColumnX[n - 1] + 225, kFilmY[n - 1] + 149, 15, 15};
}
constexpr gfx::Rect MovieBox(int row, int n) {  // row 0 NOMAL, 1 HARD; n = 1..9
  return {kColumnX[n - 1] + 241, kMovieY[row][n - 1] + 199, 14, 15};
}

// The digit glyph strip of the pressed skin: three rows (white, red, dark) of 0..9.
inline constexpr gfx::Point kGlyphStrip = {283, 279};
inline constexpr int kGlyphSize = 5;
inline constexpr int kGlyphPitch = 6;
inline constexpr gfx::Rect kGlyphStripArea = {283, 279, 60, 15};
enum GlyphRow { kWhiteDigits = 0, kRedDigits = 1, kDarkDigits = 2 };
constexpr gfx::Point GlyphCell(int row, int digit) {
  return {kGlyphStrip.x + kGlyphPitch * digit, kGlyphStrip.y + kGlyphSize * row};
}

// Speed lamps (2 x 3 each) and the lamp cells that the pressed skin holds for them.
inline constexpr int kLampY = 127;
inline constexpr std::array<int, 3> kReverseLampX = {262, 267, 272};
inline constexpr std::array<int, 3> kForwardLampX = {321, 326, 331};
inline constexpr gfx::Point kUnlitForwardCell = {316, 127};
inline constexpr gfx::Point kLitForwardCell = {321, 127};
inline constexpr gfx::Point kLitReverseCell = {272, 127};
inline constexpr gfx::Point kUnlitReverseCell = {277, 127};

// Number displays (top-left corner of the first glyph).
inline constexpr gfx::Point kSpeedNumber = {292, 159};
inline constexpr gfx::Point kSongNumber = {299, 268};
inline constexpr gfx::Point kAlarmNumber = {341, 268};
inline constexpr gfx::Point kClockDigits = {244, 109};      // groups at +0, +14, +28
inline constexpr gfx::Point kCountdownDigits = {301, 295};  // groups at +0, +14, +28

inline constexpr gfx::Rect kZoomBar = {279, 124, 37, 5};
inline constexpr gfx::Rect kClockFace = {244, 109, 51, 5};
inline constexpr gfx::Rect kCountdownPanel = {282, 278, 83, 26};
inline constexpr gfx::Rect kTimerLabel = {241, 294, 41, 10};

// A control with a pressed look and the rectangles that show it.
struct PressedLook {
  std::string name;
  std::vector<gfx::Rect> rects;
};
std::vector<PressedLook> PressedLooks();

// The rectangles that the alternate skin gives a look of their own: lit toggles, the lit
// zoom bar, the date layout of the clock, the ringing countdown panel and its label, and
// the places of unavailable photo-film and movie buttons.
std::vector<gfx::Rect> AlternateRects();

}  // namespace tinto::skin::main_layout
