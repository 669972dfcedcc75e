// Parsing and checking the headers of a bitmap file (see bmp_header.h).
//
// Layout: a 14-byte file header ("BM", file size, two reserved words, offset of the pixel
// data), then the info header whose first four bytes give its own size. The core header
// (12 bytes) has 16-bit width and height and three-byte palette entries; all others have
// 32-bit signed width and height and four-byte entries. Fields beyond a header's size are
// zero (OS/2 2.x headers may stop after any field). Masks follow a 40-byte header when
// the compression asks for them; larger headers carry them inside.
#include "gfx/bmp_header.h"

#include <algorithm>
#include <bit>

namespace tinto::gfx {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;  // Huffman 1D in OS/2 2.x headers
constexpr std::uint32_t kBiJpeg = 4;       // RLE24 in OS/2 2.x headers
constexpr std::uint32_t kBiPng = 5;
constexpr std::uint32_t kBiAlphaBitfields = 6;

std::uint16_t U16(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
         (static_cast<std::uint32_t>(d[at + 2]) << 16) |
         (static_cast<std::uint32_t>(d[at + 3]) << 24);
}

bool IsKnownHeaderSize(std::uint32_t size) {
  switch (size) {
    case 12:
    case 16:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
      return true;
    default:
      return false;
  }
}

// A red, green or blue mask: not empty, one run of bits, inside the pixel.
std::optional<BmpChannel> MakeChannel(std::uint32_t mask, int bits_per_pixel) {
  if (mask == 0) return std::nullopt;
  if (bits_per_pixel == 16 && mask > 0xFFFF) return std::nullopt;
  const int shift = std::countr_zero(mask);
  const std::uint32_t run = mask >> shift;
  if ((run & (run + 1)) != 0) return std::nullopt;  // not contiguous
  return BmpChannel{mask, shift, std::popcount(run)};
}

std::optional<BmpHeader> Fail(std::string& error, std::string why) {
  error = std::move(why);
  return std::nullopt;
}

}  // namespace

