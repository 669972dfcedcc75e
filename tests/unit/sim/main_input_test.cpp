// The main window's input on the simulator: box edges, dragging, keys, the help picture,
// the clock and the countdown with its alarm.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "music_files.h"
#include "sim_fixture.h"

namespace tinto::test {
namespace {

using MainInput = SimTest;

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Window coordinates of a skin point.
std::string At(int x, int y) {
  return std::to_string(x + 430) + " " + std::to_string(y);
}

TEST_F(MainInput, MinimiseBoxEdgeStartsADragInstead) {
  const SimResult edge =
      Run("start\nwait 200\ndown main " + At(301, 110) + "\nmove main " + At(311, 120) + "\n");
  EXPECT_TRUE(edge.Events("minimised").empty()) << edge.log;
  EXPECT_TRUE(edge.Has("200 moved main 75 189")) << edge.log;
  const SimResult inside = Run("start\nwait 200\nclick main " + At(302, 110) + "\nwait 400\n");
  EXPECT_TRUE(inside.Has("200 effect 28")) << inside.log;
  EXPECT_TRUE(inside.Has("500 minimised")) << inside.log;
}

TEST_F(MainInput, DraggingFollowsTheGrabPointUntilRelease) {
  const SimResult r = Run("start\nwait 200\ndown main " + At(200, 20) + "\nmove main " +
                          At(190, 25) + "\nmove main " + At(190, 25) + "\nup main " + At(190, 25) +
                          "\nmove main " + At(0, 0) + "\n");
  EXPECT_TRUE(r.Has("200 moved main 55 184")) << r.log;
  EXPECT_TRUE(r.Has("200 moved main 45 189")) << r.log;
  EXPECT_EQ(r.Events("moved main").size(), 3u) << r.log;  // placement and two moves
}

TEST_F(MainInput, RightAndMiddleButtonsNeverDrag) {
  const SimResult r =
      Run("start\nwait 200\ndown main " + At(200, 20) + " middle\nmove main " + At(100, 20) +
          "\ndown main " + At(200, 20) + " right\nmove main " + At(100, 20) + "\n");
  EXPECT_EQ(r.Events("moved main").size(), 1u) << r.log;
}

TEST_F(MainInput, HelpPictureHidesTheCursorForFourSeconds) {
  const SimResult r = Run("start\nwait 200\nclick main " + At(350, 131) + "\nwait 10\n");
  EXPECT_TRUE(r.Has("200 effect 2")) << r.log;
  EXPECT_TRUE(r.Has("200 cursor hidden")) << r.log;
  EXPECT_TRUE(r.Has("4200 cursor shown")) << r.log;
}

TEST_F(MainInput, SpaceOpensThePasswordButtonOnlyWithoutModifiers) {
  const SimResult shifted = Run("start\nwait 200\nkey main SPACE shift\n");
  EXPECT_TRUE(shifted.Events("effect 2").empty()) << shifted.log;
  const SimResult plain = Run("start\nwait 200\nkey main SPACE\n");
  EXPECT_TRUE(plain.Has("200 effect 2")) << plain.log;
}

TEST_F(MainInput, TimeOrDateToggle) {
  const SimResult r = Run("now 2026-12-10 09:30:00\nstart\nwait 200\nclick main " + At(260, 111) +
                          "\nwait 1000\nclick main " + At(260, 111) + "\n");
  EXPECT_TRUE(r.Has("200 effect 68")) << r.log;
  EXPECT_TRUE(r.Has("1300 effect 69")) << r.log;
}

TEST_F(MainInput, AlarmSoundChoiceWrapsOverTheFoundFiles) {
  for (const char* name : {"Y_q12.wav", "y_Q40.WAV"}) std::ofstream(File(name)) << "x";
  const SimResult r = Run("start\nwait 200\nclick main " + At(360, 267) +
                          "\nwait 200\nclick main " + At(360, 267) + "\nwait 200\nclick main " +
                          At(360, 267) + "\nwait 200\nclick main " + At(332, 267) + "\n");
  EXPECT_TRUE(r.Has("200 effect 12")) << r.log;
  EXPECT_TRUE(r.Has("500 effect 40")) << r.log;
  EXPECT_TRUE(r.Has("800 effect 10")) << r.log;
  EXPECT_TRUE(r.Has("1100 effect 40")) << r.log;
}

TEST_F(MainInput, CountdownRingsAndAPressOnlySilencesIt) {
  // Minus with Shift at 00:00:00 counts from zero: the next second change reaches zero,
  // the one after starts the alarm. The panel blinks every main tick; a click anywhere
  // stops it with effect 32 and does nothing else.
  const SimResult r = Run("now 2026-01-01 12:00:00\nstart\nwait 200\nclick main " + At(296, 298) +
                          " shift\nwait 3000\nclick main " + At(302, 110) + "\nwait 1000\n");
  EXPECT_TRUE(r.Has("200 effect 3")) << r.log;
  EXPECT_TRUE(r.Has("2000 effect 10")) << r.log;  // seconds change at 1000 (zero) and 2000 (alarm)
  EXPECT_TRUE(r.Has("3300 effect 32")) << r.log;
  EXPECT_TRUE(r.Events("minimised").empty()) << r.log;
  EXPECT_EQ(r.Events("effect").size(), 4u) << r.log;  // 11, 3, 10, 32
}

TEST_F(MainInput, AlarmLoopsWhileTheLoopToggleIsOn) {
  const SimResult r =
      Run("start\nwait 200\nclick main " + At(327, 256) + "\nwait 200\nclick main " + At(346, 259) +
          "\nwait 200\nclick main " + At(327, 256) + "\n");
  EXPECT_TRUE(r.Has("500 effect-loop 10")) << r.log;
  EXPECT_TRUE(r.Has("800 sound-stop")) << r.log;
}

TEST_F(MainInput, SleepingTimersChangeNothingInTheLog) {
  const std::string script =
      "now 2026-01-01 12:00:59\nhostgame TFM\nstart\nwait 700\nkey message ESC\nwait 333\n"
      "click main " +
      At(346, 298) + "\nwait 5000\nclick main " + At(350, 131) + "\nwait 2000\nclick main " +
      At(296, 298) + " alt\nwait 2500\nclick main " + At(10, 10) + "\nwait 1200\n";
  const SimResult sleeping = Run(script);
  const SimResult every = Run(script, true);
  EXPECT_EQ(sleeping.log, every.log);
  EXPECT_FALSE(sleeping.log.empty());
}

// The main tick wakes the loop only for the ticks that can draw or play: every snapshot,
// taken all through second changes off the tick grid (the help picture's wait moves the
// grid), a dropped song's ends and a ringing alarm, shows what a loop woken for every tick
// shows.
TEST_F(MainInput, SleepingMainTicksShowTheSameWindow) {
  WriteWav(File("song.wav"), 1300);
  std::string script = "now 2026-01-01 12:00:58\nstart\nwait 200\nclick main " + At(350, 131) +
                       "\nwait 10\ndrop " + File("song.wav").string() + "\n";
  int snaps = 0;
  auto watch = [&](int count, int step) {
    for (int i = 0; i < count; ++i, ++snaps)
      script += "wait " + std::to_string(step) + "\nsnap main " +
                File("SNAP" + std::to_string(snaps) + ".bmp").string() + "\n";
  };
  watch(11, 190);  // the song's end at 5510; ticks at 4325 + 125k, seconds at 5000, 6000
  script += "click main " + At(296, 298) + " shift\nwait 1700\n";  // rings at 8000
  watch(6, 60);
  std::vector<std::string> shown[2];
  std::string logs[2];
  for (int every = 0; every < 2; ++every) {
    const SimResult r = Run(script, every == 1);
    logs[every] = r.log;
    for (int i = 0; i < snaps; ++i)
      shown[every].push_back(ReadAll(File("SNAP" + std::to_string(i) + ".bmp")));
  }
  EXPECT_EQ(logs[0], logs[1]);
  EXPECT_NE(logs[0].find("effect 10"), std::string::npos) << logs[0];  // the alarm rang
  EXPECT_GE(std::count(logs[0].begin(), logs[0].end(), '\n'), 8) << logs[0];
  for (int i = 0; i < snaps; ++i) EXPECT_TRUE(shown[0][i] == shown[1][i]) << "snapshot " << i;
}

}  // namespace
}  // namespace tinto::test
