// Decoding run-length encoded bitmaps (RLE8 and RLE4).
//
// The data is a sequence of byte pairs, rows from the bottom up. A pair (n, c) with n > 0
// is a run of n pixels: colour index c for RLE8, the two nibbles of c in turn for RLE4.
// A pair (0, e) is an escape: 0 ends the line, 1 ends the picture, 2 is followed by two
// bytes (right, up) that move the position, and 3 or more is an absolute run of e indexes
// stored plainly and padded to an even number of bytes. The picture starts black, so that
// whatever the data skips stays black.
#include <algorithm>

#include "gfx/bmp_header.h"

namespace tinto::gfx {

namespace {

// Walks the compressed stream, handing every pixel it sets to put(x, y_from_bottom, index).
// Returns null when the stream is sound, or the reason it is not.
template <typename Put>
const char* WalkRle(std::span<const std::uint8_t> src, const BmpHeader& h, Put put) {
  const bool rle4 = h.coding == BmpCoding::kRle4;
  const std::int64_t width = h.width;
  const std::int64_t height = h.height;
  std::int64_t x = 0;
  std::int64_t y = 0;  // rows counted from the bottom
  // Checks that n pixels fit at the position before a run writes them.
  const auto fits = [&](std::int64_t n) { return y < height && x + n <= width; };
  std::size_t pos = 0;
  while (true) {
    if (src.size() - pos < 2) {
      // Data that stops without an end-of-picture marker is accepted only when every row
      // has been reached.
      if (y >= height) return nullptr;
      return "compressed data ends before the picture is complete";
    }
    const unsigned count = src[pos];
    const unsigned code = src[pos + 1];
    pos += 2;
    if (count > 0) {
      if (!fits(count)) return "RLE run goes past the end of a row";
      for (unsigned i = 0; i < count; ++i, ++x)
        put(x, y, rle4 ? ((i & 1) ? (code & 0x0F) : (code >> 4)) : code);
      continue;
    }
    switch (code) {
      case 0:  // end of line
        if (y >= height) return "RLE data goes past the last row";
        x = 0;
        ++y;
        break;
      case 1:  // end of picture
        return nullptr;
      case 2: {  // delta
        if (src.size() - pos < 2) return "compressed data ends inside a delta";
        x += src[pos];
        y += src[pos + 1];
        pos += 2;
        if (x > width || y >= height) return "RLE delta moves out of the picture";
        break;
      }
      default: {  // absolute run of `code` indexes
        const std::size_t bytes = rle4 ? (code + 1) / 2 : code;
        if (src.size() - pos < bytes) return "compressed data ends inside a run";
        if (!fits(code)) return "RLE run goes past the end of a row";
        for (unsigned i = 0; i < code; ++i, ++x) {
          const unsigned byte = src[pos + (rle4 ? i / 2 : i)];
          put(x, y, rle4 ? ((i & 1) ? (byte & 0x0F) : (byte >> 4)) : byte);
        }
        // Runs are padded to an even number of bytes; a missing pad at the very end of
        // the data is forgiven.
        pos += std::min(bytes + (bytes & 1), src.size() - pos);
        break;
      }
    }
  }
}

}  // namespace

std::optional<Bitmap> DecodeBmpRle(std::span<const std::uint8_t> data, const BmpHeader& h,
                                   std::string& error) {
  if (h.pixel_offset >= data.size()) {
    error = "pixel data is missing";
    return std::nullopt;
  }
  const std::span<const std::uint8_t> src = data.subspan(h.pixel_offset);
  // The stream is checked whole before the picture is allocated: a few corrupt bytes must
  // not cost the memory of the picture their header claims.
  if (const char* why = WalkRle(src, h, [](std::int64_t, std::int64_t, unsigned) {})) {
    error = why;
    return std::nullopt;
  }
  Bitmap out(h.width, h.height, 0);
  WalkRle(src, h, [&](std::int64_t x, std::int64_t y, unsigned index) {
    const Pixel p = index < h.palette.size() ? h.palette[index] : 0;
    out.set(static_cast<int>(x), static_cast<int>(h.height - 1 - y), p);
  });
  return out;
}

}  // namespace tinto::gfx
