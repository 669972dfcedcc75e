// Decoding bitmap files: the entry points of bmp.h and the uncompressed pixel formats.
#include <algorithm>
#include <new>

#include "gfx/bmp.h"
#include "gfx/bmp_header.h"
#include "gfx/file_bytes.h"

namespace tinto::gfx {

namespace {

// A channel value of `bits` bits scaled to 0..255 with rounding, so that the largest value
// becomes exactly 255 whatever the width of the mask.
int Expand(std::uint32_t value, int bits) {
  if (bits == 8) return static_cast<int>(value);
  const std::uint64_t max = (std::uint64_t{1} << bits) - 1;
  return static_cast<int>((value * std::uint64_t{255} + max / 2) / max);
}

Pixel FromMasks(std::uint32_t raw, const std::array<BmpChannel, 3>& ch) {
  const auto get = [raw](const BmpChannel& c) { return Expand((raw & c.mask) >> c.shift, c.bits); };
  return MakePixel(get(ch[0]), get(ch[1]), get(ch[2]));
}

void DecodeRow(const std::uint8_t* src, const BmpHeader& h, Pixel* dst) {
  const int w = h.width;
  switch (h.coding) {
    case BmpCoding::kIndexed: {
      const int bpp = h.bits_per_pixel;
      const unsigned mask = (1u << bpp) - 1;
      for (int x = 0; x < w; ++x) {
        // Pixels are packed from the most significant bits of each byte.
        const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bpp);
        const unsigned index = (src[bit / 8] >> (8 - bpp - static_cast<int>(bit % 8))) & mask;
        dst[x] = index < h.palette.size() ? h.palette[index] : 0;
      }
      break;
    }
    case BmpCoding::kBgr24:
      for (int x = 0; x < w; ++x, src += 3) dst[x] = MakePixel(src[2], src[1], src[0]);
      break;
    case BmpCoding::kMasks:
      if (h.bits_per_pixel == 16) {
        for (int x = 0; x < w; ++x, src += 2) {
          dst[x] = FromMasks(static_cast<std::uint32_t>(src[0] | (src[1] << 8)), h.channels);
        }
      } else {
        for (int x = 0; x < w; ++x, src += 4) {
          const std::uint32_t raw = static_cast<std::uint32_t>(src[0]) |
                                    (static_cast<std::uint32_t>(src[1]) << 8) |
                                    (static_cast<std::uint32_t>(src[2]) << 16) |
                                    (static_cast<std::uint32_t>(src[3]) << 24);
          dst[x] = FromMasks(raw, h.channels);
        }
      }
      break;
    case BmpCoding::kRle8:
    case BmpCoding::kRle4:
      break;  // not uncompressed
  }
}

void SetError(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
}

}  // namespace

std::optional<Bitmap> DecodeBmpUncompressed(std::span<const std::uint8_t> data, const BmpHeader& h,
                                            std::string& error) {
  const std::uint64_t stride = BmpRowStride(h);
  // The last row needs its pixels but not its padding.
  const std::uint64_t last_row =
      (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bits_per_pixel) + 7) / 8;
  const std::uint64_t needed = stride * static_cast<std::uint64_t>(h.height - 1) + last_row;
  if (h.pixel_offset > data.size() || data.size() - h.pixel_offset < needed) {
    error = "pixel data is cut short";
    return std::nullopt;
  }
  Bitmap out(h.width, h.height);
  for (int stored = 0; stored < h.height; ++stored) {
    const int y = h.top_down ? stored : h.height - 1 - stored;
    const std::uint8_t* src = data.data() + h.pixel_offset +
                              static_cast<std::size_t>(stride) * static_cast<std::size_t>(stored);
    DecodeRow(src, h, out.row(y));
  }
  return out;
}

std::optional<BmpInfo> ReadBmpInfo(std::span<const std::uint8_t> data) {
  std::string ignored;
  const auto h = ParseBmpHeader(data, ignored);
  if (!h) return std::nullopt;
  return BmpInfo{h->width, h->height, h->bits_per_pixel, h->top_down};
}

std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> data, std::string* error,
                                std::int64_t max_pixels) {
  std::string why;
  std::optional<Bitmap> out;
  if (const auto h = ParseBmpHeader(data, why, max_pixels)) {
    const bool rle = h->coding == BmpCoding::kRle8 || h->coding == BmpCoding::kRle4;
    // A picture within the pixel cap can still be more than a 32-bit process can find in
    // one piece: that is a failed picture, not a failed program.
    try {
      out = rle ? DecodeBmpRle(data, *h, why) : DecodeBmpUncompressed(data, *h, why);
    } catch (const std::bad_alloc&) {
      out.reset();
      why = "not enough memory for the picture";
    }
  }
  if (!out) SetError(error, why);
  return out;
}

std::optional<Bitmap> LoadBmpFile(const std::filesystem::path& path, std::string* error,
                                  std::int64_t max_pixels) {
  // No acceptable picture needs more than four bytes a pixel and its headers and palette.
  const std::uint64_t max_file_bytes =
      static_cast<std::uint64_t>(std::clamp<std::int64_t>(max_pixels, 0, Bitmap::kMaxPixels)) * 4 +
      (std::uint64_t{1} << 20);
  const auto bytes = ReadFileBytes(path, max_file_bytes, error);
  if (!bytes) return std::nullopt;
  return DecodeBmp(*bytes, error, max_pixels);
}

}  // namespace tinto::gfx
