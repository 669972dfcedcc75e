// Points, unlock stages and the proof of the points by the stored passwords; and the form
// of the built-in password, typing-problem and hint tables.
#include "unlock/points.h"

#include <gtest/gtest.h>

#include <set>

#include "files/ini_file.h"
#include "gfx/sjis.h"
#include "tests/unit/temp_folder.h"
#include "unlock/password_tables.h"

namespace tinto {
namespace {

using testing::TempFolder;

std::size_t SjisSize(std::string_view utf8) {
  std::optional<std::string> sjis = gfx::Utf8ToSjis(utf8);
  return sjis ? sjis->size() : 0;
}

// "tp" and the stored passwords tp0 .. tp(count - 1), as SavePoints would leave them.
std::string SettingsWith(int points, int passwords) {
  std::string text = "[Tinto]\r\ntp=" + std::to_string(points) + "\r\n";
  for (int k = 0; k < passwords; ++k) {
    text += "tp" + std::to_string(k) + "=" + std::string(Password(k)) + "\r\n";
  }
  return text;
}

TEST(Points, StagesFollowTheUnevenThresholds) {
  struct Case {
    int points, stage;
  };
  for (const Case& c : {Case{-5, 0}, Case{0, 0}, Case{49, 0}, Case{50, 1}, Case{149, 2},
                        Case{150, 3}, Case{299, 5}, Case{300, 6}, Case{399, 6}, Case{400, 7},
                        Case{500, 8}, Case{699, 8}, Case{700, 9}, Case{100000, 9}}) {
    Points p;
    p.set_points(c.points);
    EXPECT_EQ(p.UnlockStage(), c.stage) << c.points;
    EXPECT_EQ(p.ColoursPerPart(), 12 + c.stage) << c.points;
  }
}

TEST(Points, AdvanceGoesToTheNextThresholdAndWrapsAfterTheLast) {
  Points p;
  std::vector<int> seen;
  for (int i = 0; i < 10; ++i) {
    p.AdvancePoints();
    seen.push_back(p.points());
  }
  EXPECT_EQ(seen, (std::vector<int>{50, 100, 150, 200, 250, 300, 400, 500, 700, 0}));
  p.set_points(120);
  p.AdvancePoints();
  EXPECT_EQ(p.points(), 150);
}

TEST(Points, LoadKeepsOnlyPointsProvedByTheStoredPasswords) {
  struct Case {
    const char* name;
    std::optional<std::string> file;
    int points;
  };
  std::string wrong_case = SettingsWith(120, 1) + "tp1=" + std::string(Password(1)) + "\r\n";
  wrong_case.replace(wrong_case.find("quiro"), 5, "Quiro");
  const Case cases[] = {
      {"no settings file", std::nullopt, 0},
      {"120 with tp0 and tp1", SettingsWith(120, 2), 120},
      {"700 without tp8", SettingsWith(700, 8), 0},
      {"700 with all nine", SettingsWith(700, 9), 700},
      {"a password in another letter case", wrong_case, 0},
      {"49 needs no password", "[Tinto]\r\ntp=49\r\n", 49},
      {"a raised tp alone", "[Tinto]\r\ntp=300\r\n", 0},
      {"negative tp", "[Tinto]\r\ntp=-30\r\n", 0},
      {"tp not a number", "[Tinto]\r\ntp=lots\r\n", 0},
      {"tp read like Windows reads integers", SettingsWith(1, 1) + "[x]\r\n", 1},
      // Only a plain integer counts: trailing text or a value past the 32-bit range is 0.
      {"tp with trailing text", "[Tinto]\r\ntp=40x\r\n", 0},
      {"tp 100abc with its passwords", "[Tinto]\r\ntp=100abc\r\n" + SettingsWith(1, 2).substr(15),
       0},
      {"tp wrapping to 50", "[Tinto]\r\ntp=4294967346\r\n" + SettingsWith(1, 1).substr(15), 0},
      {"tp past the 32-bit range", "[Tinto]\r\ntp=2147483648\r\n", 0},
      {"tp with a sign and blanks", "[Tinto]\r\ntp= +45 \r\n", 45},
      {"tp empty", "[Tinto]\r\ntp=\r\n", 0},
      {"blanks and another case", "[tinto]\r\nTP = 50 \r\nTP0 =  quiro-dances-all-night!  \r\n",
       50},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    if (c.file) dir.Write("Tinto.ini", *c.file);
    Points p;
    p.set_points(999);
    p.LoadPoints(ProgramFolder(dir.path()));
    EXPECT_EQ(p.points(), c.points) << c.name;
    if (c.file) {
      EXPECT_EQ(dir.Read("Tinto.ini"), *c.file) << c.name;  // nothing written back
    }
  }
}

TEST(Points, TheNextPasswordAfterALoadedValueReachesTheNextThreshold) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  dir.Write("Tinto.ini", SettingsWith(120, 2));
  Points p;
  p.LoadPoints(folder);
  EXPECT_EQ(p.UnlockStage(), 2);
  EXPECT_EQ(p.ColoursPerPart(), 14);
  p.AdvancePoints();
  ASSERT_TRUE(p.SavePoints(folder).ok);
  EXPECT_EQ(dir.Read("Tinto.ini"), SettingsWith(150, 3));
}

TEST(Points, AFullRunOfPasswordsIsSavedAndProvedAtEveryStage) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  dir.Write("Tinto.ini", "; free colours below\r\n[Tinto]\r\nfc1=keep\r\n\r\n[Other]\r\nx=1\r\n");
  Points p;
  for (int stage = 0; stage < 9; ++stage) {
    p.AdvancePoints();
    ASSERT_TRUE(p.SavePoints(folder).ok);
    Points reloaded;
    reloaded.LoadPoints(folder);
    EXPECT_EQ(reloaded.points(), p.points());
  }
  EXPECT_EQ(p.points(), 700);
  EXPECT_EQ(p.ColoursPerPart(), 21);
  EXPECT_EQ(IniFile(folder.Resolve("Tinto.ini")).ReadString("Tinto", "tp8", ""), Password(8));

