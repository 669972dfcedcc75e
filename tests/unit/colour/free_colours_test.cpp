// The free colours "fc1".."fc6" in "Tinto.ini": the 91-character value, keys read
// independently of each other, and writes that keep the rest of the file.
#include "colour/free_colours.h"

#include <gtest/gtest.h>

#include "colour/colour_tables.h"
#include "tests/unit/temp_folder.h"

namespace tinto {
namespace {

using testing::TempFolder;

// The factory value of "fc2" (lipstick, one shade): per free colour its three levels,
// then six zero fields for the two shades it does not have.
constexpr std::string_view kFactoryFc2 =
    "1"
    "12 8 8 0 0 0 0 0 0"
    "13 0 2 0 0 0 0 0 0"
    "13 7 5 0 0 0 0 0 0"
    "1511 4 0 0 0 0 0 0"
    "12 4 1 0 0 0 0 0 0";

TEST(FreeColours, FactoryValueOfFc2IsExact) {
  ColourModel model;
  EXPECT_EQ(FormatFreeColours(model.part_colours, 1), kFactoryFc2);
  EXPECT_EQ(kFactoryFc2.size(), 91u);
  EXPECT_EQ(FreeColourKey(1), "fc2");
}

TEST(FreeColours, ValuesReadBackAsWrittenForEveryPart) {
  ColourModel written;
  for (int part = 0; part < kParts; ++part) {
    for (int f = 0; f < kFreeColours; ++f) {
      for (int s = 0; s < kShades; ++s) {
        for (int k = 0; k < kChannels; ++k) {
          written.part_colours[part][16 + f][s][k] =
              static_cast<std::uint8_t>((part + f * 9 + s * 3 + k) % 16);
        }
      }
    }
  }
  written.part_colours[3][20][2][2] = 99;  // two digits allow levels above 15: kept as read
  ColourModel read;
  for (int part = 0; part < kParts; ++part) {
    ASSERT_TRUE(
        ParseFreeColours(FormatFreeColours(written.part_colours, part), part, &read.part_colours)
            .ok);
    EXPECT_EQ(read.part_colours[part], written.part_colours[part]) << part;
  }
}

TEST(FreeColours, AValueThatFailsToConvertChangesNothing) {
  struct Case {
    const char* name;
    std::string value;
    bool ok;
    int level;  // free colour 1, shade 0, red, when ok
  };
  const std::string good(kFactoryFc2);
  const Case cases[] = {
      {"factory", good, true, 12},
      {"longer values: only 91 characters count", good + "junk", true, 12},
      {"a negative field keeps its low byte", "1-1" + good.substr(3), true, 255},
      {"a field with a letter", good.substr(0, 60) + "x1" + good.substr(62), false, 0},
      {"a field with a trailing blank", "1" + std::string("7 ") + good.substr(3), false, 0},
      {"a blank field", "1  " + good.substr(3), false, 0},
      {"too short", good.substr(0, 90), false, 0},
  };
  for (const Case& c : cases) {
    PartColours parts = InitialPartColours();
    parts[1][20][0] = {1, 1, 1};
    const PartColours before = parts;
    FileResult result = ParseFreeColours(c.value, 1, &parts);
    EXPECT_EQ(result.ok, c.ok) << c.name;
    if (c.ok) {
      EXPECT_EQ(parts[1][16][0][0], c.level) << c.name;
    } else {
      EXPECT_NE(result.error.find("fc2"), std::string::npos) << result.error;
      EXPECT_EQ(parts, before) << c.name;
    }
  }
}

TEST(FreeColours, EachKeyIsReadOnItsOwn) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  PartColours stored = InitialPartColours();
  stored[2][16][0] = {1, 2, 3};
  stored[4][18][0] = {4, 5, 6};
  // fc1 missing, fc2 broken, fc3 good, fc4 too short, fc5 good, fc6 missing.
  dir.Write("Tinto.ini", "[Tinto]\r\ntp=0\r\nfc2=1 x\r\nfc3=" + FormatFreeColours(stored, 2) +
                             "\r\nfc4=123\r\nfc5=" + FormatFreeColours(stored, 4) + "\r\n");
  ColourModel model;
  model.part_colours[1][17][0] = {9, 9, 9};
  const PartColours before = model.part_colours;

  FileResult result = ReadFreeColours(model, folder, -1);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("fc2"), std::string::npos) << result.error;
  EXPECT_NE(result.error.find("fc4"), std::string::npos) << result.error;
  EXPECT_EQ(result.error.find("fc3"), std::string::npos) << result.error;
  for (int part : {0, 1, 3, 5}) EXPECT_EQ(model.part_colours[part], before[part]) << part;
  EXPECT_EQ(model.part_colours[2], stored[2]);
  EXPECT_EQ(model.part_colours[4], stored[4]);

  // One key alone: the picker's load button of one part.
  model.part_colours[2][16][0] = {0, 0, 0};
  ASSERT_TRUE(ReadFreeColours(model, folder, 3).ok);
  EXPECT_EQ(model.part_colours[2][16][0], (Levels{1, 2, 3}));
  EXPECT_TRUE(ReadFreeColours(model, folder, 1).ok);  // missing key: nothing changes
  EXPECT_EQ(model.part_colours[0], before[0]);
}

TEST(FreeColours, WritingOnePartKeepsTheRestOfTheFile) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  dir.Write("tinto.ini", "; mine\r\n[Tinto]\r\ntp=150\r\ntp0=x\r\n\r\n[Other]\r\na=1");
  ColourModel model;
  model.part_colours[5][19][1] = {15, 14, 13};
  ASSERT_TRUE(WriteFreeColours(model, folder, 6).ok);
  EXPECT_EQ(dir.Listing(), "tinto.ini\n");
  EXPECT_EQ(dir.Read("tinto.ini"), "; mine\r\n[Tinto]\r\ntp=150\r\ntp0=x\r\nfc6=" +
                                       FormatFreeColours(model.part_colours, 5) +
                                       "\r\n\r\n[Other]\r\na=1");

  ColourModel fresh;
  ASSERT_TRUE(ReadFreeColours(fresh, folder, -1).ok);
  EXPECT_EQ(fresh.part_colours, model.part_colours);

  std::filesystem::permissions(dir / "tinto.ini", std::filesystem::perms::owner_read);
  FileResult failed = WriteFreeColours(model, folder, -1);
  EXPECT_FALSE(failed.ok);
  EXPECT_FALSE(failed.error.empty());
}

}  // namespace
}  // namespace tinto