std::optional<BmpHeader> ParseBmpHeader(std::span<const std::uint8_t> data, std::string& error,
                                        std::int64_t max_pixels) {
  if (data.size() < 2 || data[0] != 'B' || data[1] != 'M') {
    return Fail(error, "not a bitmap file (no BM signature)");
  }
  if (data.size() < kFileHeaderSize + 4) return Fail(error, "file ends inside the header");
  const std::uint32_t header_size = U32(data, kFileHeaderSize);
  if (!IsKnownHeaderSize(header_size)) {
    return Fail(error, "unsupported info header size " + std::to_string(header_size));
  }
  const std::size_t header_end = kFileHeaderSize + header_size;
  if (data.size() < header_end) return Fail(error, "file ends inside the header");
  // A 32-bit field of the info header at `offset` from its start; 0 when the header is
  // too short to hold it.
  const auto field = [&](std::size_t offset) -> std::uint32_t {
    return offset + 4 <= header_size ? U32(data, kFileHeaderSize + offset) : 0;
  };

  const bool core = header_size == 12;
  const bool os2v2 = header_size == 16 || header_size == 64;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int planes = 0;
  int bpp = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colours_used = 0;
  if (core) {
    width = U16(data, 18);
    height = U16(data, 20);
    planes = U16(data, 22);
    bpp = U16(data, 24);
  } else {
    width = static_cast<std::int32_t>(U32(data, 18));
    height = static_cast<std::int32_t>(U32(data, 22));
    planes = U16(data, 26);
    bpp = U16(data, 28);
    compression = field(16);
    colours_used = field(32);
  }

  BmpHeader h;
  if (planes != 1) return Fail(error, "plane count is not 1");
  if (width <= 0) return Fail(error, "width is not positive");
  if (height == 0) return Fail(error, "height is zero");
  h.top_down = height < 0;
  height = height < 0 ? -height : height;
  if (width * height > std::min(max_pixels, Bitmap::kMaxPixels))
    return Fail(error, "picture too large");
  h.width = static_cast<int>(width);
  h.height = static_cast<int>(height);
  h.bits_per_pixel = bpp;

  std::size_t masks_after_header = 0;  // bytes of masks between the header and the palette
  std::array<std::uint32_t, 3> masks{};
  switch (compression) {
    case kBiRgb:
      switch (bpp) {
        case 1:
        case 2:
        case 4:
        case 8:
          h.coding = BmpCoding::kIndexed;
          break;
        case 16:
          h.coding = BmpCoding::kMasks;
          masks = {0x7C00, 0x03E0, 0x001F};
          break;
        case 24:
          h.coding = BmpCoding::kBgr24;
          break;
        case 32:
          h.coding = BmpCoding::kMasks;
          masks = {0xFF0000, 0x00FF00, 0x0000FF};
          break;
        default:
          return Fail(error, "unsupported bits per pixel " + std::to_string(bpp));
      }
      break;
    case kBiRle8:
    case kBiRle4: {
      const bool rle8 = compression == kBiRle8;
      if (bpp != (rle8 ? 8 : 4)) return Fail(error, "RLE compression with wrong bits per pixel");
      if (h.top_down) return Fail(error, "a compressed bitmap cannot be top-down");
      h.coding = rle8 ? BmpCoding::kRle8 : BmpCoding::kRle4;
      break;
    }
    case kBiBitfields:
    case kBiAlphaBitfields:
      if (os2v2) return Fail(error, "unsupported compression (OS/2 Huffman)");
      if (bpp != 16 && bpp != 32) return Fail(error, "bit fields with wrong bits per pixel");
      h.coding = BmpCoding::kMasks;
      if (header_size >= 52) {
        masks = {field(40), field(44), field(48)};
      } else {
        masks_after_header = compression == kBiAlphaBitfields ? 16 : 12;
        if (data.size() < header_end + masks_after_header) {
          return Fail(error, "file ends inside the colour masks");
        }
        masks = {U32(data, header_end), U32(data, header_end + 4), U32(data, header_end + 8)};
      }
      break;
    case kBiJpeg:
      return Fail(error, os2v2 ? "unsupported compression (OS/2 RLE24)"
                               : "unsupported compression (embedded JPEG)");
    case kBiPng:
      return Fail(error, "unsupported compression (embedded PNG)");
    default:
      return Fail(error, "unknown compression " + std::to_string(compression));
  }

  if (h.coding == BmpCoding::kMasks) {
    for (std::size_t i = 0; i < 3; ++i) {
      const auto channel = MakeChannel(masks[i], bpp);
      if (!channel) return Fail(error, "invalid colour mask");
      h.channels[i] = *channel;
    }
    if ((masks[0] & masks[1]) != 0 || (masks[0] & masks[2]) != 0 || (masks[1] & masks[2]) != 0) {
      return Fail(error, "overlapping colour masks");
    }
  }

  const std::size_t palette_start = header_end + masks_after_header;
  h.pixel_offset = U32(data, 10);
  if (h.pixel_offset < palette_start)
    return Fail(error, "pixel data offset lies inside the header");

  if (bpp <= 8) {
    // The colours the header declares (0 means all 2^bpp; more than 2^bpp can never be
    // indexed), limited to the entries stored before the pixel data and inside the file.
    const std::uint32_t all = std::uint32_t{1} << bpp;
    const std::uint32_t declared = (colours_used == 0 || colours_used > all) ? all : colours_used;
    const std::size_t entry_size = core ? 3 : 4;
    const std::size_t stored =
        (std::min(h.pixel_offset, data.size()) - std::min(palette_start, data.size())) / entry_size;
    const std::size_t count = std::min<std::size_t>(declared, stored);
    if (count == 0) return Fail(error, "the palette is missing");
    h.palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = palette_start + i * entry_size;
      h.palette[i] = MakePixel(data[at + 2], data[at + 1], data[at]);
    }
  }
  return h;
}

}  // namespace tinto::gfx