  // The reset password writes only tp=0; the stored passwords stay.
  const std::string before_reset = dir.Read("Tinto.ini");
  p.AdvancePoints();
  ASSERT_TRUE(p.SavePoints(folder).ok);
  std::string expected = before_reset;
  expected.replace(expected.find("tp=700"), 6, "tp=0");
  EXPECT_EQ(dir.Read("Tinto.ini"), expected);
  Points reloaded;
  reloaded.LoadPoints(folder);
  EXPECT_EQ(reloaded.points(), 0);
  EXPECT_NE(expected.find("fc1=keep\r\n"), std::string::npos);
  EXPECT_NE(expected.find("[Other]\r\nx=1\r\n"), std::string::npos);
}

TEST(Points, AFailedSaveIsReportedAndWritesNeitherKey) {
  TempFolder dir;
  ProgramFolder folder(dir.path());
  dir.Write("Tinto.ini", SettingsWith(50, 1));
  std::filesystem::permissions(dir / "Tinto.ini", std::filesystem::perms::owner_read);
  Points p;
  p.set_points(50);
  p.AdvancePoints();
  FileResult result = p.SavePoints(folder);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(p.points(), 100);  // the points in memory keep their new value
  EXPECT_EQ(dir.Read("Tinto.ini"), SettingsWith(50, 1));
}

TEST(PasswordTables, EveryEntryHasItsForm) {
  std::set<std::string_view> passwords;
  for (int k = 0; k < kPasswordEntries; ++k) {
    SCOPED_TRACE(k);
    const std::string_view record = PasswordRecord(k);
    const std::string_view password = Password(k);
    ASSERT_EQ(record.size(), 65u);
    EXPECT_EQ(record.substr(0, password.size()), password);
    EXPECT_EQ(record.find_first_not_of(' ', password.size()), std::string_view::npos);
    EXPECT_GE(password.size(), 23u);
    EXPECT_EQ(password.find(' '), std::string_view::npos);
    for (char c : password) EXPECT_GE(GlyphIndex(c), 0) << c;
    passwords.insert(password);

    const std::size_t question = SjisSize(Question(k));
    EXPECT_GE(question, 24u) << Question(k);
    EXPECT_LE(question, 64u) << Question(k);

    const std::string_view hint = Hint(k);
    const std::size_t hint_size = SjisSize(hint);
    EXPECT_GE(hint_size, 78u) << hint;
    EXPECT_LE(hint_size, 214u) << hint;
    const std::string_view head = "＜ヒント＞\r\n";
    ASSERT_EQ(hint.substr(0, head.size()), head);
    std::vector<std::string_view> lines;
    for (std::string_view rest = hint.substr(head.size());;) {
      std::size_t end = rest.find("\r\n");
      lines.push_back(rest.substr(0, end));
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 2);
    }
    EXPECT_GE(lines.size(), 2u);
    EXPECT_LE(lines.size(), 4u);
    for (std::string_view line : lines) {
      EXPECT_FALSE(line.empty());
      EXPECT_EQ(line.find('\n'), std::string_view::npos);
    }
  }
  EXPECT_EQ(passwords.size(), 10u);  // every stage has its own answer
  EXPECT_EQ(Password(10), "");
  EXPECT_EQ(Hint(-1), "");
  EXPECT_EQ(GlyphIndex('a'), 0);
  EXPECT_EQ(GlyphIndex(' '), kBlankGlyph);
  EXPECT_EQ(GlyphIndex('/'), 42);
  EXPECT_EQ(GlyphIndex('A'), -1);
}

}  // namespace
}  // namespace tinto
