// The viewer's playback on the simulator: the logo placeholder and the indicators, the
// rotation over photo films and movies in both directions, frame stepping, the speed
// indices of each kind and zoom in every state.
#include <algorithm>

#include "viewer_fixture.h"

namespace tinto::test {
namespace {

using ViewerPlayback = ViewerTest;

// The digit (0..9) drawn at skin (x, y) in glyph row `row` of BASE1's strip, or -1.
int DigitAt(const gfx::Bitmap& snap, const gfx::Bitmap& base1, int x, int y, int row) {
  for (int d = 0; d <= 9; ++d) {
    bool same = true;
    for (int dy = 0; dy < 5 && same; ++dy)
      for (int dx = 0; dx < 5 && same; ++dx)
        same = snap.at(x + 430 + dx, y + dy) == base1.at(283 + 6 * d + dx, 279 + 5 * row + dy);
    if (same) return d;
  }
  return -1;
}
int SpeedNumber(const gfx::Bitmap& snap, const gfx::Bitmap& base1, int row) {
  const int tens = DigitAt(snap, base1, 292, 159, row), ones = DigitAt(snap, base1, 298, 159, row);
  return tens < 0 || ones < 0 ? -1 : tens * 10 + ones;
}
bool SameCells(const gfx::Bitmap& snap, const gfx::Bitmap& skin, gfx::Point at, gfx::Rect cell) {
  for (int dy = 0; dy < cell.height; ++dy)
    for (int dx = 0; dx < cell.width; ++dx)
      if (snap.at(at.x + 430 + dx, at.y + dy) != skin.at(cell.left + dx, cell.top + dy))
        return false;
  return true;
}

TEST_F(ViewerPlayback, WithNoFilesLevelOnePlaysTheLogoPlaceholderAt340Ms) {
  // The press at 200 opens the movie placeholder (300 ms) and waits 100 ms; the first
  // tick at 600 lands on frame 0, already drawn, and every 340 ms the next frame follows.
  std::string script = "start\nwait 200\n" + kLevel1 + "wait 50\nskin VORTEL " +
                       File("logo.bmp").string() + "\nskin BASE1 " + File("base1.bmp").string() +
                       "\n";
  for (int k = 0; k < 12; ++k)
    script += "snap main " + File("f" + std::to_string(k) + ".bmp").string() + "\nwait 340\n";
  const SimResult r = Run(script);
  EXPECT_TRUE(r.Has("200 effect 2")) << r.log;
  const gfx::Bitmap logo = Picture("logo.bmp");
  const gfx::Bitmap base1 = Picture("base1.bmp");
  constexpr int kRows[10] = {0, 1, 2, 3, 4, 3, 2, 1, 0, 0};
  for (int k = 0; k < 12; ++k) {
    const gfx::Bitmap snap = Picture("f" + std::to_string(k) + ".bmp");
    gfx::Bitmap expected(214, 160, 0);
    gfx::Blit(expected, {43, 65}, logo, {0, 29 * kRows[k % 10], 127, 29});
    int mismatches = 0;
    for (int y = 0; y < 160; ++y)
      for (int x = 0; x < 214; ++x)
        if (snap.at(220 + x, 125 + y) != expected.at(x, y)) ++mismatches;
    EXPECT_EQ(mismatches, 0) << "snap " << k;
    if (k == 0) {
      // One forward lamp lit, the reverse lamps unlit, 20 in white.
      EXPECT_TRUE(SameCells(snap, base1, {321, 127}, {321, 127, 2, 3}));
      EXPECT_TRUE(SameCells(snap, base1, {326, 127}, {316, 127, 2, 3}));
      EXPECT_TRUE(SameCells(snap, base1, {331, 127}, {316, 127, 2, 3}));
      for (int x : {262, 267, 272})
        EXPECT_TRUE(SameCells(snap, base1, {x, 127}, {277, 127, 2, 3})) << x;
      EXPECT_EQ(SpeedNumber(snap, base1, 0), 20);
      // Nothing of the panel outside the movie rectangle.
      EXPECT_EQ(snap.at(kInZoomedMovie.x, kInZoomedMovie.y), 0u);
    }
  }
}

TEST_F(ViewerPlayback, PhotoFilmsThreeAndSevenTakeTurnsWithRotationOn) {
  PhotoFilm("Zz3.bmp", 3, 2);
  PhotoFilm("zz7.BMP", 7, 2);
  const auto seen =
      Runs(Watch("start\nwait 200\n" + kPhotoRotation + kLevel1, kInPhotoFilm, 100, 40));
  const std::vector<gfx::Pixel> expected = {FrameColour(false, 3, 0), FrameColour(false, 3, 1),
                                            FrameColour(false, 7, 0), FrameColour(false, 7, 1),
                                            FrameColour(false, 3, 0), FrameColour(false, 3, 1)};
  ASSERT_GE(seen.size(), expected.size());
  EXPECT_EQ(std::vector<gfx::Pixel>(seen.begin(), seen.begin() + 6), expected);
}

TEST_F(ViewerPlayback, HiddenFilmIsSkippedAndTheLastOneOpensAgain) {
  PhotoFilm("Zz3.bmp", 3, 2);
  PhotoFilm("Zz7.bmp", 7, 2);
  SimResult r;
  const auto seen =
      Runs(Watch("start\nwait 200\n" + kPhotoRotation + PhotoFilmButton(3, " right") + kLevel1,
                 kInPhotoFilm, 100, 40, &r));
  EXPECT_TRUE(r.Has("300 effect 20")) << r.log;
  const std::vector<gfx::Pixel> expected = {FrameColour(false, 3, 0), FrameColour(false, 3, 1),
                                            FrameColour(false, 7, 0), FrameColour(false, 7, 1),
                                            FrameColour(false, 7, 0), FrameColour(false, 7, 1)};
  ASSERT_GE(seen.size(), expected.size());
  EXPECT_EQ(std::vector<gfx::Pixel>(seen.begin(), seen.begin() + 6), expected);
  // Film 7 opened anew each time (its rectangle taken out and put back).
  EXPECT_GE(r.Events("region main").size(), 8u) << r.log;
  const SimResult again = Run("start\nwait 200\n" + PhotoFilmButton(3, " right") + "wait 100\n" +
                              PhotoFilmButton(3, " right"));
  EXPECT_TRUE(again.Has("200 effect 20")) << again.log;
  EXPECT_TRUE(again.Has("300 effect 69")) << again.log;
}

TEST_F(ViewerPlayback, AMoviePlaysFourTimesBeforeTheNextOne) {
  Movie("Y_e101.bmp", 1, 2);
  Movie("Y_e102.bmp", 2, 2);
  const auto seen = Runs(Watch("start\nwait 200\n" + kNomalRotation + kLevel1, kInMovie, 100, 40));
  std::vector<gfx::Pixel> expected;
  for (int pass = 0; pass < 4; ++pass)
    expected.insert(expected.end(), {FrameColour(true, 1, 0), FrameColour(true, 1, 1)});
  expected.insert(expected.end(), {FrameColour(true, 2, 0), FrameColour(true, 2, 1)});
  ASSERT_GE(seen.size(), expected.size());
  EXPECT_EQ(std::vector<gfx::Pixel>(seen.begin(), seen.begin() + 10), expected);
}

TEST_F(ViewerPlayback, ReverseRotationRunsDownwardsFromTheLastFrame) {
  PhotoFilm("Zz3.bmp", 3, 2);
  PhotoFilm("Zz7.bmp", 7, 2);
  // Level -1 with the viewer closed opens film 3 forward (the level in force), then plays
  // backwards: the first tick finds its beginning and the rotation goes down, wrapping to
  // film 7, which opens on its last frame.
  const auto seen =
      Runs(Watch("start\nwait 200\n" + kPhotoRotation + kLevelMinus1, kInPhotoFilm, 100, 40));
  const std::vector<gfx::Pixel> expected = {FrameColour(false, 7, 1), FrameColour(false, 7, 0),
                                            FrameColour(false, 3, 1), FrameColour(false, 3, 0),
                                            FrameColour(false, 7, 1), FrameColour(false, 7, 0)};
  ASSERT_GE(seen.size(), expected.size());
  EXPECT_EQ(std::vector<gfx::Pixel>(seen.begin(), seen.begin() + 6), expected);
}

TEST_F(ViewerPlayback, FrameSteppingPausesThenMovesOneFrameAndWraps) {
  Movie("Y_e101.bmp", 1, 4);
  std::string script = "start\nwait 200\n" + kLevel1 + "wait 400\n";  // frame 1 is shown from 940
  int snaps = 0;
  const auto add = [&](const std::string& line) {
    script += line;
    script += "snap main " + File("s" + std::to_string(snaps++) + ".bmp").string() + "\n";
  };
  add("");                                   // frame 1
  add(kStepForward);                         // pauses without moving
  add("wait 1000\n");                        // no tick while paused
  add(kStepForward);                         // 2
  add(kStepForward);                         // 3
  add(kStepForward);                         // wraps to 0
  add(kStepReverse);                         // back over the start to 3
  add(kStop + "wait 100\n" + kStepForward);  // closed: opens and shows frame 0
  add("wait 2000\n");                        // and stays paused
  Run(script);
  const std::vector<int> expected = {1, 1, 1, 2, 3, 0, 3, 0, 0};
  ASSERT_EQ(snaps, static_cast<int>(expected.size()));
  for (int i = 0; i < snaps; ++i)
    EXPECT_EQ(Picture("s" + std::to_string(i) + ".bmp").at(kInMovie.x, kInMovie.y),
              FrameColour(true, 1, expected[static_cast<std::size_t>(i)]))
        << "snap " << i;
}

TEST_F(ViewerPlayback, PhotoFilmsAndMoviesKeepTheirOwnSpeedIndices) {
  PhotoFilm("Zz1.bmp", 1, 3);
  Movie("Y_e101.bmp", 1, 3);
  std::string script = "start\nwait 200\nskin BASE1 " + File("base1.bmp").string() + "\n";
  int snaps = 0;
  const auto add = [&](const std::string& line) {
    script += line;
    script += "snap main " + File("s" + std::to_string(snaps++) + ".bmp").string() + "\n";
  };
  add(kLevel1 + kPlus + kPlus);
  add(PhotoFilmButton(1));
  add(kMinus);
  add(MovieButton(0, 1) + "key message ENTER\nwait 500\n");
  add(kLevelMinus2);
  add(kReset);
  add(kPlus + kPlus + kPlus);
  const SimResult r = Run(script);
  const gfx::Bitmap base1 = Picture("base1.bmp");
  EXPECT_EQ(SpeedNumber(Picture("s0.bmp"), base1, 0), 22) << "movies, level 1";
  EXPECT_EQ(SpeedNumber(Picture("s1.bmp"), base1, 0), 20) << "photo films, level 1";
  EXPECT_EQ(SpeedNumber(Picture("s2.bmp"), base1, 0), 19) << "photo films, level 1, minus";
  EXPECT_EQ(SpeedNumber(Picture("s3.bmp"), base1, 0), 22) << "movies again";
  EXPECT_EQ(SpeedNumber(Picture("s4.bmp"), base1, 1), 50) << "level -2 in red";
  EXPECT_EQ(SpeedNumber(Picture("s5.bmp"), base1, 1), 50) << "reset";
  EXPECT_EQ(SpeedNumber(Picture("s6.bmp"), base1, 1), 53);
  EXPECT_EQ(r.Events("effect 0").size(), 6u) << r.log;
  const auto resets = r.Events("effect 3");
  EXPECT_EQ(std::count_if(resets.begin(), resets.end(),
                          [](const std::string& l) { return l.ends_with(" effect 3"); }),
            1)
      << r.log;
}

TEST_F(ViewerPlayback, SpeedIndicesStopAtTheirEnds) {
  Movie("Y_e101.bmp", 1, 3);
  std::string script = "start\nwait 200\nskin BASE1 " + File("base1.bmp").string() + "\n" + kLevel1;
  for (int i = 0; i < 21; ++i) script += kMinus;
  script += "snap main " + File("low.bmp").string() + "\n";
  for (int i = 0; i < 101; ++i) script += kPlus;
  script += "snap main " + File("high.bmp").string() + "\n";
  Run(script);
  const gfx::Bitmap base1 = Picture("base1.bmp");
  EXPECT_EQ(SpeedNumber(Picture("low.bmp"), base1, 0), 0);
  EXPECT_EQ(SpeedNumber(Picture("high.bmp"), base1, 0), 99);
}

TEST_F(ViewerPlayback, ZoomWorksInEveryState) {
  PhotoFilm("Zz1.bmp", 1, 2);
  Movie("Y_e101.bmp", 1, 2);
  std::string script = "start\nwait 200\n";
  int snaps = 0;
  const auto add = [&](const std::string& line) {
    script += line;
    script += "snap main " + File("s" + std::to_string(snaps++) + ".bmp").string() + "\n";
  };
  add(kZoom);                            // closed: the movie opens zoomed
  add(kZoom);                            // movie zoomed: back to normal
  add(PhotoFilmButton(1) + kZoom);       // photo film: zoomed
  add(kWallpaperButton + "wait 500\n");  // the gallery
  add(kZoom);                            // the photo films' zoom goes off again
  const SimResult r = Run(script);
  const auto at = [&](int i, gfx::Point p) {
    return Picture("s" + std::to_string(i) + ".bmp").at(p.x, p.y);
  };
  EXPECT_EQ(at(0, kInZoomedMovie), FrameColour(true, 1, 0));
  EXPECT_EQ(at(1, kInZoomedMovie), 0u);
  EXPECT_EQ(at(1, kInMovie), FrameColour(true, 1, 0));
  EXPECT_EQ(at(2, kInZoomedPhotoFilm), FrameColour(false, 1, 0));
  EXPECT_NE(at(3, kInWallpaper), FrameColour(false, 1, 0));  // the gallery shows its picture
  EXPECT_EQ(at(4, kInZoomedPhotoFilm), 0u);
  EXPECT_EQ(at(4, kInPhotoFilm), FrameColour(false, 1, 0));
  const auto zooms = r.Events("effect 6");
  ASSERT_EQ(zooms.size(), 4u) << r.log;
  EXPECT_NE(zooms[0].find("effect 67"), std::string::npos);
  EXPECT_NE(zooms[1].find("effect 61"), std::string::npos);
  EXPECT_NE(zooms[2].find("effect 67"), std::string::npos);
  EXPECT_NE(zooms[3].find("effect 61"), std::string::npos);
}

}  // namespace
}  // namespace tinto::test

