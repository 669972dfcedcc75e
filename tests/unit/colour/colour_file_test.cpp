// The colour file "Xx.txt" shared with the host game: its exact layout, the forgiving
// reader, and loads and saves that never leave the colours or the file half-changed.
#include "colour/colour_file.h"

#include <gtest/gtest.h>

#include "colour/colour_tables.h"
#include "gfx/sjis.h"
#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

using testing::TempFolder;

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

ColourTable Defaults() {
  ColourModel model;
  model.LoadDefaultColours();
  return model.colour_table;
}

// A table whose every byte differs, so that a colour read into the wrong place shows.
ColourTable Distinct() {
  ColourTable table{};
  for (int r = 0; r < 4; ++r) {
    for (int i = 0; i < kColoursPerRow; ++i) {
      int n = (r * 16 + i) * 3;
      table[r][i] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n + 1),
                     static_cast<std::uint8_t>(n + 2)};
    }
  }
  return table;
}

TEST(ColourFile, DefaultColoursAreWrittenInTheHostGamesLayout) {
  const std::vector<std::string> lines = SplitCrLf(FormatColourFile(Defaults()));
  ASSERT_EQ(lines.size(), 21u);  // 4 blocks of 1 + 4 lines, then "//end" without a line end
  EXPECT_EQ(lines[0], gfx::Utf8ToSjis("//平面背景数 正規背景数 空き　　平面背景色１、２、３、４…"));
  EXPECT_EQ(lines[5], gfx::Utf8ToSjis("//ノーマル"));
  EXPECT_EQ(lines[10], gfx::Utf8ToSjis("//色違い１"));
  EXPECT_EQ(lines[15], gfx::Utf8ToSjis("//色違い２"));
  EXPECT_EQ(lines[20], "//end");
  for (int block = 0; block < 4; ++block) {
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(lines[block * 5 + i].size(), 58u);
  }
  EXPECT_EQ(lines[1], "       4   8   0     0   0   0   204 204 204   221   0 102");
  EXPECT_EQ(lines[6], "       0   0   0    68  51  34   119 119 102   136  85 119");
  EXPECT_EQ(lines[19], "     255 233 191   238  68 136   255 119 170   255 255 255");
}

TEST(ColourFile, ReadsWhatItWritesIntoRowsZeroToThreeOnly) {
  ColourTable written = Distinct();
  written[kWorkRow][0] = {9, 9, 9};
  ColourTable read{};
  read[kWorkRow][0] = {1, 1, 1};
  ASSERT_TRUE(ParseColourFile(FormatColourFile(written), &read).ok);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(read[r], written[r]) << r;
  EXPECT_EQ(read[kWorkRow][0], (Colour{1, 1, 1}));
}

TEST(ColourFile, ReadsForgivingly) {
  const std::string twelve = "  1 2 3  4 5 6  7 8 9  10 11 12";
  struct Case {
    const char* name;
    std::string text;
    Colour first;   // row 0, colour 0
    Colour fourth;  // row 0, colour 4 (first of data line 1)
    Colour last;    // row 3, colour 15
  };
  const std::string zeros = "  0 0 0 0 0 0 0 0 0 0 0 0\r\n";
  const std::string whole_file = [&] {
    std::string file = "//h\r\n" + twelve + "\r\n" + zeros + zeros + zeros;
    for (int block = 1; block < 4; ++block) {
      file += "//h\r\n" + zeros + zeros + zeros;
      file += block < 3 ? zeros : "  0 0 0 0 0 0 0 0 0 40 50 60\r\n";
    }
    return file + "//end\r\nwords 1 x";
  }();
  const Case cases[] = {
      {"edited header, LF line ends",
       "anything at all\n" + twelve + "\n" + twelve + "\n",
       {1, 2, 3},
       {1, 2, 3},
       {0, 0, 0}},
      {"a data line split in two: the rest of the second line is skipped",
       "//h\r\n  1 2 3 4 5 6\r\n 7 8 9 10 11 12 99 99\r\n" + twelve + "\r\n",
       {1, 2, 3},
       {1, 2, 3},
       {0, 0, 0}},
      {"low bytes kept",
       "//h\r\n  256 300 -1" + twelve.substr(8) + "\r\n",
       {0, 44, 255},
       {0, 0, 0},
       {0, 0, 0}},
      {"truncated: missing numbers are 0", "//h\r\n  1 2", {1, 2, 0}, {0, 0, 0}, {0, 0, 0}},
      {"anything after the fourth block is not read",
       whole_file,
       {1, 2, 3},
       {0, 0, 0},
       {40, 50, 60}},
      {"empty file", "", {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    ColourTable table = Distinct();
    ASSERT_TRUE(ParseColourFile(c.text, &table).ok) << c.name;
    EXPECT_EQ(table[0][0], c.first) << c.name;
    EXPECT_EQ(table[0][4], c.fourth) << c.name;
    EXPECT_EQ(table[3][15], c.last) << c.name;
  }
}

TEST(ColourFile, AWordAmongTheNumbersChangesNoColour) {
  std::string text = FormatColourFile(Distinct());
  text.replace(text.find(" 156 157 158"), 12, " 156 x57 158");  // row 3, colour 4
  ColourTable table = Defaults();
  FileResult result = ParseColourFile(text, &table);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("x57"), std::string::npos) << result.error;
  EXPECT_EQ(table, Defaults());  // rows 0..2, read before the error, are not changed either
}

TEST(ColourFile, LoadsFromTheProgramFolder) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  ColourModel model;
  model.colour_table[1][1] = {7, 7, 7};

  // No file: the default colours.
  ASSERT_TRUE(LoadColourFile(model, folder).ok);
  EXPECT_EQ(model.colour_table, Defaults());

  // A file named in another letter case is loaded, and saved back under its own name.
  dir.Write("XX.TXT", FormatColourFile(Distinct()));
  ASSERT_TRUE(LoadColourFile(model, folder).ok);
  EXPECT_EQ(model.colour_table[2], Distinct()[2]);
  model.ApplyEntry(2, 1, 4);
  ASSERT_TRUE(SaveColourFile(model, folder).ok);
  EXPECT_EQ(dir.Listing(), "XX.TXT\n");
  EXPECT_EQ(dir.Read("XX.TXT"), FormatColourFile(model.colour_table));

  // An unreadable file is reported and changes nothing.
  dir.Write("XX.TXT", "//h\r\n  1 2 three");
  const ColourTable before = model.colour_table;
  FileResult result = LoadColourFile(model, folder);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(model.colour_table, before);
}

TEST(ColourFile, AFailedSaveIsReportedAndKeepsTheOldFile) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  dir.Write("Xx.txt", "old");
  std::filesystem::permissions(dir / "Xx.txt", std::filesystem::perms::owner_read);
  ColourModel model;
  model.LoadDefaultColours();
  FileResult result = SaveColourFile(model, folder);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("read-only"), std::string::npos) << result.error;
  EXPECT_EQ(dir.Read("Xx.txt"), "old");
}

}  // namespace
}  // namespace tinto
