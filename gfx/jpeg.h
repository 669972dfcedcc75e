// JPEG pictures (the wallpapers) decoded with libjpeg into bitmaps.
//
// Colour, greyscale and CMYK pictures come out as 0x00RRGGBB. Every problem libjpeg
// reports is a failure, warnings included: a file cut short (which libjpeg would finish in
// grey), corrupt entropy-coded data, too many scans. Pictures with more than
// Bitmap::kMaxPixels pixels are refused as soon as the header has been read, and
// libjpeg's own working memory is limited, so no file can make the decoder exit, abort,
// hang for long or take unbounded memory.
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
std::optional<Bitmap> DecodeJpeg(std::span<const std::uint8_t> data, std::string* error = nullptr);

// Reads and decodes a JPEG file; files above 256 MiB are refused before they are read.
std::optional<Bitmap> LoadJpegFile(const std::filesystem::path& path, std::string* error = nullptr);

}  // namespace tinto::gfx
