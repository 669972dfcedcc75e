// The skin's own pixel fonts: the 5 x 5 digits of the glyph strips, a 3 x 5 font for
// small captions and a 5 x 7 font for titles (capitals, digits and a few signs).
#pragma once

#include <string_view>

#include "tools/skin/canvas.h"

namespace tinto::skin {

enum class PixelFont {
  kTiny,   // 3 x 5 cells, advance 4
  kSmall,  // 5 x 7 cells, advance 6
};

// Draws one line of text with its top-left corner at (x, y), each font pixel as a
// scale x scale block; characters the font lacks advance like a space. Returns the width
// drawn (without the gap after the last character).
int DrawPixelText(Canvas& c, int x, int y, std::string_view text, Ink ink, PixelFont font,
                  int scale = 1);
int PixelTextWidth(std::string_view text, PixelFont font, int scale = 1);
int PixelTextHeight(PixelFont font, int scale = 1);

// A 5 x 5 digit cell: the whole cell in `paper`, the digit (0..9) in `ink`. Every number
// on the main window is made of these cells.
void DrawDigitCell(Canvas& c, int x, int y, int digit, Ink ink, Ink paper);

}  // namespace tinto::skin
