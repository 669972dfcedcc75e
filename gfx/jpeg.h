// JPEG pictures (the wallpapers) decoded with libjpeg into bitmaps.
//
// Colour, greyscale and CMYK pictures come out as 0x00RRGGBB. Every problem libjpeg
// reports is a failure, warnings included: a file cut short (which libjpeg would finish in
// grey), corrupt entropy-coded data, too many scans. Pictures with more pixels than the
// caller's cap (at most Bitmap::kMaxPixels; each use sets its own from what it shows) are
// refused as soon as the header has been read, the picture is allocated once and decoded
// into directly, and libjpeg's own working memory is limited in proportion to the cap, so
// no file can make the decoder exit, abort, hang for long or take unbounded memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "gfx/bitmap.h"

namespace tinto::gfx {

// Decodes a JPEG held in memory. On failure returns nothing and, when error is given,
// sets it to a short reason.
std::optional<Bitmap> DecodeJpeg(std::span<const std::uint8_t> data, std::string* error = nullptr,
                                 std::int64_t max_pixels = Bitmap::kMaxPixels);

// Reads and decodes a JPEG file; files larger than four bytes a pixel of the cap (and never
// above 256 MiB) are refused before they are read.
std::optional<Bitmap> LoadJpegFile(const std::filesystem::path& path, std::string* error = nullptr,
                                   std::int64_t max_pixels = Bitmap::kMaxPixels);

}  // namespace tinto::gfx
