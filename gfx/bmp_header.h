// The headers of a bitmap file, checked and brought into one form for the pixel decoders.
// Internal to the BMP reader (see bmp.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/bitmap.h"

namespace tinto::gfx {

enum class BmpCoding {
  kIndexed,  // 1, 2, 4 or 8 bits of palette index per pixel
  kRle8,
  kRle4,
  kMasks,  // 16 or 32 bits per pixel, split into channels by bit masks
  kBgr24,  // three bytes per pixel: blue, green, red
};

// One colour channel of a masked pixel.
struct BmpChannel {
  std::uint32_t mask = 0;
  int shift = 0;  // position of the mask's lowest bit
  int bits = 0;   // width of the mask (contiguous)
};

struct BmpHeader {
  int width = 0;
  int height = 0;  // positive
  bool top_down = false;
  int bits_per_pixel = 0;
  BmpCoding coding = BmpCoding::kIndexed;
  std::array<BmpChannel, 3> channels;  // red, green, blue (kMasks only)
  std::vector<Pixel> palette;          // the entries the file holds (indexed and RLE only)
  std::size_t pixel_offset = 0;        // where the pixel data starts; may lie past the end
};

// Reads and checks the file header and the info header, the masks and the palette.
// Pixel data is not looked at. Pictures of more than max_pixels pixels are refused.
std::optional<BmpHeader> ParseBmpHeader(std::span<const std::uint8_t> data, std::string& error,
                                        std::int64_t max_pixels = Bitmap::kMaxPixels);

// Bytes in one stored row of an uncompressed picture (rows are padded to 4 bytes).
inline std::uint64_t BmpRowStride(const BmpHeader& h) {
  return ((static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bits_per_pixel) +
           31) /
          32) *
         4;
}

// Pixel decoders: h comes from ParseBmpHeader; the result has h's size.
std::optional<Bitmap> DecodeBmpUncompressed(std::span<const std::uint8_t> data, const BmpHeader& h,
                                            std::string& error);
std::optional<Bitmap> DecodeBmpRle(std::span<const std::uint8_t> data, const BmpHeader& h,
                                   std::string& error);

}  // namespace tinto::gfx
