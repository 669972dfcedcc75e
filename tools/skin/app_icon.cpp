// The program's icon (see app_icon.h). Each size is drawn on its own, four by four samples
// a pixel, so that the small ones stay sharp instead of being shrunk from the big one.
#include "tools/skin/app_icon.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tinto::skin {
namespace {

constexpr std::array<int, 4> kIconSizes = {16, 32, 48, 256};
constexpr int kSamples = 4;

struct Colour {
  double r, g, b, a;
};

constexpr Colour kClear{0, 0, 0, 0};
constexpr Colour kOutline{0x1B, 0x1F, 0x4E, 255};  // navy
constexpr Colour kViolet{0x5A, 0x45, 0xB4, 255};
constexpr Colour kLavender{0x9C, 0x8E, 0xEA, 255};
constexpr Colour kPink{0xFF, 0x4F, 0xA3, 255};
constexpr Colour kWhite{0xFF, 0xFF, 0xFF, 255};

// Inside the flat-topped hexagon of radius r around the origin (as the window's cells).
bool InHexagon(double x, double y, double r) {
  const double ax = std::abs(x);
  const double ay = std::abs(y);
  const double h = r * std::sqrt(3.0) / 2;
  return ay <= h && ax * std::sqrt(3.0) + ay <= 2 * h;
}

// The colour of one sample at (x, y), in units of the icon's half width.
Colour Sample(double x, double y) {
  if (!InHexagon(x, y, 1.0)) return kClear;
  if (!InHexagon(x, y, 0.9)) return kOutline;
  // A ring and a tail: the letter Q, in pink, edged in white.
  const double d = std::hypot(x, y + 0.02);
  const bool ring = d >= 0.34 && d <= 0.58;
  const bool tail =
      std::abs((x - 0.38) - (y - 0.38)) <= 0.11 && x >= 0.2 && x <= 0.68 && y >= 0.2 && y <= 0.68;
  const double de = std::hypot(x, y + 0.02);
  const bool edge = (de >= 0.28 && de < 0.34) || (de > 0.58 && de <= 0.64);
  if (ring || tail) return kPink;
  if (edge) return kWhite;
  // Light from the top left.
  return (x + y) < -0.2 ? kLavender : kViolet;
}

void PutLe16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(std::vector<std::uint8_t>& out, unsigned v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

// One icon image: a BITMAPINFOHEADER of double height, the 32-bit pixels from the
// bottom row up, then the 1-bit mask of the transparent pixels (rows padded to 4 bytes).
std::vector<std::uint8_t> EncodeImage(int size) {
  const std::vector<std::uint8_t> pixels = DrawAppIconPixels(size);
  std::vector<std::uint8_t> out;
  const unsigned mask_row = static_cast<unsigned>((size + 31) / 32 * 4);
  PutLe32(out, 40);
  PutLe32(out, static_cast<unsigned>(size));
  PutLe32(out, static_cast<unsigned>(size * 2));
  PutLe16(out, 1);
  PutLe16(out, 32);
  PutLe32(out, 0);
  PutLe32(out, static_cast<unsigned>(size * size * 4) + mask_row * static_cast<unsigned>(size));
  for (int i = 0; i < 4; ++i) PutLe32(out, 0);
  for (int y = size - 1; y >= 0; --y) {
    const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * size * 4;
    out.insert(out.end(), row, row + static_cast<std::ptrdiff_t>(size) * 4);
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> bits(mask_row, 0);
    for (int x = 0; x < size; ++x) {
      const std::size_t alpha = (static_cast<std::size_t>(y) * size + x) * 4 + 3;
      if (pixels[alpha] == 0) bits[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), bits.begin(), bits.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> DrawAppIconPixels(int size) {
  std::vector<std::uint8_t> out(static_cast<std::size_t>(size) * size * 4);
  const double half = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Colour sum{0, 0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double px = (x + (sx + 0.5) / kSamples - half) / half;
          const double py = (y + (sy + 0.5) / kSamples - half) / half;
          const Colour c = Sample(px, py);
          // Colours weighted by their coverage, so edges blend only into the icon itself.
          sum.r += c.r * c.a;
          sum.g += c.g * c.a;
          sum.b += c.b * c.a;
          sum.a += c.a;
        }
      }
      std::uint8_t* p = &out[(static_cast<std::size_t>(y) * size + x) * 4];
      const double n = kSamples * kSamples;
      if (sum.a > 0) {
        p[0] = static_cast<std::uint8_t>(std::lround(sum.b / sum.a));
        p[1] = static_cast<std::uint8_t>(std::lround(sum.g / sum.a));
        p[2] = static_cast<std::uint8_t>(std::lround(sum.r / sum.a));
      }
      p[3] = static_cast<std::uint8_t>(std::lround(sum.a / n));
    }
  }
  return out;
}

std::vector<std::uint8_t> EncodeAppIcon() {
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : kIconSizes) images.push_back(EncodeImage(size));
  std::vector<std::uint8_t> out;
  PutLe16(out, 0);
  PutLe16(out, 1);  // an icon
  PutLe16(out, static_cast<unsigned>(images.size()));
  unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int size = kIconSizes[i];
    out.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));  // 0 stands for 256
    out.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));
    out.push_back(0);  // no palette
    out.push_back(0);
    PutLe16(out, 1);   // planes
    PutLe16(out, 32);  // bits per pixel
    PutLe32(out, static_cast<unsigned>(images[i].size()));
    PutLe32(out, offset);
    offset += static_cast<unsigned>(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace tinto::skin
