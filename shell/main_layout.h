// Where everything lies on the main window's skin (skin coordinates, 0..413 by 0..409):
// the three hexagonal cells, the colour panels and their blank halves, the panel buttons,
// the digit glyph strip, the lamps and the number displays. The window, its hotspot table
// and the skin generator all read these; the photo-film and movie buttons are in
// viewer/media_layout.h.
#pragma once

#include <array>

#include "gfx/geometry.h"

namespace tinto::main_layout {

inline constexpr int kWidth = 414;
inline constexpr int kHeight = 410;

// The window is cut to three copies of this hexagon.
inline constexpr std::array<gfx::Point, 6> kHexagon = {
    {{58, 0}, {175, 0}, {233, 100}, {174, 201}, {59, 201}, {0, 100}}};
inline constexpr gfx::Point kColourCell2P = {0, 0};
inline constexpr gfx::Point kColourCell3P = {0, 209};
inline constexpr gfx::Point kViewerCell = {181, 104};

// Colour panels: panel v lies kPanelStep * v below panel 0.
inline constexpr int kPanelStep = kColourCell3P.y - kColourCell2P.y;
inline constexpr gfx::Rect kPanelArea = {32, 13, 136, 176};    // cleared from the blank halves
inline constexpr gfx::Rect kBlankUpper = {271, 13, 136, 88};   // copied to (32, f + 13)
inline constexpr gfx::Rect kBlankLower = {271, 310, 136, 88};  // copied to (32, f + 101)
// The part buttons (lenses, lipstick, skin, costume, belt, stockings): button p's icon
// lies 4 pixels right of and 3 below (kPartX[p], kPartY[p]).
inline constexpr std::array<int, 6> kPartX = {61, 32, 61, 61, 32, 61};
inline constexpr std::array<int, 6> kPartY = {39, 54, 69, 105, 120, 135};
inline constexpr gfx::Rect kLoadButton = {20, 84, 18, 15};
inline constexpr gfx::Rect kSaveButton = {20, 102, 18, 15};
inline constexpr gfx::Rect kRandomButton = {38, 93, 18, 15};

// The digit glyph strip of the pressed skin: three rows (white, red, dark) of 0..9.
inline constexpr gfx::Point kGlyphStrip = {283, 279};
inline constexpr int kGlyphSize = 5;
inline constexpr int kGlyphPitch = 6;
inline constexpr gfx::Rect kGlyphStripArea = {kGlyphStrip.x, kGlyphStrip.y, 10 * kGlyphPitch,
                                              3 * kGlyphSize};
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

}  // namespace tinto::main_layout
