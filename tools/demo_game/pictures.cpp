// Painting the demo movies, photo films and wallpapers (see pictures.h).
#include "tools/demo_game/pictures.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "gfx/bmp.h"
#include "tools/demo_game/output_file.h"
#include "tools/skin/canvas.h"
#include "tools/skin/colour_pattern.h"
#include "tools/skin/jpeg_writer.h"
#include "tools/skin/pixel_font.h"
#include "tools/skin/wallpaper_art.h"

namespace tinto::demo {

namespace {

constexpr int kMovieWidth = 214;
constexpr int kMovieHeight = 160;
constexpr int kPhotoWidth = 148;
constexpr int kPhotoHeight = 108;

std::string AsText(const std::vector<std::uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// Text of the skin's pixel font onto a full-colour picture.
void Text(gfx::Bitmap& b, int x, int y, const std::string& text, gfx::Pixel colour, int scale) {
  skin::Canvas letters(skin::PixelTextWidth(text, skin::PixelFont::kSmall, scale) + 1,
                       skin::PixelTextHeight(skin::PixelFont::kSmall, scale) + 1, 0);
  skin::DrawPixelText(letters, 0, 0, text, 1, skin::PixelFont::kSmall, scale);
  for (int ly = 0; ly < letters.height(); ++ly)
    for (int lx = 0; lx < letters.width(); ++lx)
      if (letters.At(lx, ly) == 1 && x + lx >= 0 && x + lx < b.width() && y + ly >= 0 &&
          y + ly < b.height())
        b.set(x + lx, y + ly, colour);
}

void Disc(gfx::Bitmap& b, gfx::Rect frame, double cx, double cy, double r, gfx::Pixel colour) {
  for (int y = frame.top; y < frame.bottom(); ++y)
    for (int x = frame.left; x < frame.right(); ++x)
      if (std::hypot(x - frame.left - cx, y - frame.top - cy) <= r) b.set(x, y, colour);
}

// One movie: a stage whose light sweeps across while a ball bounces over it, its row and
// number in the corner. Frames stand side by side.
gfx::Bitmap Movie(int row, int n) {
  gfx::Bitmap strip(kMovieWidth * kDemoMovieFrames, kMovieHeight);
  for (int f = 0; f < kDemoMovieFrames; ++f) {
    const gfx::Rect frame{kMovieWidth * f, 0, kMovieWidth, kMovieHeight};
    const double t = double(f) / kDemoMovieFrames;
    for (int y = 0; y < kMovieHeight; ++y)
      for (int x = 0; x < kMovieWidth; ++x) {
        const double light = std::max(0.0, 1 - std::abs(x - kMovieWidth * t) / 60.0);
        const int base = 30 + y / 4;
        strip.set(frame.left + x, y,
                  row == 0
                      ? gfx::MakePixel(base / 2 + int(90 * light), base, 90 + int(120 * light))
                      : gfx::MakePixel(100 + int(120 * light), base / 2, base + int(60 * light)));
      }
    const double ball_x = 20 + (kMovieWidth - 40) * t;
    const double ball_y = 130 - 90 * std::abs(std::sin(std::numbers::pi * 2 * t));
    Disc(strip, frame, ball_x, ball_y, 12, gfx::MakePixel(255, 120, 180));
    Disc(strip, frame, ball_x - 4, ball_y - 4, 4, gfx::MakePixel(255, 230, 240));
    Text(strip, frame.left + 8, 8, std::string(row == 0 ? "NOMAL " : "HARD ") + std::to_string(n),
         gfx::MakePixel(255, 255, 255), 2);
    Text(strip, frame.left + kMovieWidth - 40, kMovieHeight - 16,
         std::to_string(f + 1) + "/" + std::to_string(kDemoMovieFrames),
         gfx::MakePixel(200, 230, 255), 1);
  }
  return strip;
}

// One photo film: a burst of shots of a star turning on a coloured backdrop. Frames stand
// from top to bottom.
gfx::Bitmap PhotoFilm(int index) {
  gfx::Bitmap strip(kPhotoWidth, kPhotoHeight * kDemoPhotoFrames);
  for (int f = 0; f < kDemoPhotoFrames; ++f) {
    const gfx::Rect frame{0, kPhotoHeight * f, kPhotoWidth, kPhotoHeight};
    for (int y = 0; y < kPhotoHeight; ++y)
      for (int x = 0; x < kPhotoWidth; ++x)
        strip.set(x, frame.top + y,
                  gfx::MakePixel(40 + 60 * index + y / 3, 30 + x / 3, 120 - 30 * index + f * 10));
    const double a = std::numbers::pi * 2 * f / kDemoPhotoFrames;
    for (int k = 0; k < 5; ++k) {
      const double ang = a + std::numbers::pi * 2 * k / 5;
      Disc(strip, frame, 74 + 30 * std::cos(ang), 54 + 30 * std::sin(ang), 7,
           gfx::MakePixel(255, 220, 90));
    }
    Disc(strip, frame, 74, 54, 12, gfx::MakePixel(255, 255, 255));
    Text(strip, 6, frame.top + 6, "PHOTO " + std::to_string(f + 1), gfx::MakePixel(255, 255, 255),
         1);
  }
  return strip;
}

bool WriteBmp(const std::filesystem::path& path, const gfx::Bitmap& picture) {
  return WriteFileAtomically(path, AsText(gfx::EncodeBmp24(picture)));
}

}  // namespace

bool WritePictures(const std::filesystem::path& folder) {
  for (const int n : kDemoNomalMovies)
    if (!WriteBmp(folder / ("Y_e1" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".bmp"),
                  Movie(0, n)))
      return false;
  for (const int n : kDemoHardMovies)
    if (!WriteBmp(folder / ("Y_e3" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".bmp"),
                  Movie(1, n)))
      return false;
  int index = 0;
  for (const std::string_view name : kDemoPhotoFilms)
    if (!WriteBmp(folder / std::string(name), PhotoFilm(index++))) return false;

  const skin::ColourPattern pattern = skin::DrawColourPattern();
  for (int n = 1; n <= 3; ++n) {
    const gfx::Bitmap big = skin::DrawWallpaper(pattern, n);
    char big_name[16], small_name[16];
    std::snprintf(big_name, sizeof big_name, "X_b%02d.jpg", n);
    std::snprintf(small_name, sizeof small_name, "X_s%02d.jpg", n);
    if (!WriteFileAtomically(folder / big_name, AsText(skin::EncodeJpeg(big, 88))) ||
        !WriteFileAtomically(folder / small_name,
                             AsText(skin::EncodeJpeg(skin::HalfSize(big), 88))))
      return false;
  }
  const std::filesystem::path ini = folder / "Rondelay.ini";
  std::error_code error;
  if (!std::filesystem::exists(ini, error) && !WriteFileAtomically(ini, kDemoRondelayIni))
    return false;
  return true;
}

}  // namespace tinto::demo
