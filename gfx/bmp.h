// Windows bitmap files (.bmp): reading every variant such a file may hold, and writing
// the plain 24-bit form.
//
// Read: headers of 12 bytes (OS/2 1.x core), 16 and 64 bytes (OS/2 2.x), 40, 52, 56, 108
// and 124 bytes (Windows, V4 and V5); 1, 2, 4, 8, 16, 24 and 32 bits per pixel; bottom-up
// and top-down rows; uncompressed, RLE8, RLE4 and channel masks (bit fields). Pixels come
// out as 0x00RRGGBB; alpha is ignored, and mask channels are scaled to 8 bits exactly (a
// 5-bit 31 is 255).
//
// Rules for damaged files, so that every file gives a clear result:
// - A picture with more pixels than the caller's cap (at most Bitmap::kMaxPixels; each use
//   sets its own from what it can show), a header that does not fit the
//   file, pixel data cut short, or compressed data that runs out before the picture is
//   complete is refused. The size fields bfSize and biSizeImage are never used.
// - Palette entries are read only where the file holds them (between the header and the
//   pixel data). A pixel whose index lies beyond the palette is black.
// - Compressed pictures start black: pixels that the RLE data skips (deltas, early ends
//   of lines or of the picture) stay black. A run or delta that would leave the picture
//   (past the end of a row or below the last row) is refused as corrupt. The whole
//   compressed stream is checked before the picture is allocated, so a corrupt file costs
//   no picture's memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/bitmap.h"

namespace tinto::gfx {

struct BmpInfo {
  int width;
  int height;  // always positive
  int bits_per_pixel;
  bool top_down;
};

// The picture's size and depth, when the headers are ones DecodeBmp accepts.
std::optional<BmpInfo> ReadBmpInfo(std::span<const std::uint8_t> data);

// Decodes a bitmap file held in memory. On failure returns nothing and, when error is
// given, sets it to a short reason.
std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> data, std::string* error = nullptr,
                                std::int64_t max_pixels = Bitmap::kMaxPixels);

// Reads and decodes a bitmap file; a file larger than any picture of max_pixels pixels is
// refused before it is read.
std::optional<Bitmap> LoadBmpFile(const std::filesystem::path& path, std::string* error = nullptr,
                                  std::int64_t max_pixels = Bitmap::kMaxPixels);

// The bitmap as a bottom-up 24-bit uncompressed file with a 40-byte header and a
// resolution of 96 dots per inch; empty when the picture is too large for the format's
// 32-bit sizes.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap);
bool SaveBmp24(const std::filesystem::path& path, const Bitmap& bitmap,
               std::string* error = nullptr);

}  // namespace tinto::gfx
