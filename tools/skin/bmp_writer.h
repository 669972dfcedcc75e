// Writing palette-indexed Windows bitmaps: 1, 4 or 8 bits per pixel, uncompressed
// (BI_RGB), rows bottom-up and padded to four bytes, with the full palette stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "tools/skin/canvas.h"

namespace tinto::skin {

using Palette = std::vector<gfx::Pixel>;  // 0x00RRGGBB per index

// The file's bytes. The palette is padded with black up to 2^bits entries; every pixel
// index must be below that count.
std::vector<std::uint8_t> EncodeIndexedBmp(const Canvas& canvas, const Palette& palette,
                                           int bits_per_pixel);

// Writes the bytes to a file; false when the file can't be written.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tinto::skin
