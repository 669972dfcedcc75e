// Hand-made bitmap files for the BMP tests: a description of the headers and the bytes
// that follow them, written out exactly as given (however inconsistent).
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <ostream>
#include <vector>

#include "gfx/bitmap.h"

namespace tinto::gfx {

// Bitmaps in test failures: the size, then the pixels row by row.
inline void PrintTo(const Bitmap& b, std::ostream* os) {
  *os << b.width() << "x" << b.height();
  if (b.width() * b.height() > 64) return;
  for (int y = 0; y < b.height(); ++y) {
    *os << "\n ";
    for (int x = 0; x < b.width(); ++x) {
      char hex[8];
      std::snprintf(hex, sizeof hex, " %06X", b.at(x, y));
      *os << hex;
    }
  }
}

}  // namespace tinto::gfx

namespace tinto::gfx::testing {

struct BmpSpec {
  std::uint32_t header_size = 40;  // 12 writes the core layout
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t planes = 1;
  std::uint16_t bpp = 24;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
  std::vector<std::uint32_t> masks;  // after a 40-byte header, inside larger ones
  std::vector<Pixel> palette;        // three bytes an entry in the core layout, else four
  std::vector<std::uint8_t> pixels;
  std::optional<std::uint32_t> pixel_offset;  // default: right after the palette
};

inline std::vector<std::uint8_t> MakeBmp(const BmpSpec& s) {
  std::vector<std::uint8_t> out(14 + s.header_size, 0);
  const auto put16 = [&out](std::size_t at, std::uint32_t v) {
    if (at + 2 > out.size()) return;
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    if (at + 4 > out.size()) return;
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(14, s.header_size);
  if (s.header_size == 12) {
    put16(18, static_cast<std::uint32_t>(s.width));
    put16(20, static_cast<std::uint32_t>(s.height));
    put16(22, s.planes);
    put16(24, s.bpp);
  } else {
    put32(18, static_cast<std::uint32_t>(s.width));
    put32(22, static_cast<std::uint32_t>(s.height));
    put16(26, s.planes);
    put16(28, s.bpp);
    put32(30, s.compression);
    put32(34, 0xDEADBEEF);  // image size: readers must not rely on it
    put32(46, s.colours_used);
    if (s.header_size >= 52) {
      for (std::size_t i = 0; i < s.masks.size(); ++i) put32(14 + 40 + 4 * i, s.masks[i]);
    }
  }
  if (s.header_size == 40) {
    for (const std::uint32_t m : s.masks) {
      out.resize(out.size() + 4);
      put32(out.size() - 4, m);
    }
  }
  for (const Pixel p : s.palette) {
    out.push_back(static_cast<std::uint8_t>(BlueOf(p)));
    out.push_back(static_cast<std::uint8_t>(GreenOf(p)));
    out.push_back(static_cast<std::uint8_t>(RedOf(p)));
    if (s.header_size != 12) out.push_back(0);
  }
  put32(10, s.pixel_offset.value_or(static_cast<std::uint32_t>(out.size())));
  put32(2, 0xFEEDFACE);  // file size: readers must not rely on it
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

// A bitmap from its rows, top first.
inline Bitmap MakePicture(int width, int height, const std::vector<Pixel>& pixels) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.set(x, y, pixels[static_cast<std::size_t>(y * width + x)]);
  }
  return b;
}

}  // namespace tinto::gfx::testing
