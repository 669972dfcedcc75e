// The demo host-game folder written by the demo_game tool: every sound effect the program
// plays as a small valid WAV of the synthesized length, the songs as long as their tempo
// maps make them, and a second run that changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "media/media_length.h"
#include "media_test_files.h"
#include "tests/unit/demo_game_tool.h"
#include "tools/demo_game/drop_music.h"
#include "tools/demo_game/effect_list.h"
#include "tools/demo_game/song_list.h"

namespace tinto {
namespace {

const std::filesystem::path& kTool = test::kDemoGameTool;

int RunTool(const std::string& arguments) {
  return test::RunDemoGameTool(arguments);
}

std::filesystem::path MakeDemoFolder() {
  EXPECT_TRUE(std::filesystem::exists(kTool)) << "build the demo_game target first";
  auto dir = testing::FreshTestDir() / "game";
  EXPECT_EQ(RunTool("\"" + dir.string() + "\""), 0);
  return dir;
}

std::string EffectName(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "Y_q%02d.wav", number);
  return name;
}

std::uint32_t Le(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(DemoGame, WritesEveryEffectAsASmallValidWav) {
  const auto dir = MakeDemoFolder();
  // Every effect number the program plays, and alarm sounds beyond 10 to choose from.
  for (const int number : {0,  1,  2,  3,  10, 11, 20, 21, 28, 30, 31, 32, 33, 34,
                           35, 36, 40, 50, 51, 61, 67, 68, 69, 71, 12, 13, 15}) {
    EXPECT_TRUE(std::filesystem::exists(dir / EffectName(number))) << number;
  }
  std::set<std::string> sounds;
  for (const demo::EffectEntry& effect : demo::kDemoEffects) {
    const std::string name = EffectName(effect.number);
    const std::string bytes = testing::ReadBytes(dir / name);
    ASSERT_GE(bytes.size(), 44u) << name;
    EXPECT_LT(bytes.size(), 100u * 1024) << name;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF") << name;
    EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8) << name;
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << name;
    EXPECT_EQ(Le(bytes, 20, 2), 1u) << name << ": PCM";
    EXPECT_EQ(Le(bytes, 22, 2), 1u) << name << ": mono";
    EXPECT_EQ(Le(bytes, 24, 4), 22050u) << name;
    EXPECT_EQ(Le(bytes, 34, 2), 16u) << name;
    EXPECT_EQ(bytes.substr(36, 4), "data") << name;
    const std::uint32_t samples = static_cast<std::uint32_t>(effect.length_ms) * 22050 / 1000;
    EXPECT_EQ(Le(bytes, 40, 4), samples * 2) << name;
    EXPECT_EQ(MediaLengthMs(dir / name), static_cast<std::uint32_t>(effect.length_ms)) << name;

    // Audible, and faded out at the end so that neither the end nor a loop clicks.
    int peak = 0;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
      peak = std::max(peak, std::abs(static_cast<std::int16_t>(Le(bytes, at, 2))));
    }
    EXPECT_GT(peak, 32767 / 5) << name;
    const auto last = static_cast<std::int16_t>(Le(bytes, bytes.size() - 2, 2));
    EXPECT_LT(std::abs(last), peak / 50 + 1) << name;
    sounds.insert(bytes.substr(44));
  }
  EXPECT_EQ(sounds.size(), demo::kDemoEffects.size()) << "every effect sounds different";
}

TEST(DemoGame, SongsLastAsLongAsTheirTempoMapsSay) {
  const auto dir = MakeDemoFolder();
  for (const demo::SongPlan& song : demo::kDemoSongs) {
    std::uint64_t micros = 0;
    for (int bar = 0; bar < song.bars; ++bar) {
      std::uint32_t tempo = 0;
      for (const demo::TempoStep& step : song.tempi) {
        if (step.bar <= bar) tempo = step.micros_per_quarter;
      }
      micros += std::uint64_t{tempo} * demo::kSongBeatsPerBar;
    }
    EXPECT_NE(song.tempi[0].micros_per_quarter, song.tempi[1].micros_per_quarter) << song.file_name;
    EXPECT_EQ(MediaLengthMs(dir / song.file_name), micros / 1000) << song.file_name;
  }
}

TEST(DemoGame, EverySongOfThePlayerIsThereAndEachIsDifferent) {
  const auto dir = MakeDemoFolder();
  std::set<std::string> names;
  std::set<std::string> songs;
  for (const demo::SongPlan& song : demo::kDemoSongs) {
    names.insert(std::string(song.file_name));
    songs.insert(testing::ReadBytes(dir / song.file_name));
  }
  EXPECT_TRUE(names.count("Zz.mid"));
  for (int n = 1; n <= 16; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "Z%02d.mid", n);
    EXPECT_TRUE(names.count(name)) << name;
  }
  EXPECT_EQ(songs.size(), 17u);
}

TEST(DemoGame, WritesMusicForDroppingIntoASecondFolder) {
  const auto dir = testing::FreshTestDir();
  ASSERT_EQ(RunTool("\"" + (dir / "game").string() + "\" \"" + (dir / "music").string() + "\""), 0);
  for (const std::string_view name : demo::kDropTunes) {
    const auto length = MediaLengthMs(dir / "music" / name);
    ASSERT_TRUE(length.has_value()) << name;
    EXPECT_GE(*length, 5000u) << name;
    EXPECT_FALSE(std::filesystem::exists(dir / "game" / name)) << name;
  }
}

TEST(DemoGame, RunningAgainChangesNothingAndRepairsDamage) {
  const auto dir = MakeDemoFolder();
  std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> before;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    before[entry.path().filename().string()] = {testing::ReadBytes(entry.path()),
                                                entry.last_write_time()};
  }
  const std::string damaged = EffectName(demo::kDemoEffects[0].number);
  std::filesystem::resize_file(dir / damaged, 20);

  ASSERT_EQ(RunTool("\"" + dir.string() + "\""), 0);
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    ++files;
    ASSERT_TRUE(before.count(name)) << "left behind: " << name;
    EXPECT_EQ(testing::ReadBytes(entry.path()), before[name].first) << name;
    if (name != damaged) {
      EXPECT_EQ(entry.last_write_time(), before[name].second) << name << " was rewritten";
    }
  }
  EXPECT_EQ(files, before.size());
}

TEST(DemoGame, RefusesBadArguments) {
  ASSERT_TRUE(std::filesystem::exists(kTool)) << "build the demo_game target first";
  EXPECT_NE(RunTool(""), 0);
  const auto file = testing::WriteBytes(testing::FreshTestDir(), "plain-file", "x");
  EXPECT_NE(RunTool("\"" + file.string() + "\""), 0);
}

}  // namespace
}  // namespace tinto