namespace tinto::test {
namespace {

TEST_F(ViewerPlayback, SleepingTimersShowTheSameFramesAsWakingForEveryTick) {
  // The frame clock sleeps through ticks that cannot draw; the pictures and the log must
  // be those of a loop that wakes every 10 ms, through playback, rotation, the wallpaper
  // animation and its quiet end, stepping and stopping.
  Movie("Y_e101.bmp", 1, 3);
  Movie("Y_e102.bmp", 2, 2);
  for (int n = 1; n <= 3; ++n) WallpaperFiles(n);
  const auto script = [&](const std::string& prefix) {
    std::string s = "tickcount 4294966000\nstart\nwait 200\n" + kNomalRotation + kLevel1;
    int k = 0;
    const auto snap = [&](const std::string& before) {
      s += before + "snap main " + File(prefix + std::to_string(k++) + ".bmp").string() + "\n";
    };
    for (int i = 0; i < 12; ++i) snap("wait 333\n");
    snap(kPlus + kPlus + kLevelMinus2 + "wait 777\n");
    snap(kWallpaperButton + "wait 90\n");
    snap(kWallpaperButton + "wait 150\n");
    snap("wait 3000\n");
    snap(kZoom + "wait 1234\n");
    snap(kStepForward + kStepForward + "wait 500\n");
    snap(kStop + "wait 700\n");
    return s;
  };
  const SimResult sleeping = Run(script("a"));
  const SimResult every = Run(script("b"), true);
  EXPECT_EQ(sleeping.log, every.log);
  for (int k = 0; k < 19; ++k)
    EXPECT_EQ(ReadAll("a" + std::to_string(k) + ".bmp"), ReadAll("b" + std::to_string(k) + ".bmp"))
        << k;
}

}  // namespace
}  // namespace tinto::test

