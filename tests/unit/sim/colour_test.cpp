// The colour editor on the simulator: the colour file written and read through the panel
// buttons, errors reported without losing data, the restart notice, and the recoloured
// previews as the screen shows them.
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "colour/colour_file.h"
#include "colour/colour_tables.h"
#include "sim_fixture.h"

namespace tinto::test {
namespace {

using ColourEditor = SimTest;

std::string At(int x, int y) {
  return std::to_string(x + 430) + " " + std::to_string(y);
}
const std::string kSave2P = "click main " + At(29, 110) + "\n";
const std::string kLoad2P = "click main " + At(29, 92) + "\n";
const std::string kRandom2P = "click main " + At(47, 100) + "\n";
const std::string kRandom3P = "click main " + At(47, 309) + "\n";

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ColourEditor, SavingTheDefaultsWritesTheDefaultFile) {
  const SimResult r = Run("start\nwait 200\n" + kSave2P + "wait 200\n");
  EXPECT_TRUE(r.Events("error").empty()) << r.log;
  const std::string bytes = ReadAll(File("Xx.txt"));
  ColourTable expected{};
  for (std::size_t row = 0; row < 4; ++row) expected[row] = DefaultColours[row];
  EXPECT_EQ(bytes, FormatColourFile(expected));
  // Four blocks of a header and four 58-character data lines, then "//end" alone.
  std::size_t lines = 0, pos = 0, data_lines = 0;
  while (true) {
    const std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) break;
    const std::string line = bytes.substr(pos, end - pos);
    if (line.rfind("//", 0) != 0) {
      EXPECT_EQ(line.size(), 58u) << line;
      ++data_lines;
    }
    ++lines;
    pos = end + 2;
  }
  EXPECT_EQ(lines, 20u);
  EXPECT_EQ(data_lines, 16u);
  EXPECT_EQ(bytes.substr(pos), "//end");
  EXPECT_NE(bytes.find("   4   8   0     0   0   0   204 204 204   221   0 102\r\n"),
            std::string::npos);
}

TEST_F(ColourEditor, HandEditedFileLoadsAtStartUp) {
  // Headers changed, one data line's twelve numbers spread over two lines (the skip then
  // eats the rest of the second line), values above 255 keep their low byte, and the file
  // ends early: the missing numbers read 0.
  std::ofstream(File("xx.TXT"), std::ios::binary)
      << "anything\r\n1 2 3 4 5 6\r\n7 8 9 10 11 300 999 999\r\n"
         "  0 0 0  0 0 0  0 0 0  0 0 0\r\n  0 0 0  0 0 0  0 0 0  0 0 0\r\n  0 0 0  0 0 0  0 0 0  0 "
         "0 0\r\n"
         "header two\r\n 16 17 18\r\n";
  const SimResult r = Run("start\nwait 200\n" + kSave2P + "wait 200\n");
  EXPECT_TRUE(r.Events("error").empty()) << r.log;
  // The save went to the file's real name (and kept it, on any file system).
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(File("")))
    names.push_back(entry.path().filename().string());
  EXPECT_NE(std::find(names.begin(), names.end(), "xx.TXT"), names.end());
  EXPECT_EQ(std::find(names.begin(), names.end(), "Xx.txt"), names.end());
  ColourTable t{};
  ASSERT_TRUE(ParseColourFile(ReadAll(File("xx.TXT")), &t).ok);
  EXPECT_EQ(t[0][0], (Colour{1, 2, 3}));
  EXPECT_EQ(t[0][3], (Colour{10, 11, 44}));
  EXPECT_EQ(t[0][4], (Colour{0, 0, 0}));  // the 999s were skipped with the rest of the line
  EXPECT_EQ(t[1][0], (Colour{16, 17, 18}));
  EXPECT_EQ(t[1][1], (Colour{0, 0, 0}));
  EXPECT_EQ(t[3][15], (Colour{0, 0, 0}));
}

TEST_F(ColourEditor, BrokenColourFileIsReportedAndChangesNothing) {
  std::ofstream(File("Xx.txt"), std::ios::binary) << "//\r\n1 2 3 4 five 6\r\n";
  const SimResult r = Run("start\nwait 200\n" + kRandom2P + "wait 200\n" + kLoad2P + "wait 200\n");
  ASSERT_EQ(r.Events("error").size(), 2u) << r.log;  // at start-up and at the load button
  EXPECT_EQ(r.Events("error")[0].rfind("0 error", 0), 0u) << r.log;
  // The start-up went on to the end: the window shows at the first tick.
  EXPECT_TRUE(r.Has("125 show main")) << r.log;
  EXPECT_EQ(ReadAll(File("Xx.txt")), "//\r\n1 2 3 4 five 6\r\n");
}

