// Helpers for the viewer's tests on the simulator: strip files whose every frame is one
// plain colour, the buttons' click points, and watching what the panel shows over time.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "app/main_hotspots.h"
#include "gfx/bmp.h"
#include "resources/resources.h"
#include "sim_fixture.h"

namespace tinto::test {

// Window coordinates of a skin point.
inline std::string At(int x, int y) {
  return std::to_string(x + 430) + " " + std::to_string(y);
}
inline std::string Click(int x, int y, const std::string& extra = "") {
  return "click main " + At(x, y) + extra + "\n";
}
inline std::string Centre(gfx::Rect box) {
  return At(box.left + box.width / 2, box.top + box.height / 2);
}

inline const std::string kLevel1 = Click(303, 137);
inline const std::string kLevelMinus1 = Click(291, 137);
inline const std::string kLevelMinus2 = Click(278, 138);
inline const std::string kStepForward = Click(315, 152);
inline const std::string kStepReverse = Click(279, 152);
inline const std::string kStop = Click(297, 152);
inline const std::string kMinus = Click(283, 164);
inline const std::string kPlus = Click(310, 164);
inline const std::string kReset = Click(297, 170);
inline const std::string kZoom = Click(297, 125);
inline const std::string kPhotoRotation = Click(230, 170);
inline const std::string kNomalRotation = Click(226, 206);
inline const std::string kHardRotation = Click(226, 230);
inline const std::string kWallpaperButton = Click(348, 285);
inline std::string PhotoFilmButton(int n, const std::string& extra = "") {
  return "click main " + Centre(PhotoFilmBox(n)) + extra + "\n";
}
inline std::string MovieButton(int row, int n, const std::string& extra = "") {
  return "click main " + Centre(MovieBox(row, n)) + extra + "\n";
}

// Window points that lie in one picture rectangle of the panel and in no smaller one.
inline constexpr gfx::Point kInMovie{300, 200};
inline constexpr gfx::Point kInMoviePlaceholderBlack{230, 250};  // outside the logo
inline constexpr gfx::Point kInZoomedMovie{50, 100};
inline constexpr gfx::Point kInPhotoFilm{340, 200};
inline constexpr gfx::Point kInZoomedPhotoFilm{150, 110};
inline constexpr gfx::Point kInWallpaper{200, 300};

// The colour of frame f of item n: photo films and movies differ in blue.
inline gfx::Pixel FrameColour(bool movie, int n, int f) {
  return gfx::MakePixel(20 + 20 * n, 30 + 40 * f, movie ? 200 : 100);
}

class ViewerTest : public SimTest {
 protected:
  // A strip file of `frames` plain-coloured frames.
  void PhotoFilm(const std::string& name, int n, int frames) const {
    gfx::Bitmap strip(148, 108 * frames);
    for (int f = 0; f < frames; ++f)
      gfx::Fill(strip, {0, 108 * f, 148, 108}, FrameColour(false, n, f));
    ASSERT_TRUE(gfx::SaveBmp24(File(name), strip));
  }
  void Movie(const std::string& name, int n, int frames) const {
    gfx::Bitmap strip(214 * frames, 160);
    for (int f = 0; f < frames; ++f)
      gfx::Fill(strip, {214 * f, 0, 214, 160}, FrameColour(true, n, f));
    ASSERT_TRUE(gfx::SaveBmp24(File(name), strip));
  }
  void Bytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
  }
  // Wallpaper n's two files, by default copies of the program's own JPEG resources.
  void WallpaperFiles(int n, const std::string& big = "", const std::string& small = "",
                      const char* small_resource = "WALLS5") const {
    const auto jpeg = [](const char* name) {
      const auto bytes = resources::Find("JPG", name);
      return std::string(bytes.begin(), bytes.end());
    };
    const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
    Bytes("X_b" + number + ".jpg", big.empty() ? jpeg("WALLB4") : big);
    Bytes("X_s" + number + ".jpg", small.empty() ? jpeg(small_resource) : small);
  }
  std::string ReadAll(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Runs the script, then snaps the main window `count` times, `step` ms apart, and
  // returns the colour at `at` in each snap.
  std::vector<gfx::Pixel> Watch(const std::string& script, gfx::Point at, int step, int count,
                                SimResult* result = nullptr) const {
    std::string body = script;
    for (int i = 0; i < count; ++i)
      body += "snap main " + File("w" + std::to_string(i) + ".bmp").string() + "\nwait " +
              std::to_string(step) + "\n";
    const SimResult r = Run(body);
    if (result != nullptr) *result = r;
    std::vector<gfx::Pixel> out;
    for (int i = 0; i < count; ++i) {
      const gfx::Bitmap snap = Picture("w" + std::to_string(i) + ".bmp");
      out.push_back(snap.empty() ? 0 : snap.at(at.x, at.y));
    }
    return out;
  }
};

// How many log lines are exactly this event (after the time).
inline int Exactly(const SimResult& r, const std::string& event) {
  int count = 0;
  for (const std::string& line : r.Events(event))
    if (line.substr(line.find(' ') + 1) == event) ++count;
  return count;
}

// The sequence with repeats of the same value in a row folded into one.
inline std::vector<gfx::Pixel> Runs(const std::vector<gfx::Pixel>& samples) {
  std::vector<gfx::Pixel> out;
  for (gfx::Pixel p : samples)
    if (out.empty() || out.back() != p) out.push_back(p);
  return out;
}

}  // namespace tinto::test
