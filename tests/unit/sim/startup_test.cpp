// Start-up and shutdown on the simulator: single instance, the first main tick and the
// host game question, the window's place and shape.
#include <unistd.h>

#include <array>
#include <fstream>

#include "app/main_hotspots.h"
#include "sim_fixture.h"

namespace tinto::test {
namespace {

using StartUp = SimTest;

TEST_F(StartUp, EmptyFolderShowsTheWindowAtTheFirstMainTick) {
  const SimResult r = Run("start\nwait 1000\n");
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_TRUE(r.Has("0 moved main 65 179")) << r.log;
  EXPECT_TRUE(r.Has("125 effect 11")) << r.log;
  EXPECT_TRUE(r.Has("125 show main")) << r.log;
  EXPECT_LT(r.log.find("125 effect 11"), r.log.find("125 show main"));
  EXPECT_TRUE(r.Events("ask").empty());
  EXPECT_TRUE(r.Events("exit").empty());
}

TEST_F(StartUp, TemporaryFilesOfSavesWhoseProcessIsGoneAreRemoved) {
  // 4194305 is past the largest process id the system gives; this process is alive.
  const std::string ours = ".Xx.txt.tmp" + std::to_string(::getpid()) + "-1";
  for (const std::string& name :
       {std::string(".Xx.txt.tmp4194305-3"), ours, std::string(".Tinto.ini.tmp4194305-12"),
        std::string("notes.tmp1-1")})
    std::ofstream(File(name)) << "part";
  const SimResult r = Run("start\nwait 200\n");
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_FALSE(std::filesystem::exists(File(".Xx.txt.tmp4194305-3")));
  EXPECT_FALSE(std::filesystem::exists(File(".Tinto.ini.tmp4194305-12")));
  EXPECT_TRUE(std::filesystem::exists(File(ours)));
  EXPECT_TRUE(std::filesystem::exists(File("notes.tmp1-1")));
}

TEST_F(StartUp, PlacementFollowsTheScreen) {
  // Centred, then 25 pixels to the left; a screen narrower than the window gives a
  // negative left edge.
  EXPECT_TRUE(Run("screen 1024 768\nstart\n").Has("0 moved main 65 179"));
  EXPECT_TRUE(Run("screen 640 480\nstart\n").Has("0 moved main -127 35"));
}

TEST_F(StartUp, HostGameQuestionOkEndsTheProgramUnshown) {
  for (const char* cls : {"TFM", "TSPFM", "TkeyFM"}) {
    const SimResult r =
        Run(std::string("hostgame ") + cls + "\nstart\nwait 200\nkey message ENTER\nwait 500\n");
    EXPECT_EQ(r.status, 0);
    const auto asks = r.Events("ask ");
    ASSERT_EQ(asks.size(), 1u) << r.log;
    EXPECT_EQ(asks[0],
              "125 ask \"「Quiroちゃん "
              "Rondelay」と同時起動はできないの☆\\r\\nゲーム本体が起動中の場合は、"
              "まずそれを終了させてから、\\r\\n改めて「QuiroＥＤＩＴ」を起動し直してね！\\r\\n\\r\\"
              "nQuiroからの、"
              "オ・ネ・ガ・イ・よ♪\"");
    EXPECT_FALSE(r.Has("125 show main")) << r.log;
    EXPECT_TRUE(r.Events("show main").empty()) << r.log;
    EXPECT_EQ(r.Events("exit").size(), 1u) << r.log;
    EXPECT_TRUE(r.Events("exit 0").size() == 1u) << r.log;
  }
}

TEST_F(StartUp, HostGameQuestionCancelShowsTheWindow) {
  // CANSEL at (200, 130) inside its box; the OK press and the wait keep the question up
  // for 300 ms and the window shows when it closes.
  const SimResult r = Run("hostgame TFM\nstart\nwait 200\nclick message 200 130\nwait 200\n");
  EXPECT_TRUE(r.Has("530 result message 2")) << r.log;
  EXPECT_TRUE(r.Has("530 effect 11")) << r.log;
  EXPECT_TRUE(r.Has("530 show main")) << r.log;
  EXPECT_TRUE(r.Events("exit").empty());
}

TEST_F(StartUp, HostGameQuestionKeys) {
  // Esc answers no at once; Shift+Space does nothing; Space alone answers OK.
  EXPECT_TRUE(
      Run("hostgame TFM\nstart\nwait 200\nkey message ESC\nwait 10\n").Has("200 show main"));
  const SimResult shifted =
      Run("hostgame TFM\nstart\nwait 200\nkey message SPACE shift\nwait 1000\n");
  EXPECT_TRUE(shifted.Events("result").empty()) << shifted.log;
  const SimResult space = Run("hostgame TFM\nstart\nwait 200\nkey message SPACE\nwait 1000\n");
  EXPECT_TRUE(space.Has("530 result message 1")) << space.log;
  EXPECT_TRUE(space.Events("show main").empty()) << space.log;
}

TEST_F(StartUp, TheQuestionIsDraggedByItsGrabPoint) {
  // Centred at (288, 303). A move names a client point: the same point again means the
  // pointer moved on with the window, as on the desktop.
  const SimResult r =
      Run("hostgame TFM\nstart\nwait 200\ndown message 150 100\nmove message 170 110\n"
          "move message 170 110\nup message 170 110\nmove message 100 100\n");
  EXPECT_TRUE(r.Has("200 moved message 308 313")) << r.log;
  EXPECT_TRUE(r.Has("200 moved message 328 323")) << r.log;
  EXPECT_EQ(r.Events("moved message").size(), 3u) << r.log;  // centring and two moves
}

TEST_F(StartUp, TimersRunWhileTheQuestionIsUp) {
  // The main window is disabled under the question; input for it is not delivered.
  const SimResult r = Run("hostgame TFM\nstart\nwait 200\nclick main 700 200\nwait 100\n");
  EXPECT_TRUE(r.Has("200 ignored 5")) << r.log;
}

TEST_F(StartUp, SecondCopyActivatesTheFirstAndEnds) {
  for (const char* state : {"normal", "minimised"}) {
    const SimResult r =
        Run(std::string("running ") + state + "\nstart\nwait 500\nclick main 700 200\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.log, "0 activate-other\n0 exit 0\n500 ignored 5\n") << r.log;
  }
}

TEST_F(StartUp, CloseButtonEndsTheProgram) {
  const SimResult r = Run("start\nwait 200\nclick main 770 115\nwait 500\n");
  EXPECT_TRUE(r.Has("200 effect 21")) << r.log;
  EXPECT_TRUE(r.Has("500 sound-stop")) << r.log;
  EXPECT_TRUE(r.Has("500 exit 0")) << r.log;
}

// The three hexagons of the skin, by a plain point-in-polygon test of each pixel centre.
bool InHexagons(int wx, int wy) {
  const std::array<std::array<int, 2>, 6> hex = {
      {{58, 0}, {175, 0}, {233, 100}, {174, 201}, {59, 201}, {0, 100}}};
  const std::array<std::array<int, 2>, 3> origins = {{{0, 0}, {0, 209}, {181, 104}}};
  const double px = wx - 430 + 0.5;
  const double py = wy + 0.5;
  for (const auto& o : origins) {
    int winding = 0;
    for (std::size_t i = 0; i < hex.size(); ++i) {
      const double x0 = hex[i][0] + o[0], y0 = hex[i][1] + o[1];
      const double x1 = hex[(i + 1) % 6][0] + o[0], y1 = hex[(i + 1) % 6][1] + o[1];
      const double cross = (x1 - x0) * (py - y0) - (px - x0) * (y1 - y0);
      if (y0 <= py && y1 > py && cross > 0) ++winding;
      if (y1 <= py && y0 > py && cross < 0) --winding;
    }
    if (winding != 0) return true;
  }
  return false;
}

TEST_F(StartUp, WindowRegionIsTheThreeHexagonsAndShowsTheSkin) {
  // With no photo film and no movie in the folder, their buttons show BASE2's look (the
  // number plates without buttons); everything else is BASE0.
  const SimResult r =
      Run("start\nsnap main " + File("snap.bmp").string() + "\nskin BASE0 " +
          File("base0.bmp").string() + "\nskin BASE2 " + File("base2.bmp").string() + "\n");
  const gfx::Bitmap snap = Picture("snap.bmp");
  gfx::Bitmap expected = Picture("base0.bmp");
  const gfx::Bitmap base2 = Picture("base2.bmp");
  for (int n = 1; n <= 9; ++n) {
    const gfx::Rect film = PhotoFilmBox(n);
    for (const gfx::Rect& rect : {film, gfx::Rect{film.left - 2, film.top + 5, 19, 5}})
      gfx::Blit(expected, {rect.left, rect.top}, base2, rect);
    for (int row = 0; row <= 1; ++row) {
      const gfx::Rect movie = MovieBox(row, n);
      for (const gfx::Rect& rect : {movie, gfx::Rect{movie.left - 2, movie.top + 3, 18, 9},
                                    gfx::Rect{movie.left - 3, movie.top + 7, 20, 1}})
        gfx::Blit(expected, {rect.left, rect.top}, base2, rect);
    }
  }
  ASSERT_EQ(snap.width(), 844);
  ASSERT_EQ(snap.height(), 410);
  std::int64_t area = 0;
  int mismatches = 0;
  for (int y = 0; y < 410; ++y) {
    for (int x = 0; x < 844; ++x) {
      if (InHexagons(x, y)) {
        ++area;
        if (snap.at(x, y) != expected.at(x - 430, y)) ++mismatches;
      } else if (snap.at(x, y) != 0) {
        ++mismatches;
      }
    }
  }
  EXPECT_TRUE(r.Has("0 region main " + std::to_string(area))) << r.log;
  EXPECT_EQ(mismatches, 0);
}

TEST_F(StartUp, ScriptErrorsNameTheLine) {
  std::ostringstream log, err;
  EXPECT_EQ(sim::RunScript("folder /tmp\nstart\nbogus 1\n", RunTinto, log, err), 2);
  EXPECT_NE(err.str().find("line 3"), std::string::npos) << err.str();
  for (const char* bad :
       {"folder /tmp\nstart\nclick main x 1\n", "folder /tmp\nstart\nclick nowhere 1 1\n",
        "folder /tmp\nstart\nkey main NOSUCHKEY\n", "start\n", "folder /tmp\nstart\nseed 3\n",
        "folder /tmp\nnow 2026-13-01 00:00:00\nstart\n", "folder /tmp\nstart\nsnap main\n",
        "folder \"/tmp\nstart\n"}) {
    std::ostringstream l, e;
    EXPECT_EQ(sim::RunScript(bad, RunTinto, l, e), 2) << bad;
    EXPECT_TRUE(l.str().empty()) << bad;
  }
}

}  // namespace
}  // namespace tinto::test