TEST_F(ColourEditor, FailedSaveIsReportedAndKeepsTheOldFile) {
  std::ofstream(File("Xx.txt"), std::ios::binary) << "old";
  std::filesystem::permissions(
      File("Xx.txt"), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const SimResult r = Run("start\nwait 200\n" + kSave2P +
                          "wait 200\nclick main 770 115\nwait 400\nkey message ENTER\nwait 400\n");
  // "old" reads as a header line and an empty file at start-up; only the save fails.
  EXPECT_EQ(r.Events("error").size(), 1u) << r.log;
  EXPECT_EQ(ReadAll(File("Xx.txt")), "old");
  // The save was tried, so closing still asks for the restart.
  EXPECT_EQ(r.Events("notice").size(), 1u) << r.log;
  std::filesystem::permissions(File("Xx.txt"), std::filesystem::perms::owner_all);
}

TEST_F(ColourEditor, RestartNoticeOnlyAfterASave) {
  const SimResult none = Run("start\nwait 200\nclick main 770 115\nwait 500\n");
  EXPECT_TRUE(none.Events("notice").empty()) << none.log;
  EXPECT_TRUE(none.Events("effect 67").empty()) << none.log;
  const SimResult saved =
      Run("start\nwait 200\n" + kSave2P +
          "wait 200\nclick main 770 115\nwait 500\nkey message ENTER\nwait 500\n");
  EXPECT_TRUE(saved.Has("900 effect 67")) << saved.log;  // 500 close, 300 press, 100 wait
  ASSERT_EQ(saved.Events("notice").size(), 1u) << saved.log;
  EXPECT_EQ(saved.Events("exit 0").size(), 1u) << saved.log;
}

TEST_F(ColourEditor, RandomRandomDefaults) {
  const SimResult r =
      Run("seed 7\nstart\nwait 200\n" + kRandom2P + kRandom2P + kRandom2P + kRandom3P);
  const auto effects = r.Events("effect");
  ASSERT_EQ(effects.size(), 5u) << r.log;
  EXPECT_EQ(effects[1], "200 effect 2");
  EXPECT_EQ(effects[2], "300 effect 2");
  EXPECT_EQ(effects[3], "400 effect 31");
  EXPECT_EQ(effects[4], "500 effect 2");  // the other panel keeps its own cycle
}

TEST_F(ColourEditor, PoseToggle) {
  const SimResult r =
      Run("start\nwait 200\nclick main " + At(130, 90) + "\nclick main " + At(130, 90) + "\n");
  EXPECT_TRUE(r.Has("200 effect 34")) << r.log;
  EXPECT_TRUE(r.Has("200 effect 33")) << r.log;
}

// Every pattern pixel of a colour index shows the variant's colour on screen; pattern
// pixels of index 0 show the blank panel.
void ExpectPanelShows(const gfx::Bitmap& snap, const gfx::Bitmap& pattern,
                      const gfx::Bitmap& blank_skin, const ColourTable& table, int v, int pose) {
  const int f = 209 * v;
  int checked = 0;
  for (int y = 0; y < 176; ++y) {
    for (int x = 0; x < 74; ++x) {
      const int px = 93 + x;
      if (px < 96 && !(y >= 16 && y < 30)) continue;  // outside what the panel shows
      const gfx::Pixel key = pattern.at(93 + 75 * pose + x, 13 + y);
      const gfx::Pixel shown = snap.at(430 + px, f + 13 + y);
      int index = -1;
      for (int i = 0; i < 16; ++i) {
        const Colour c = DefaultColours[1][static_cast<std::size_t>(i)];
        if (gfx::MakePixel(c.red, c.green, c.blue) == key) index = i;
      }
      if (index > 0) {
        const Colour c = table[static_cast<std::size_t>(2 + v)][static_cast<std::size_t>(index)];
        ASSERT_EQ(shown, gfx::MakePixel(c.red, c.green, c.blue))
            << "index " << index << " at " << x << "," << y;
        ++checked;
      } else if (index == 0) {
        // The blank: the upper half at (271, 13), the lower at (271, 310).
        const int by = y < 88 ? 13 + y : 310 + (y - 88);
        ASSERT_EQ(shown, blank_skin.at(271 + px - 32, by)) << "blank at " << x << "," << y;
      }
    }
  }
  EXPECT_GT(checked, 500);
}

TEST_F(ColourEditor, PanelsShowExactlyTheVariantColours) {
  // Randomise both panels, show pose 1 in the 3P panel, save the colours to learn them.
  const SimResult r =
      Run("seed 99\nstart\nwait 200\n" + kRandom2P + kRandom3P + "click main " + At(130, 300) +
          "\n" + kSave2P + "wait 100\nsnap main " + File("snap.bmp").string() + "\nskin COLPTN " +
          File("pattern.bmp").string() + "\nskin BASE0 " + File("base0.bmp").string() +
          "\nskin BASE1 " + File("base1.bmp").string() + "\n");
  ColourTable table{};
  ASSERT_TRUE(ParseColourFile(ReadAll(File("Xx.txt")), &table).ok);
  EXPECT_NE(table[2], DefaultColours[2]);
  const gfx::Bitmap snap = Picture("snap.bmp");
  const gfx::Bitmap pattern = Picture("pattern.bmp");
  ExpectPanelShows(snap, pattern, Picture("base0.bmp"), table, 0, 0);
  ExpectPanelShows(snap, pattern, Picture("base1.bmp"), table, 1, 1);
}

}  // namespace
}  // namespace tinto::test
