// Reading frame strips and building the logo placeholder.
#include "viewer/frame_strips.h"

#include <array>

#include "gfx/bmp.h"

namespace tinto {

namespace {

constexpr int kPlaceholderFrames = 10;
constexpr std::array<int, kPlaceholderFrames> kLogoRowOfFrame = {0, 1, 2, 3, 4, 3, 2, 1, 0, 0};
constexpr int kLogoRowWidth = 127;
constexpr int kLogoRowHeight = 29;
// Where a logo row lands inside its frame.
constexpr gfx::Point kPhotoLogoAt{10, 39};
constexpr gfx::Point kMovieLogoAt{43, 65};

int MaxFrames(MediaKind kind) {
  return kind == MediaKind::kPhotoFilm ? kMaxPhotoFilmFrames : kMaxMovieFrames;
}

}  // namespace

int FrameCount(const gfx::Bitmap& strip, const StripLayout& layout) {
  return layout.vertical ? strip.height() / layout.frame_height
                         : strip.width() / layout.frame_width;
}

gfx::Rect FrameRect(int f, const StripLayout& layout) {
  if (layout.vertical) return {0, layout.frame_height * f, layout.frame_width, layout.frame_height};
  return {layout.frame_width * f, 0, layout.frame_width, layout.frame_height};
}

std::optional<gfx::Bitmap> LoadStrip(const std::filesystem::path& path, MediaKind kind) {
  const StripLayout& layout = LayoutOf(kind);
  const std::int64_t frame_pixels = std::int64_t{layout.frame_width} * layout.frame_height;
  auto strip = gfx::LoadBmpFile(path, nullptr, frame_pixels * MaxFrames(kind));
  if (!strip) return std::nullopt;
  // The frames are read through fixed rectangles; a strip without one whole frame has
  // nothing to play.
  const int frames = FrameCount(*strip, layout);
  if (frames < 1 || frames > MaxFrames(kind)) return std::nullopt;
  return strip;
}

gfx::Bitmap BuildPlaceholder(const gfx::Bitmap& logo, MediaKind kind) {
  const StripLayout& layout = LayoutOf(kind);
  const gfx::Rect whole = FrameRect(kPlaceholderFrames, layout);
  gfx::Bitmap strip(layout.vertical ? layout.frame_width : whole.left,
                    layout.vertical ? whole.top : layout.frame_height, 0);
  const gfx::Point at = layout.vertical ? kPhotoLogoAt : kMovieLogoAt;
  for (int f = 0; f < kPlaceholderFrames; ++f) {
    const gfx::Rect frame = FrameRect(f, layout);
    const int r = kLogoRowOfFrame[static_cast<std::size_t>(f)];
    gfx::Blit(strip, {frame.left + at.x, frame.top + at.y}, logo,
              {0, kLogoRowHeight * r, kLogoRowWidth, kLogoRowHeight});
  }
  return strip;
}

}  // namespace tinto
