// The password window on the simulator: the ten passwords in order with the points and
// the settings file they leave, capitals, wrong and over-long answers, the typed text kept
// between openings, the keys while the alarm rings, and a settings file that cannot be
// written.
#include <array>
#include <fstream>

#include "files/ini_file.h"
#include "sim_fixture.h"
#include "unlock/password_tables.h"

namespace tinto::test {
namespace {

using PasswordWindow = SimTest;

// The key lines that type a text; letters with Shift when `capitals`.
std::string Type(std::string_view text, bool capitals = false) {
  std::string out;
  for (const char c : text) {
    std::string key;
    std::string mod;
    if (c >= 'a' && c <= 'z') {
      key = std::string(1, static_cast<char>(c - 'a' + 'A'));
      if (capitals) mod = " shift";
    } else if (c >= '0' && c <= '9') {
      key = std::string(1, c);
    } else if (c == '-') {
      key = "MINUS";
    } else if (c == ',') {
      key = "COMMA";
    } else if (c == '.') {
      key = "PERIOD";
    } else if (c == '/') {
      key = "SLASH";
    } else if (c == '?') {
      key = "SLASH", mod = " shift";
    } else if (c == '!') {
      key = "1", mod = " shift";
    }
    out += "key password " + key + mod + "\n";
  }
  return out;
}

const std::string kOpen = "key main SPACE\nwait 200\n";
const std::string kCheck = "key password ENTER\nwait 2500\n";

// The three digits shown at x in a picture of the window, read against the skin's strip.
int ShownNumber(const gfx::Bitmap& window, const gfx::Bitmap& skin, int x) {
  int value = 0;
  for (int j = 0; j < 3; ++j) {
    int digit = -1;
    for (int d = 0; d < 10 && digit < 0; ++d) {
      bool same = true;
      for (int yy = 0; yy < 5 && same; ++yy)
        for (int xx = 0; xx < 7 && same; ++xx)
          same = window.at(x + 8 * j + xx, 11 + yy) == skin.at(1 + 8 * d + xx, 51 + yy);
      if (same) digit = d;
    }
    if (digit < 0) return -1;
    value = value * 10 + digit;
  }
  return value;
}

// The glyph shown at typed position i, or -1.
int ShownGlyph(const gfx::Bitmap& window, const gfx::Bitmap& skin, int i) {
  for (int g = 0; g < 43; ++g) {
    bool same = true;
    for (int y = 0; y < 5 && same; ++y)
      for (int x = 0; x < 9 && same; ++x)
        same = window.at(36 + 11 * i + x, 22 + y) == skin.at(1 + 11 * g + x, 45 + y);
    if (same) return g;
  }
  return -1;
}

TEST_F(PasswordWindow, TheTenPasswordsTakeThePointsRoundAndAreStored) {
  std::string script =
      "start\nwait 200\n" + kOpen + "skin BASE7 " + File("base7.bmp").string() + "\n";
  for (int k = 0; k < kPasswordEntries; ++k) {
    // The first answer in capitals: the same as in lower case.
    script += Type(Password(k), k == 0) + kCheck + "buffer password " +
              File("p" + std::to_string(k) + ".bmp").string() + "\n";
  }
  const SimResult r = Run(script);
  EXPECT_EQ(r.Events("effect 71").size(), 10u) << r.log;
  EXPECT_TRUE(r.Events("effect 50").empty()) << r.log;
  EXPECT_TRUE(r.Events("error").empty()) << r.log;
  const gfx::Bitmap skin = Picture("base7.bmp");
  const std::array<int, 10> points = {50, 100, 150, 200, 250, 300, 400, 500, 700, 0};
  for (int k = 0; k < kPasswordEntries; ++k) {
    const gfx::Bitmap shown = Picture("p" + std::to_string(k) + ".bmp");
    EXPECT_EQ(ShownNumber(shown, skin, 693), points[static_cast<std::size_t>(k)])
        << "after password " << k;
    EXPECT_EQ(ShownNumber(shown, skin, 725), 700);
    EXPECT_EQ(ShownGlyph(shown, skin, 0), 39) << "the typed text is cleared";
  }
  IniFile ini(File("Tinto.ini"));
  EXPECT_EQ(ini.ReadString("Tinto", "tp", ""), "0");
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(ini.ReadString("Tinto", "tp" + std::to_string(k), ""), Password(k)) << k;
  }
  EXPECT_EQ(ini.ReadString("Tinto", "tp9", "none"), "none");
}

TEST_F(PasswordWindow, WrongOverLongAndLaterAnswersPlay50AndKeepTheText) {
  struct Case {
    const char* name;
    std::string typed;
  };
  const Case cases[] = {
      {"nothing typed", ""},
      {"the next stage's password", std::string(Password(1))},
      {"one character more", std::string(Password(0)) + "a"},
      {"one character less", std::string(Password(0)).substr(1)},
  };
  for (const Case& c : cases) {
    const SimResult r = Run("start\nwait 200\n" + kOpen + Type(c.typed) + kCheck);
    EXPECT_EQ(r.Events("effect 50").size(), 1u) << c.name << "\n" << r.log;
    EXPECT_TRUE(r.Events("effect 71").empty()) << c.name;
    EXPECT_FALSE(std::filesystem::exists(File("Tinto.ini"))) << c.name;
  }
}

TEST_F(PasswordWindow, TheSixtySixthCharacterIsRefused) {
  const SimResult r =
      Run("start\nwait 200\n" + kOpen + Type(std::string(66, 'q')) + "buffer password " +
          File("b.bmp").string() + "\nskin BASE7 " + File("base7.bmp").string() + "\n");
  EXPECT_EQ(r.Events("effect 2").size(), 66u) << r.log;  // the lock button and 65 characters
  EXPECT_EQ(r.Events("effect 50").size(), 1u) << r.log;
  EXPECT_EQ(ShownGlyph(Picture("b.bmp"), Picture("base7.bmp"), 64), 16);
}

TEST_F(PasswordWindow, HalfAnAnswerSurvivesClosingAndTypingGoesOn) {
  const std::string answer(Password(0));
  const SimResult r =
      Run("start\nwait 200\n" + kOpen + Type(answer.substr(0, 5), true) +
          "key password ESC\nwait 400\n" + kOpen + "snap password " + File("s.bmp").string() +
          "\nskin BASE7 " + File("base7.bmp").string() + "\n" + Type(answer.substr(5)) + kCheck);
  EXPECT_EQ(r.Events("result password 2").size(), 1u) << r.log;
  EXPECT_EQ(r.Events("effect 71").size(), 1u) << r.log;
  // The window shows the typed capitals again when it opens.
  const gfx::Bitmap snap = Picture("s.bmp"), skin = Picture("base7.bmp");
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(ShownGlyph(snap, skin, i), GlyphIndex(answer[static_cast<std::size_t>(i)])) << i;
  EXPECT_EQ(ShownGlyph(snap, skin, 5), 39);
  EXPECT_EQ(IniFile(File("Tinto.ini")).ReadString("Tinto", "tp", ""), "50");
}

TEST_F(PasswordWindow, EditingKeys) {
  // Backspace at 0 stays at 0 with effect 1; Home clears everything with effect 34.
  const SimResult r = Run("start\nwait 200\n" + kOpen + "key password BACKSPACE\n" + Type("ab") +
                          "key password BACKSPACE\n" + Type("c") + "key password HOME\n" +
                          Type("d") + "buffer password " + File("b.bmp").string() +
                          "\nskin BASE7 " + File("base7.bmp").string() + "\n");
  int backspaces = 0;
  for (const std::string& e : r.Events("effect 1")) backspaces += e.ends_with(" effect 1");
  EXPECT_EQ(backspaces, 2) << r.log;
  EXPECT_EQ(r.Events("effect 34").size(), 1u) << r.log;
  const gfx::Bitmap b = Picture("b.bmp"), skin = Picture("base7.bmp");
  EXPECT_EQ(ShownGlyph(b, skin, 0), 3);
  EXPECT_EQ(ShownGlyph(b, skin, 1), 39);
}

TEST_F(PasswordWindow, ShiftMattersOnlyForTheMarks) {
  const SimResult r =
      Run("start\nwait 200\n" + kOpen +
          "key password 1\nkey password 1 shift\nkey password SLASH\n"
          "key password SLASH shift\nkey password NUM7\nkey password Z shift\nkey password SPACE "
          "shift\n"
          "buffer password " +
          File("b.bmp").string() + "\nskin BASE7 " + File("base7.bmp").string() + "\n");
  EXPECT_TRUE(r.Events("result password").empty()) << r.log;  // Space with Shift does not close
  const gfx::Bitmap b = Picture("b.bmp"), skin = Picture("base7.bmp");
  const std::array<int, 6> expected = {30, 41, 42, 40, 36, 25};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(ShownGlyph(b, skin, i), expected[static_cast<std::size_t>(i)]) << i;
}

TEST_F(PasswordWindow, KeysWhileTheAlarmRingsOnlySilenceIt) {
  for (const char* key : {"ENTER", "SPACE", "F2"}) {
    const SimResult r =
        Run("now 2026-01-01 12:00:00\nstart\nwait 200\nclick main 726 298 shift\n" + kOpen +
            Type(Password(0)) + "wait 2000\nkey password " + key + "\nwait 2500\n");
    EXPECT_EQ(r.Events("effect 32").size(), 1u) << key << "\n" << r.log;
    EXPECT_TRUE(r.Events("effect 71").empty()) << key;
    EXPECT_TRUE(r.Events("result password").empty()) << key;
    EXPECT_TRUE(r.Events("notice").empty()) << key;
  }
}

TEST_F(PasswordWindow, HintShowsTheStagesHint) {
  const SimResult r = Run("start\nwait 200\n" + kOpen + "key password F5\nwait 100\n");
  EXPECT_EQ(r.Events("effect 61").size(), 1u) << r.log;
  ASSERT_EQ(r.Events("notice").size(), 1u) << r.log;
  EXPECT_NE(r.log.find("＜ヒント＞"), std::string::npos) << r.log;
}

TEST_F(PasswordWindow, AFailedSaveIsReportedAndTheWindowMovesOn) {
  // A folder where the settings file should be: it cannot be replaced.
  std::filesystem::create_directories(File("Tinto.ini"));
  const SimResult r =
      Run("start\nwait 200\n" + kOpen + "snap password " + File("before.bmp").string() + "\n" +
          Type(Password(0)) + kCheck + "snap password " + File("after.bmp").string() +
          "\nskin BASE7 " + File("base7.bmp").string() + "\n" + Type("x") + "wait 100\n");
  EXPECT_EQ(r.Events("error").size(), 1u) << r.log;
  EXPECT_EQ(r.Events("effect 71").size(), 1u) << r.log;
  const gfx::Bitmap before = Picture("before.bmp"), after = Picture("after.bmp"),
                    skin = Picture("base7.bmp");
  EXPECT_EQ(ShownNumber(after, skin, 693), 50);  // as the program now holds them
  int changed = 0;
  for (int y = 3; y < 18; ++y)
    for (int x = 20; x < 527; ++x) changed += before.at(x, y) != after.at(x, y);
  EXPECT_GT(changed, 0) << "the next question is shown";
  EXPECT_TRUE(r.Events("result password").empty()) << r.log;  // still open, still typing
  EXPECT_TRUE(std::filesystem::is_directory(File("Tinto.ini")));
}

}  // namespace
}  // namespace tinto::test
