// Decoding bitmap files: the entry points of bmp.h and the uncompressed pixel formats.
#include <algorithm>
#include <new>
#include <vector>

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

namespace {

// Files up to this size are read whole; in larger ones the headers and the palette must lie
// within it for the pixels to be read row by row.
constexpr std::size_t kHeadBytes = std::size_t{1} << 20;

// An uncompressed picture whose pixel data starts in `head` (the file's first bytes, as
// read so far), its rows read from the file as they are decoded: the file's bytes and the
// picture are never in memory together. Decodes exactly as DecodeBmp does on the whole
// file.
std::optional<Bitmap> StreamUncompressed(FileReader& file, std::vector<std::uint8_t> head,
                                         const BmpHeader& h, std::string* error) {
  const std::uint64_t stride = BmpRowStride(h);
  const std::uint64_t last_row =
      (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bits_per_pixel) + 7) / 8;
  const std::uint64_t needed = stride * static_cast<std::uint64_t>(h.height - 1) + last_row;
  if (file.size() - h.pixel_offset < needed) {
    SetError(error, "pixel data is cut short");
    return std::nullopt;
  }
  std::optional<Bitmap> out;
  try {
    out.emplace(h.width, h.height);
  } catch (const std::bad_alloc&) {
    SetError(error, "not enough memory for the picture");
    return std::nullopt;
  }
  // `head` becomes the buffer: the unread pixel bytes are kept at its front, topped up
  // from the file a buffer at a time.
  std::vector<std::uint8_t>& buffer = head;
  std::size_t begin = h.pixel_offset;
  std::size_t end = buffer.size();
  const std::size_t want = std::max<std::size_t>(kHeadBytes, static_cast<std::size_t>(stride));
  for (int stored = 0; stored < h.height; ++stored) {
    const std::size_t row_bytes =
        static_cast<std::size_t>(stored == h.height - 1 ? last_row : stride);
    if (end - begin < row_bytes) {
      std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(begin),
                buffer.begin() + static_cast<std::ptrdiff_t>(end), buffer.begin());
      end -= begin;
      begin = 0;
      buffer.resize(std::max(buffer.size(), want));
      while (end < row_bytes) {
        const std::size_t got = file.Read(buffer.data() + end, buffer.size() - end);
        if (file.failed()) {
          SetError(error, "read error");
          return std::nullopt;
        }
        if (got == 0) {  // the file shrank since it was measured
          SetError(error, "pixel data is cut short");
          return std::nullopt;
        }
        end += got;
      }
    }
    const int y = h.top_down ? stored : h.height - 1 - stored;
    DecodeRow(buffer.data() + begin, h, out->row(y));
    begin += row_bytes;
  }
  return out;
}

}  // namespace

std::optional<Bitmap> LoadBmpFile(const std::filesystem::path& path, std::string* error,
                                  std::int64_t max_pixels) {
  // No acceptable picture needs more than four bytes a pixel and its headers and palette.
  const std::uint64_t max_file_bytes =
      static_cast<std::uint64_t>(std::clamp<std::int64_t>(max_pixels, 0, Bitmap::kMaxPixels)) * 4 +
      (std::uint64_t{1} << 20);
  std::optional<FileReader> file = FileReader::Open(path, max_file_bytes, error);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes(
      static_cast<std::size_t>(std::min<std::uint64_t>(file->size(), kHeadBytes)));
  bytes.resize(file->Read(bytes.data(), bytes.size()));
  if (!file->failed() && bytes.size() == kHeadBytes && file->size() > kHeadBytes) {
    // Every check of the headers and the palette reads only bytes before the pixel data,
    // so when that starts within the first part, the part decides as the whole file would.
    std::string why;
    const std::optional<BmpHeader> h = ParseBmpHeader(bytes, why, max_pixels);
    if (!h) {
      // The part holds far more than any header, masks and palette: the whole file would
      // be refused alike, and a refused strip of the cap's size is not read into memory.
      SetError(error, why);
      return std::nullopt;
    }
    if (h->coding != BmpCoding::kRle8 && h->coding != BmpCoding::kRle4 &&
        h->pixel_offset <= bytes.size())
      return StreamUncompressed(*file, std::move(bytes), *h, error);
  }
  // Small files, compressed pictures and anything odd: the whole file, then decoded.
  if (!file->failed() && bytes.size() < file->size()) {
    const std::size_t have = bytes.size();
    bytes.resize(static_cast<std::size_t>(file->size()));
    bytes.resize(have + file->Read(bytes.data() + have, bytes.size() - have));
  }
  if (file->failed()) {
    SetError(error, "read error");
    return std::nullopt;
  }
  return DecodeBmp(bytes, error, max_pixels);
}

}  // namespace tinto::gfx
