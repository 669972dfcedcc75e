// Writing bitmaps as 24-bit uncompressed files.
#include "gfx/bmp.h"
#include "gfx/file_bytes.h"

namespace tinto::gfx {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

constexpr std::uint32_t kHeadersSize = 14 + 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap) {
  const std::uint64_t stride =
      (static_cast<std::uint64_t>(bitmap.width()) * 3 + 3) & ~std::uint64_t{3};
  const std::uint64_t image_size = stride * static_cast<std::uint64_t>(bitmap.height());
  if (kHeadersSize + image_size > 0xFFFFFFFFu) return {};  // beyond what the format can hold
  std::vector<std::uint8_t> out(kHeadersSize + static_cast<std::size_t>(image_size), 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, kHeadersSize);
  Put32(out, 14, 40);
  Put32(out, 18, static_cast<std::uint32_t>(bitmap.width()));
  Put32(out, 22, static_cast<std::uint32_t>(bitmap.height()));  // positive: bottom-up
  Put16(out, 26, 1);                                            // planes
  Put16(out, 28, 24);                                           // bits per pixel
  Put32(out, 30, 0);                                            // BI_RGB
  Put32(out, 34, static_cast<std::uint32_t>(image_size));
  Put32(out, 38, kPixelsPerMetre);
  Put32(out, 42, kPixelsPerMetre);
  for (int y = 0; y < bitmap.height(); ++y) {
    std::uint8_t* dst =
        out.data() + kHeadersSize +
        static_cast<std::size_t>(stride) * static_cast<std::size_t>(bitmap.height() - 1 - y);
    const Pixel* src = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      *dst++ = static_cast<std::uint8_t>(BlueOf(src[x]));
      *dst++ = static_cast<std::uint8_t>(GreenOf(src[x]));
      *dst++ = static_cast<std::uint8_t>(RedOf(src[x]));
    }
  }
  return out;
}

bool SaveBmp24(const std::filesystem::path& path, const Bitmap& bitmap, std::string* error) {
  if (bitmap.empty()) {
    if (error != nullptr) *error = "an empty bitmap cannot be saved";
    return false;
  }
  const std::vector<std::uint8_t> bytes = EncodeBmp24(bitmap);
  if (bytes.empty()) {
    if (error != nullptr) *error = "bitmap too large for a bitmap file";
    return false;
  }
  return WriteFileBytes(path, bytes, error);
}

}  // namespace tinto::gfx
