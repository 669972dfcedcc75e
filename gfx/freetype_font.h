// Fonts drawn with FreeType: the implementation behind Font::Open.
#pragma once

#include <memory>

#include "gfx/font_finder.h"
#include "gfx/text.h"

namespace tinto::gfx {

// Opens face `file.index` of the file at an em height of pixel_height pixels (1 to
// kMaxFontPixelHeight). Nothing when FreeType cannot read the file, cannot scale it to
// that size, or the face has no Japanese kana (every text of the windows is Japanese).
std::unique_ptr<Font> OpenFreeTypeFont(const FontFile& file, int pixel_height);

inline constexpr int kMaxFontPixelHeight = 512;

}  // namespace tinto::gfx
