// Test helper: reads embedded palette-indexed skin bitmaps.
#include "skin_image.h"

#include <gtest/gtest.h>

#include "resources/resources.h"

namespace tinto::skin_test {

namespace {

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

}  // namespace

SkinImage LoadSkin(std::string_view name) {
  SkinImage img;
  img.name = std::string(name);
  const std::span<const std::uint8_t> b = resources::Find("BMP", name);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
    ADD_FAILURE() << name << ": no bitmap resource";
    return img;
  }
  const std::uint32_t pixels_at = U32(b, 10);
  const std::uint32_t header = U32(b, 14);
  const auto width = static_cast<std::int32_t>(U32(b, 18));
  const auto height = static_cast<std::int32_t>(U32(b, 22));
  const int bits = static_cast<int>(U16(b, 28));
  img.compression = U32(b, 30);
  img.colours_used = U32(b, 46);
  if (header != 40 || U16(b, 26) != 1 || width <= 0 || height == 0 ||
      (bits != 1 && bits != 4 && bits != 8)) {
    ADD_FAILURE() << name << ": not an indexed bitmap with a 40-byte header";
    return img;
  }
  img.bottom_up = height > 0;
  const int rows = height > 0 ? height : -height;
  const std::uint32_t colours = img.colours_used != 0 ? img.colours_used : 1u << bits;
  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (14 + header + 4 * colours > pixels_at || pixels_at + stride * rows > b.size()) {
    ADD_FAILURE() << name << ": palette or pixels run past the end of the file";
    return img;
  }
  for (std::uint32_t i = 0; i < colours; ++i) {
    const std::size_t at = 14 + header + 4 * i;
    img.palette.push_back((static_cast<std::uint32_t>(b[at + 2]) << 16) |
                          (static_cast<std::uint32_t>(b[at + 1]) << 8) | b[at]);
  }
  img.index.resize(static_cast<std::size_t>(width) * rows);
  for (int y = 0; y < rows; ++y) {
    const std::size_t row = pixels_at + stride * (img.bottom_up ? rows - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      const std::size_t bit = static_cast<std::size_t>(x) * bits;
      const int shift = 8 - bits - static_cast<int>(bit % 8);
      const std::uint8_t v = (b[row + bit / 8] >> shift) & ((1 << bits) - 1);
      if (v >= colours) {
        ADD_FAILURE() << name << ": pixel " << x << "," << y << " lies outside the palette";
        return img;
      }
      img.index[static_cast<std::size_t>(y) * width + x] = v;
    }
  }
  img.width = width;
  img.height = rows;
  img.bits = bits;
  return img;
}

bool SameIn(const SkinImage& a, const SkinImage& b, gfx::Rect r) {
  for (int y = r.top; y < r.bottom(); ++y) {
    for (int x = r.left; x < r.right(); ++x) {
      if (a.colour(x, y) != b.colour(x, y)) return false;
    }
  }
  return true;
}

}  // namespace tinto::skin_test
