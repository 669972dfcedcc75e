// Writing palette-indexed Windows bitmaps.
#include "tools/skin/bmp_writer.h"

#include <cstdio>
#include <stdexcept>

namespace tinto::skin {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeIndexedBmp(const Canvas& canvas, const Palette& palette,
                                           int bits_per_pixel) {
  if (bits_per_pixel != 1 && bits_per_pixel != 4 && bits_per_pixel != 8) {
    throw std::invalid_argument("indexed bitmaps have 1, 4 or 8 bits per pixel");
  }
  const std::uint32_t colours = 1u << bits_per_pixel;
  if (palette.size() > colours) throw std::invalid_argument("palette too large");
  const std::uint32_t width = static_cast<std::uint32_t>(canvas.width());
  const std::uint32_t height = static_cast<std::uint32_t>(canvas.height());
  const std::uint32_t stride = ((width * static_cast<std::uint32_t>(bits_per_pixel) + 31) / 32) * 4;
  const std::uint32_t header_bytes = 14 + 40 + colours * 4;
  const std::uint32_t image_bytes = stride * height;

  std::vector<std::uint8_t> out;
  out.reserve(header_bytes + image_bytes);
  // BITMAPFILEHEADER
  out.push_back('B');
  out.push_back('M');
  Put32(out, header_bytes + image_bytes);
  Put32(out, 0);
  Put32(out, header_bytes);
  // BITMAPINFOHEADER
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);  // positive: bottom-up
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits_per_pixel));
  Put32(out, 0);  // BI_RGB
  Put32(out, image_bytes);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
  // RGBQUAD palette: blue, green, red, reserved
  for (std::uint32_t i = 0; i < colours; ++i) {
    const gfx::Pixel p = i < palette.size() ? palette[i] : 0;
    out.push_back(static_cast<std::uint8_t>(gfx::BlueOf(p)));
    out.push_back(static_cast<std::uint8_t>(gfx::GreenOf(p)));
    out.push_back(static_cast<std::uint8_t>(gfx::RedOf(p)));
    out.push_back(0);
  }
  const int per_byte = 8 / bits_per_pixel;
  for (int y = canvas.height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < canvas.width(); ++x) {
      const Ink ink = canvas.At(x, y);
      if (ink >= colours) throw std::invalid_argument("pixel index outside the palette");
      const int shift = (per_byte - 1 - x % per_byte) * bits_per_pixel;
      row[static_cast<std::size_t>(x / per_byte)] |= static_cast<std::uint8_t>(ink << shift);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace tinto::skin
