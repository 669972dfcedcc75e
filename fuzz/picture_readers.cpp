// Fuzz entries for the pictures: bitmap strips and JPEG wallpapers, each decoded with the
// largest cap the program reads it with.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_entries.h"
#include "gfx/bmp.h"
#include "gfx/jpeg.h"
#include "viewer/frame_strips.h"
#include "viewer/wallpaper_files.h"

namespace tinto::fuzz {

namespace {

constexpr std::int64_t kRoundTripPixels = std::int64_t{1} << 20;

constexpr std::int64_t StripPixels(const StripLayout& layout, int frames) {
  return std::int64_t{layout.frame_width} * layout.frame_height * frames;
}
// The largest bitmap the program reads: a movie or photo-film strip at its frame cap.
constexpr std::int64_t kMaxStripPixels = std::max(
    StripPixels(kMovieStrip, kMaxMovieFrames), StripPixels(kPhotoFilmStrip, kMaxPhotoFilmFrames));

}  // namespace

void BmpEntry(Bytes data) {
  std::string error;
  const std::optional<gfx::BmpInfo> info = gfx::ReadBmpInfo(data);
  const std::optional<gfx::Bitmap> bitmap = gfx::DecodeBmp(data, &error, kMaxStripPixels);
  if (!bitmap) {
    if (error.empty()) Broken("bmp", "a refused file gave no reason");
    return;
  }
  if (!info || info->width != bitmap->width() || info->height != bitmap->height())
    Broken("bmp", "the header's size differs from the picture's");
  // What the program writes it reads back exactly (checked on pictures of a size the
  // program writes, so that a large one does not stall the run).
  if (std::int64_t{bitmap->width()} * bitmap->height() > kRoundTripPixels) return;
  const std::vector<std::uint8_t> written = gfx::EncodeBmp24(*bitmap);
  const std::optional<gfx::Bitmap> again = gfx::DecodeBmp(written);
  if (!again || *again != *bitmap) Broken("bmp", "the written bitmap does not read back");
}

void JpegEntry(Bytes data) {
  std::string error;
  const std::optional<gfx::Bitmap> bitmap = gfx::DecodeJpeg(data, &error, kMaxWallpaperPixels);
  if (!bitmap && error.empty()) Broken("jpeg", "a refused file gave no reason");
  if (bitmap && bitmap->empty()) Broken("jpeg", "an empty picture was accepted");
}

}  // namespace tinto::fuzz