namespace tinto::test {
namespace {

TEST_F(ViewerPlayback, MovieSoundCheersAtTheEndOfPassesOnlyWhenOn) {
  Movie("Y_e101.bmp", 1, 2);
  const auto cheers = [](const SimResult& r) {
    return Exactly(r, "effect 35") + Exactly(r, "effect 36");
  };
  // Level 1 reopens NOMAL 1 without the click's cheer; ten passes of 680 ms follow.
  const SimResult quiet = Run("start\nwait 200\n" + kLevel1 + "wait 6800\n");
  EXPECT_EQ(cheers(quiet), 0) << quiet.log;
  const SimResult loud = Run("start\nwait 200\n" + Click(213, 211) + kLevel1 + "wait 6800\n");
  EXPECT_TRUE(loud.Has("200 effect 36")) << loud.log;  // the switch going on
  EXPECT_GE(cheers(loud), 1 + 4) << loud.log;          // about four passes in five cheer
  EXPECT_LE(cheers(loud), 1 + 10) << loud.log;
}

TEST_F(ViewerPlayback, TheCountdownAlarmClosesTheOpenPanel) {
  Movie("Y_e101.bmp", 1, 2);
  // Minus with Shift at 00:00:00 rings two second changes later.
  const SimResult r =
      Run("start\nwait 200\n" + kLevel1 + Click(296, 298, " shift") + "wait 3000\n");
  const auto regions = r.Events("region main");
  ASSERT_GE(regions.size(), 4u) << r.log;
  EXPECT_EQ(regions.back().substr(regions.back().find("region")),
            regions.front().substr(regions.front().find("region")))
      << r.log;
  EXPECT_TRUE(r.Has("2000 effect 10")) << r.log;
}

}  // namespace
}  // namespace tinto::test
