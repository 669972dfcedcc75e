// Writing full-colour pictures as baseline JPEG files (the wallpapers).
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/bitmap.h"

namespace tinto::skin {

// The picture as a baseline JPEG of the given quality (1..100), 4:2:0 sampled.
std::vector<std::uint8_t> EncodeJpeg(const gfx::Bitmap& picture, int quality);

}  // namespace tinto::skin
