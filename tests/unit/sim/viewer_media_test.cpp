// The viewer's files on the simulator: movie scans and unlocking in the host game's
// settings file, the wallpaper gallery with its installation of the secret wallpapers, and
// damaged strips and wallpapers that must give the placeholder or the blue picture.

#include <algorithm>

#include "gfx/jpeg.h"
#include "resources/resources.h"
#include "viewer_fixture.h"

namespace tinto::test {
namespace {

using ViewerMedia = ViewerTest;

constexpr const char* kUnlockNotice = "\"NOMAL- 1, 2\\r\\n\\r\\nムービーゲットだよ♪\"";
const std::string kIni =
    "; written by the host game\r\n[Options]\r\nNOMAL=5\r\n[Rondelay]\r\nVolume=80\r\n  nomal = 0 "
    "\r\nHARD_=9\r\n"
    "Stage=3\r\n\r\n[Key]\r\nJump=Z\r\n";

TEST_F(ViewerMedia, MovieBehindAGapStartsHiddenAndUnlocksOnlyTheCompleteRun) {
  for (const bool upper : {false, true}) {
    SetUp();
    for (const char* name : {"Y_e101.bmp", "Y_e102.bmp", "Y_e104.bmp"}) {
      std::string file = name;
      if (upper) std::transform(file.begin(), file.end(), file.begin(), ::toupper);
      Movie(file, 1, 2);
    }
    Bytes(upper ? "RONDELAY.INI" : "Rondelay.ini", kIni);
    // NOMAL 4 starts hidden; the right button finds it; opening it records nothing; NOMAL
    // 2 then unlocks 1 and 2. HARD_ is 9 already: nothing there ever writes.
    const SimResult r =
        Run("start\nwait 200\n" + MovieButton(0, 4) + "wait 100\n" + MovieButton(0, 4, " right") +
            "wait 100\n" + MovieButton(0, 4) + "wait 500\n" + MovieButton(0, 2) +
            "wait 100\nkey message ENTER\nwait 500\n" + MovieButton(0, 2) + "wait 500\n");
    EXPECT_EQ(Exactly(r, "effect 1"), 3) << r.log;  // the press on hidden NOMAL 4 took nothing
    EXPECT_TRUE(r.Has("300 effect 69")) << r.log;
    const auto notices = r.Events("notice");
    ASSERT_EQ(notices.size(), 1u) << r.log;
    EXPECT_EQ(notices[0].substr(notices[0].find(' ') + 8), kUnlockNotice);
    std::string expected = kIni;
    expected.replace(expected.find("  nomal = 0 "), 12, "  nomal = 2");
    EXPECT_EQ(ReadAll(upper ? "RONDELAY.INI" : "Rondelay.ini"), expected) << "upper " << upper;
    EXPECT_TRUE(r.Events("error").empty()) << r.log;
    TearDown();
  }
}

TEST_F(ViewerMedia, UnlockWritesTheProgressAndListsEveryNewMovie) {
  for (int n = 1; n <= 5; ++n) Movie("Y_e10" + std::to_string(n) + ".bmp", n, 1);
  for (int n = 1; n <= 2; ++n) Movie("Y_e30" + std::to_string(n) + ".bmp", n, 1);
  const SimResult r =
      Run("start\nwait 200\n" + MovieButton(0, 3) + "wait 100\nkey message ENTER\nwait 500\n" +
          MovieButton(0, 2) + "wait 500\n" + MovieButton(0, 5) +
          "wait 100\nkey message ENTER\nwait 500\n" + MovieButton(1, 2) +
          "wait 100\nkey message ENTER\nwait 500\n");
  const auto notices = r.Events("notice");
  ASSERT_EQ(notices.size(), 3u) << r.log;
  EXPECT_NE(notices[0].find("\"NOMAL- 1, 2, 3\\r\\n"), std::string::npos) << notices[0];
  EXPECT_NE(notices[1].find("\"NOMAL- 4, 5\\r\\n"), std::string::npos) << notices[1];
  EXPECT_NE(notices[2].find("\"HARD- 1, 2\\r\\n"), std::string::npos) << notices[2];
  EXPECT_EQ(ReadAll("Rondelay.ini"), "[Rondelay]\r\nNOMAL=5\r\nHARD_=2\r\n");
}

TEST_F(ViewerMedia, AProgressOutsideZeroToNineIsHeldToThatRange) {
  // Values that would list 2^31 movies (or a wrapped sequence) read as 0, or 9 above it.
  struct Case {
    const char* value;
    const char* notice;  // nothing when no notice may appear
  };
  const Case cases[] = {
      {"-2147483648", "\"NOMAL- 1\\r\\n"},
      {"2147483648", "\"NOMAL- 1\\r\\n"},  // wraps to
                                           // -2147483648
      {"-3", "\"NOMAL- 1\\r\\n"},
      {"-20000000", "\"NOMAL- 1\\r\\n"},
      {"12", nullptr},
  };
  for (const Case& c : cases) {
    SetUp();
    Movie("Y_e101.bmp", 1, 1);
    Movie("Y_e301.bmp", 1, 1);
    Bytes("Rondelay.ini",
          std::string("[Rondelay]\r\nNOMAL=") + c.value + "\r\nHARD_=" + c.value + "\r\n");
    const SimResult r =
        Run("start\nwait 200\n" + MovieButton(0, 1) + "wait 100\nkey message ENTER\nwait 500\n" +
            MovieButton(1, 1) + "wait 100\nkey message ENTER\nwait 500\n");
    const auto notices = r.Events("notice");
    if (c.notice == nullptr) {
      EXPECT_TRUE(notices.empty()) << c.value << "\n" << r.log;
    } else {
      ASSERT_EQ(notices.size(), 2u) << c.value << "\n" << r.log;
      EXPECT_NE(notices[0].find(c.notice), std::string::npos) << c.value << ": " << notices[0];
      EXPECT_NE(notices[1].find("\"HARD- 1\\r\\n"), std::string::npos) << c.value;
      EXPECT_EQ(ReadAll("Rondelay.ini"), "[Rondelay]\r\nNOMAL=1\r\nHARD_=1\r\n") << c.value;
    }
    TearDown();
  }
}

TEST_F(ViewerMedia, SettingsFilesOfCrLineEndsOrUtf16ReadAndKeepTheirForm) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  const auto utf16 = [](std::string_view ascii) {
    std::string out = "\xFF\xFE";
    for (char ch : ascii) out += std::string{ch, '\0'};
    return out;
  };
  const Case cases[] = {
      {"CR line ends", "[Rondelay]\rNOMAL=2\rHARD_=0\r", "[Rondelay]\rNOMAL=3\rHARD_=0\r"},
      {"UTF-16", utf16("[Rondelay]\r\nNOMAL=2\r\nHARD_=0\r\n"),
       utf16("[Rondelay]\r\nNOMAL=3\r\nHARD_=0\r\n")},
  };
  for (const Case& c : cases) {
    SetUp();
    for (int n = 1; n <= 3; ++n) Movie("Y_e10" + std::to_string(n) + ".bmp", n, 1);
    Bytes("Rondelay.ini", c.before);
    const SimResult r =
        Run("start\nwait 200\n" + MovieButton(0, 3) + "wait 100\nkey message ENTER\nwait 500\n");
    const auto notices = r.Events("notice");
    ASSERT_EQ(notices.size(), 1u) << c.name << "\n" << r.log;
    EXPECT_NE(notices[0].find("\"NOMAL- 3\\r\\n"), std::string::npos) << c.name << notices[0];
    EXPECT_EQ(ReadAll("Rondelay.ini"), c.after) << c.name;
    TearDown();
  }
}

TEST_F(ViewerMedia, AFailedSettingsWriteIsReportedAndChangesNothing) {
  Movie("Y_e101.bmp", 1, 1);
  Bytes("Rondelay.ini", kIni);
  MakeReadOnly("Rondelay.ini");
  const SimResult r = Run("start\nwait 200\n" + MovieButton(0, 1) + "wait 500\n");
  EXPECT_EQ(r.Events("error").size(), 1u) << r.log;
  EXPECT_TRUE(r.Events("notice").empty()) << r.log;
  EXPECT_EQ(ReadAll("Rondelay.ini"), kIni);
}

TEST_F(ViewerMedia, RightButtonOnAMissingMovieOpensThePlaceholderWithMoviesSelected) {
  PhotoFilm("Zz2.bmp", 2, 2);  // photo films are the start-up selection
  SimResult shown;
  const auto seen = Watch("start\nwait 200\n" + MovieButton(1, 5, " right") + "wait 100\n",
                          kInMovie, 100, 1, &shown);
  EXPECT_NE(shown.Events("region main").size(), 1u) << shown.log;  // the movie rectangle opened
  EXPECT_NE(seen[0], FrameColour(false, 2, 0));
  const SimResult r =
      Run("start\nwait 200\n" + MovieButton(1, 5, " right") + "wait 100\n" + kStop + "wait 100\n" +
          kLevel1 + "wait 100\nsnap main " + File("again.bmp").string() + "\n");
  EXPECT_TRUE(r.Has("200 effect 68")) << r.log;
  EXPECT_NE(Picture("again.bmp").at(kInPhotoFilm.x - 20, kInPhotoFilm.y), FrameColour(false, 2, 0));
}

// ---- wallpapers

std::string Presses(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += kWallpaperButton + "wait 400\nkey message ENTER\nwait 400\n";
  return s;
}

TEST_F(ViewerMedia, GalleryInstallsTheSecretWallpapersOnceInOrder) {
  for (int n = 1; n <= 3; ++n) WallpaperFiles(n);
  const SimResult r = Run("start\nwait 200\n" + Presses(10));
  const auto notices = r.Events("notice");
  ASSERT_EQ(notices.size(), 2u) << r.log;
  EXPECT_NE(notices[0].find("\"秘密の壁紙 「4」 ゲットだよ♪\""), std::string::npos) << notices[0];
  EXPECT_NE(notices[1].find("\"秘密の壁紙 「5」 ゲットだよ♪\""), std::string::npos) << notices[1];
  for (int n = 4; n <= 5; ++n) {
    const std::string number = "0" + std::to_string(n);
    const auto big = gfx::LoadJpegFile(File("X_b" + number + ".jpg"));
    const auto small = gfx::LoadJpegFile(File("X_s" + number + ".jpg"));
    ASSERT_TRUE(big && small) << n;
    EXPECT_EQ(big->size(), (gfx::Size{640, 480}));
    EXPECT_EQ(small->size(), (gfx::Size{320, 240}));
  }
  // Every press plays effect 2 and, once the picture is complete, effect 40.
  EXPECT_EQ(r.Events("effect 40").size(), 10u) << r.log;
}

TEST_F(ViewerMedia, GalleryWithoutTheHostGamesOwnWallpapersNeverInstalls) {
  for (const std::vector<int>& present : {std::vector<int>{1, 3}, std::vector<int>{1, 2}}) {
    SetUp();
    for (int n : present) WallpaperFiles(n);
    const SimResult r = Run("start\nwait 200\n" + Presses(6));
    EXPECT_TRUE(r.Events("notice").empty()) << r.log;
    EXPECT_FALSE(std::filesystem::exists(File("X_s04.jpg")));
    TearDown();
  }
}

TEST_F(ViewerMedia, InstalledWallpaperFiveBeforeFourIsInstalledAgainAfterFour) {
  for (int n : {1, 2, 3, 5}) WallpaperFiles(n);
  const SimResult r = Run("start\nwait 200\n" + Presses(5));
  EXPECT_EQ(r.Events("notice").size(), 2u) << r.log;
}

TEST_F(ViewerMedia, AFailedInstallationIsReportedAndNotCounted) {
  for (int n = 1; n <= 3; ++n) WallpaperFiles(n);
  Bytes("X_s04.jpg", "old");
  MakeReadOnly("X_s04.jpg");
  const SimResult r = Run("start\nwait 200\n" + Presses(5));
  EXPECT_EQ(r.Events("error").size(), 1u) << r.log;
  EXPECT_TRUE(r.Events("notice").empty()) << r.log;  // 5 needs 4 first
  EXPECT_EQ(ReadAll("X_s04.jpg"), "old");
  EXPECT_FALSE(std::filesystem::exists(File("X_b04.jpg")));
  for (const auto& entry : std::filesystem::directory_iterator(folder_))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(ViewerMedia, ADamagedWallpaperShowsBlueAndTheNextPressGoesOnToTheNextNumber) {
  const auto bytes = resources::Find("JPG", "WALLS4");
  const std::string whole(bytes.begin(), bytes.end());
  WallpaperFiles(1, "", "", "WALLS4");
  WallpaperFiles(2, "", whole.substr(0, whole.size() / 2));  // X_s02.jpg cut short
  WallpaperFiles(3, "", "", "WALLS5");
  const auto blue = Watch("start\nwait 200\n" + Presses(2), kInWallpaper, 100, 1);
  EXPECT_EQ(blue[0], gfx::MakePixel(0, 0, 255));
  // Press 3 shows wallpaper 3 (a copy of secret 5's picture), not wallpaper 1 again.
  const auto third = Watch("start\nwait 200\n" + Presses(3), kInWallpaper, 100, 1);
  const auto first = Watch("start\nwait 200\n" + Presses(1), kInWallpaper, 100, 1);
  EXPECT_NE(third[0], first[0]);
  // Presses 4 and 5 reach the secret wallpapers and install them; the blue one never is.
  const SimResult r = Run("start\nwait 200\n" + Presses(6));
  const auto notices = r.Events("notice");
  ASSERT_EQ(notices.size(), 2u) << r.log;
  EXPECT_NE(notices[0].find("「4」"), std::string::npos) << notices[0];
  EXPECT_NE(notices[1].find("「5」"), std::string::npos) << notices[1];
  EXPECT_TRUE(std::filesystem::exists(File("X_b05.jpg")));
}

TEST_F(ViewerMedia, TheGalleryAfterAFrameStepAnimatesEveryPress) {
  // A frame step pauses playback; opening a wallpaper plays again, so each press grows its
  // own picture, ends with effect 40 and installs the secrets.
  for (int n = 1; n <= 3; ++n) WallpaperFiles(n);
  PhotoFilm("Zz2.bmp", 2, 2);
  const std::string step = PhotoFilmButton(2) + "wait 300\n" + kStepForward + "wait 300\n";
  const SimResult r = Run("start\nwait 200\n" + step + Presses(5));
  EXPECT_EQ(r.Events("effect 40").size(), 5u) << r.log;
  EXPECT_EQ(r.Events("notice").size(), 2u) << r.log;
  // The first press after the step shows wallpaper 1 whole, as without the step.
  const auto stepped = Watch("start\nwait 200\n" + step + Presses(2), kInWallpaper, 100, 1);
  const auto plain = Watch("start\nwait 200\n" + Presses(2), kInWallpaper, 100, 1);
  EXPECT_EQ(stepped[0], plain[0]);
}

// ---- damaged strips

std::string Le32(std::uint32_t v) {
  return {char(v & 255), char(v >> 8 & 255), char(v >> 16 & 255), char(v >> 24 & 255)};
}
// An RLE8 bitmap of the given size whose data ends the picture at once: valid, tiny, and
// as large in memory as its header says.
std::string RleBomb(int width, int height) {
  std::string h = "BM" + Le32(64) + Le32(0) + Le32(62);
  h +=
      Le32(40) + Le32(static_cast<std::uint32_t>(width)) + Le32(static_cast<std::uint32_t>(height));
  h += std::string("\x01\x00\x08\x00", 4) + Le32(1) + Le32(2) + Le32(2835) + Le32(2835) + Le32(2) +
       Le32(0);
  h += std::string("\x00\x00\x00\x00\xff\xff\xff\x00", 8) + std::string("\x00\x01", 2);
  return h;
}

TEST_F(ViewerMedia, DamagedStripsPlayThePlaceholder) {
  gfx::Bitmap narrow(200, 100, gfx::MakePixel(9, 9, 9));  // no whole frame of either kind
  std::string narrow_file;
  {
    ASSERT_TRUE(gfx::SaveBmp24(File("narrow.bmp"), narrow));
    narrow_file = ReadAll("narrow.bmp");
  }
  Movie("good.bmp", 1, 3);
  const std::string good = ReadAll("good.bmp");
  const std::string issue_bomb = [] {
    const char* hex =
        "424d40000000000000003e000000280000000040000000400000010008000100000000000000130b0000130b00"
        "000200"
        "00000000000010203000102030000001";
    std::string out;
    for (const char* p = hex; p[0] && p[1]; p += 2)
      out += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    return out;
  }();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"garbage", std::string(5000, '\x5a')},
      {"truncated", good.substr(0, good.size() / 2)},
      {"zero frames", narrow_file},
      {"16384 x 16384 RLE8", issue_bomb},
      {"too many frames", RleBomb(214 * 200, 160)},
      {"empty", ""},
  };
  for (const auto& [what, bytes] : cases) {
    Bytes("Y_e101.bmp", bytes);
    Bytes("Zz1.bmp", bytes);
    const SimResult r = Run("start\nwait 200\n" + MovieButton(0, 1) + "wait 100\nsnap main " +
                            File("m.bmp").string() + "\n" + PhotoFilmButton(1) +
                            "wait 100\nsnap main " + File("p.bmp").string() + "\n");
    EXPECT_EQ(r.status, 0) << what;
    const gfx::Bitmap movie = Picture("m.bmp");
    const gfx::Bitmap photo = Picture("p.bmp");
    // Black around the logo, and the logo itself in the middle of the frame.
    EXPECT_EQ(movie.at(kInMoviePlaceholderBlack.x, kInMoviePlaceholderBlack.y), 0u) << what;
    bool logo = false;
    for (int x = 263; x < 390 && !logo; ++x)
      logo = movie.at(x, 190 + 10) != 0 || movie.at(x, 195) != 0;
    EXPECT_TRUE(logo) << what;
    EXPECT_EQ(photo.at(kInPhotoFilm.x, kInPhotoFilm.y + 50), 0u) << what;
  }
}

}  // namespace
}  // namespace tinto::test
