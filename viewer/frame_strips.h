// Frame strips: photo films (148 x 108 frames stacked from top to bottom) and movies
// (214 x 160 frames side by side), read from the host game's bitmap files, and the logo
// placeholder that stands in for a strip that is missing or unreadable.
#pragma once

#include <filesystem>
#include <optional>

#include "gfx/bitmap.h"
#include "viewer/viewer_record.h"

namespace tinto {

struct StripLayout {
  int frame_width;
  int frame_height;
  bool vertical;  // frames stacked from top to bottom (photo films) or side by side (movies)
};
inline constexpr StripLayout kPhotoFilmStrip{148, 108, true};
inline constexpr StripLayout kMovieStrip{214, 160, false};

constexpr const StripLayout& LayoutOf(MediaKind kind) {
  return kind == MediaKind::kPhotoFilm ? kPhotoFilmStrip : kMovieStrip;
}

// The most frames a strip file may hold. The host game's photo films hold a burst of some
// dozens of frames and its movies some dozens too; a cap of a few hundred frames keeps a
// strip below 20 MB in memory, so that two strips, the file being read and the skin stay
// well under 64 MB whatever lies in the folder.
inline constexpr int kMaxPhotoFilmFrames = 256;
inline constexpr int kMaxMovieFrames = 128;

// Frames of a strip: its height divided by 108 (photo films) or its width divided by 214
// (movies), rounded down.
int FrameCount(const gfx::Bitmap& strip, const StripLayout& layout);

// The source rectangle of frame f.
gfx::Rect FrameRect(int f, const StripLayout& layout);

// Reads a strip file. A file that is not a readable bitmap, holds no whole frame, or would
// hold more frames than the cap allows (in either direction, so that its memory stays
// bounded) gives nothing.
std::optional<gfx::Bitmap> LoadStrip(const std::filesystem::path& path, MediaKind kind);

// The ten-frame logo placeholder: frame f shows logo row r(f) of VORTEL (rows 0, 1, 2, 3,
// 4, 3, 2, 1, 0, 0), on black.
gfx::Bitmap BuildPlaceholder(const gfx::Bitmap& logo, MediaKind kind);

}  // namespace tinto
