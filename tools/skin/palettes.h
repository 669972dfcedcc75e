// The palettes of the skin bitmaps and the names of the main skin's sixteen inks.
#pragma once

#include "tools/skin/bmp_writer.h"
#include "tools/skin/canvas.h"

namespace tinto::skin {

// The main window's inks (BASE0, BASE1, BASE2; the picker and password windows share
// them): deep navy and violet cells, silver bevels, pink and cyan accents, and a pale
// liquid-crystal face with dark ink for the clock and the countdown.
namespace ink {
inline constexpr Ink kBlack = 0;
inline constexpr Ink kNight = 1;     // outside the cells; the face of the digit windows
inline constexpr Ink kNavy = 2;      // the cells
inline constexpr Ink kIndigo = 3;    // panels within the cells, unlit toggles
inline constexpr Ink kViolet = 4;    // faces of pressed buttons
inline constexpr Ink kLavender = 5;  // soft highlights
inline constexpr Ink kSteel = 6;     // bevel shadow, unlit lamps
inline constexpr Ink kSilver = 7;    // button faces
inline constexpr Ink kPearl = 8;     // bevel light
inline constexpr Ink kWhite = 9;
inline constexpr Ink kPink = 10;
inline constexpr Ink kBlush = 11;
inline constexpr Ink kCyan = 12;
inline constexpr Ink kRed = 13;
inline constexpr Ink kLcd = 14;     // the clock's and the countdown's face
inline constexpr Ink kLcdInk = 15;  // their digits
}  // namespace ink

// The sixteen colours of the inks above.
Palette MainPalette();
// The heroine's sixteen key colours: entry i is colour i of the host game's normal colour
// row, so that the colour pattern's palette index is its colour index.
Palette PatternPalette();
// Black and white, for the help pictures.
Palette MonoPalette();

// The palette index whose colour lies nearest to `colour` (sum of squared differences).
Ink NearestInk(const Palette& palette, gfx::Pixel colour);

}  // namespace tinto::skin
