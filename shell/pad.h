// The small number and box helpers every window uses: zero-padded numbers for file and
// resource names and glyph strips, blank-padded numbers for the colour file, and the
// strict hit test of the skinned buttons.
#pragma once

#include <string>

#include "gfx/geometry.h"

namespace tinto {

// The last `width` characters of the decimal text of value + 1000000000: ZeroPad(2, 7) is
// "07", ZeroPad(2, 123) is "23". Meant for widths 1..9 and values 0..999999999; other
// arguments still give a text (never longer than the sum's digits) and never fail.
std::string ZeroPad(int width, int value);

// The decimal text of value (minus sign kept), blank-filled on the left to `width`
// characters, or its last `width` characters when it is at least that long:
// PadNumber(4, 7) is "   7", PadNumber(2, 123) is "23", PadNumber(3, -5) is " -5".
std::string PadNumber(int width, int value);

// True when left < x < left + width and top < y < top + height: a box's top row and left
// column, and the row and column just beyond it, do not count.
bool PointInBox(int x, int y, int left, int top, int width, int height);
inline bool PointInBox(int x, int y, const gfx::Rect& box) {
  return PointInBox(x, y, box.left, box.top, box.width, box.height);
}

}  // namespace tinto
