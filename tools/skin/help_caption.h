// Captions of the help pictures: drawn with a one-pixel margin of paper round their
// letters, and checked that the margin finds nothing but paper and lies wholly where the
// picture is seen (inside its window's shape or cells).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gfx/geometry.h"
#include "tools/skin/canvas.h"
#include "tools/skin/label_font.h"

namespace tinto::skin {

// Draws `text` at `at` in ink `line` on paper `paper`. `others` is the picture without the
// caption's own leader line; a caption crossed by a line of it, or reaching a pixel
// outside `inside`, is reported in *faults (when faults is not null).
void DrawCaption(Canvas& c, const Canvas& others, const LabelFont& font, gfx::Point at,
                 std::string_view text, const PixelMask& inside, Ink paper, Ink line,
                 std::vector<std::string>* faults);

}  // namespace tinto::skin
