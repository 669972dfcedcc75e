// The colour picker on the simulator: the preselection, locked entries, the free-colour
// buttons by unlock stage, the level controls, OK and Cancel, the free-colour cycle, the
// alarm, and the recoloured list as the screen shows it.
#include <algorithm>
#include <array>
#include <fstream>
#include <set>
#include <vector>

#include "colour/colour_file.h"
#include "colour/colour_tables.h"
#include "colour/free_colours.h"
#include "files/ini_file.h"
#include "gfx/text.h"
#include "sim_fixture.h"
#include "unlock/password_tables.h"

namespace tinto::test {
namespace {

using Picker = SimTest;

std::string At(int x, int y) {
  return std::to_string(x + 430) + " " + std::to_string(y);
}
constexpr std::array<int, 6> kPartX = {61, 32, 61, 61, 32, 61};
constexpr std::array<int, 6> kPartY = {39, 54, 69, 105, 120, 135};

// Opens the picker of part p of panel v and waits until it shows.
std::string OpenPicker(int v, int p) {
  return "click main " +
         At(kPartX[static_cast<std::size_t>(p)] + 15,
            kPartY[static_cast<std::size_t>(p)] + 209 * v + 15) +
         "\nwait 200\n";
}
std::string Click(int x, int y) {
  return "click picker " + std::to_string(x) + " " + std::to_string(y) + "\n";
}
// Entry e's hotspot, on its name.
std::string ClickEntry(int e) {
  return Click(e % 2 == 0 ? 100 : 250, 12 * e + 20);
}
const std::string kOk = Click(398, 112) + "wait 400\n";
const std::string kCancel = Click(375, 116) + "wait 400\n";
const std::string kSaveFree = Click(345, 211) + "wait 400\n";
const std::string kCycle = Click(361, 202) + "wait 200\n";
// Shade i, channel k: the slider at x.
std::string Slider(int i, int k, int x) {
  return Click(x, 53 * i + 11 * k + 78);
}
std::string SaveColours(int v) {
  return "click main " + At(29, 110 + 209 * v) + "\nwait 200\n";
}

constexpr std::array<int, 10> kStagePoints = {0, 50, 100, 150, 200, 250, 300, 400, 500, 700};

class PickerAt : public Picker {
 protected:
  // The settings file of a player at the stage, with its passwords.
  void Stage(int stage) {
    std::string text =
        "[Tinto]\r\ntp=" + std::to_string(kStagePoints[static_cast<std::size_t>(stage)]) + "\r\n";
    for (int k = 0; k < stage; ++k)
      text += "tp" + std::to_string(k) + "=" + std::string(Password(k)) + "\r\n";
    std::ofstream(File("Tinto.ini"), std::ios::binary) << text;
  }
  ColourTable SavedColours() const {
    std::ifstream in(File("Xx.txt"), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ColourTable t{};
    EXPECT_TRUE(ParseColourFile(bytes, &t).ok);
    return t;
  }
  PartColours SavedFreeColours(int part) const {
    PartColours parts = FactoryParts();
    const std::string value =
        IniFile(File("Tinto.ini")).ReadString("Tinto", FreeColourKey(part), "");
    EXPECT_TRUE(ParseFreeColours(value, part, &parts).ok) << value;
    return parts;
  }
  static PartColours FactoryParts() {
    PartColours parts{};
    for (std::size_t p = 0; p < kParts; ++p) {
      for (std::size_t e = 0; e < kPartEntries; ++e) {
        parts[p][e] = FactoryPartColours[p][e < kNamedEntries ? e : e - kFactoryOffset];
      }
    }
    return parts;
  }
};

Colour EntryColour(const PartEntry& entry, int shade) {
  const Levels& l = entry[static_cast<std::size_t>(shade)];
  return {LevelToByte(l[0]), LevelToByte(l[1]), LevelToByte(l[2])};
}

TEST_F(PickerAt, ThreePSkinAtItsDefaultsSelectsEntryZeroAndOkAppliesIt) {
  const SimResult r = Run("start\nwait 200\n" + OpenPicker(1, 2) + kOk + SaveColours(1));
  EXPECT_TRUE(r.Has("300 modal picker")) << r.log;
  EXPECT_EQ(r.Events("effect 71").size(), 1u) << r.log;
  EXPECT_EQ(r.Events("result picker 1").size(), 1u) << r.log;
  const ColourTable t = SavedColours();
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(t[3][static_cast<std::size_t>(PartColourIndex[2][static_cast<std::size_t>(s)])],
              EntryColour(FactoryPartColours[2][0], s))
        << "shade " << s;
  }
  EXPECT_EQ(t[3][1], DefaultColours[3][1]);  // other indices untouched
}

TEST_F(PickerAt, PreselectsTheVariantsEntryAndCancelChangesNothing) {
  // The 2P contact lenses are entry 2; choosing entry 5 and cancelling keeps them.
  const SimResult r = Run("start\nwait 200\n" + OpenPicker(0, 0) + ClickEntry(5) + kCancel +
                          SaveColours(0) + OpenPicker(0, 0) + kOk + SaveColours(0));
  EXPECT_EQ(r.Events("result picker 2").size(), 1u) << r.log;
  const ColourTable t = SavedColours();
  EXPECT_EQ(t[2], DefaultColours[2]);  // the second OK applied the preselected entry 2 again
}

TEST_F(PickerAt, LockedEntriesRefuseWithEffect51) {
  // Stage 0 offers entries 0..11.
  const SimResult r =
      Run("start\nwait 200\n" + OpenPicker(0, 3) + ClickEntry(11) + "wait 100\n" + ClickEntry(12) +
          "wait 100\n" + ClickEntry(20) + "wait 100\n" + kOk + SaveColours(0));
  const auto effects = r.Events("effect");
  ASSERT_GE(effects.size(), 5u) << r.log;
  EXPECT_EQ(effects[2], "500 effect 2") << r.log;   // entry 11
  EXPECT_EQ(effects[3], "600 effect 51") << r.log;  // entry 12
  EXPECT_EQ(effects[4], "700 effect 51") << r.log;  // entry 20
  const ColourTable t = SavedColours();
  EXPECT_EQ(t[2][6], EntryColour(FactoryPartColours[3][11], 0));  // the last offered entry stands
}

TEST_F(PickerAt, FreeColourButtonsAreBlankUpToStageFourAndAClickThereDrags) {
  for (const int stage : {4, 5}) {
    Stage(stage);
    const SimResult r = Run("start\nwait 200\n" + OpenPicker(0, 0) + "buffer picker " +
                            File("b.bmp").string() + "\nskin BASE4 " + File("base4.bmp").string() +
                            "\ndown picker 345 211\nmove picker 355 221\n"
                            "up picker 355 221\n");
    const gfx::Bitmap back = Picture("b.bmp");
    const gfx::Bitmap skin = Picture("base4.bmp");
    const int source_x = stage <= 4 ? 525 : 447;
    int differ = 0;
    for (int y = 0; y < 33; ++y)
      for (int x = 0; x < 32; ++x)
        differ += back.at(335 + x, 186 + y) != skin.at(source_x + x, 245 + y);
    EXPECT_EQ(differ, 0) << "stage " << stage;
    if (stage <= 4) {
      EXPECT_EQ(r.Events("moved picker").size(), 2u) << r.log;  // centring, then the drag
      EXPECT_EQ(r.Events("effect 2").size(), 1u) << r.log;      // only the part button
    } else {
      EXPECT_EQ(r.Events("moved picker").size(), 1u) << r.log;
      EXPECT_EQ(r.Events("effect 2").size(), 2u) << r.log;  // and the save button
    }
  }
}

TEST_F(PickerAt, SliderLevelsAreClampedAndSaved) {
  struct Case {
    int x;
    int level;
  };
  for (const Case c : {Case{459, 0}, Case{463, 1}, Case{505, 15}, Case{511, 15}}) {
    Stage(9);
    const SimResult r = Run("start\nwait 200\n" + OpenPicker(0, 0) + ClickEntry(16) +
                            Slider(0, 1, c.x) + kSaveFree);
    EXPECT_TRUE(r.Events("error").empty()) << r.log;
    EXPECT_EQ(SavedFreeColours(0)[0][16][0][1], c.level) << "x = " << c.x;
  }
}

TEST_F(PickerAt, PresetLevelControlsAreDisabledAndTheirClickDrags) {
  Stage(9);
  const SimResult r = Run("start\nwait 200\n" + OpenPicker(0, 0) + ClickEntry(3) +
                          "down picker 480 78\nmove picker 490 88\nup picker 490 88\n" +
                          Click(384, 181) + "wait 100\n");
  EXPECT_EQ(r.Events("moved picker").size(), 2u) << r.log;
  EXPECT_EQ(r.Events("effect 51").size(), 1u) << r.log;  // take colour on a preset entry
}

TEST_F(PickerAt, MinusAndPlusStopAtTheEnds) {
  Stage(9);
  // Red of free colour 1 of the lipstick: 0 after the slider, minus keeps 0, then 15 by
  // the slider and plus keeps 15; green: plus once from its factory value.
  const int green = FactoryPartColours[1][16][0][1];
  const SimResult r =
      Run("start\nwait 200\n" + OpenPicker(0, 1) + ClickEntry(16) + Slider(0, 0, 459) +
          Click(424, 78) + "wait 100\n" + kSaveFree + Slider(0, 0, 505) + Click(451, 78) +
          "wait 100\n" + Click(451, 89) + "wait 100\n" + kCancel + OpenPicker(0, 1) + kSaveFree);
  EXPECT_TRUE(r.Events("error").empty()) << r.log;
  const PartColours saved = SavedFreeColours(1);
  EXPECT_EQ(saved[1][16][0][0], 15);
  EXPECT_EQ(saved[1][16][0][1], std::min(green + 1, 15));
}

TEST_F(PickerAt, CancelKeepsAFreeColourEditButLeavesTheVariant) {
  Stage(9);
  const SimResult r =
      Run("start\nwait 200\n" + OpenPicker(0, 0) + ClickEntry(16) + Slider(0, 0, 505) + kCancel +
          SaveColours(0) + "wait 100\n" + OpenPicker(0, 0) + ClickEntry(16) + kOk + "click main " +
          At(29, 110) + "\nwait 200\n");
  EXPECT_EQ(r.Events("result picker 2").size(), 1u) << r.log;
  EXPECT_EQ(r.Events("result picker 1").size(), 1u) << r.log;
  // The first save came before the second OK, the second after it: the file holds the
  // second. The edit survived the cancel.
  const ColourTable t = SavedColours();
  Colour expected = EntryColour(FactoryPartColours[0][16], 0);
  expected.red = 255;
  EXPECT_EQ(t[2][3], expected);
}

TEST_F(PickerAt, CancelLeavesTheVariantAsItWas) {
  Stage(9);
  Run("start\nwait 200\n" + OpenPicker(0, 0) + ClickEntry(16) + Slider(0, 0, 505) + kCancel +
      SaveColours(0));
  EXPECT_EQ(SavedColours()[2], DefaultColours[2]);
}

TEST_F(PickerAt, CycleRandomRandomResetPerPartRememberedBetweenOpenings) {
  Stage(9);
  const SimResult r =
      Run("seed 5\nstart\nwait 200\n" + OpenPicker(0, 0) + kCycle + kSaveFree + kCancel +
          OpenPicker(0, 5) + kCycle + kCancel + OpenPicker(0, 0) + kCycle + kCycle + kSaveFree);
  std::vector<std::string> cycle_effects;
  for (const std::string& e : r.Events("effect")) {
    if (e.find("effect 31") != std::string::npos) cycle_effects.push_back(e);
  }
  ASSERT_EQ(cycle_effects.size(), 1u) << r.log;  // only the third press of part 0 resets
  // After the reset the free colours of part 0 are their factory values again.
  const PartColours saved = SavedFreeColours(0);
  for (int e = 16; e <= 20; ++e) {
    EXPECT_EQ(saved[0][static_cast<std::size_t>(e)],
              FactoryPartColours[0][static_cast<std::size_t>(e)])
        << e;
  }
}

TEST_F(PickerAt, ARandomCycleMakesEveryOfferedFreeColourTheSame) {
  Stage(6);  // free colours 1 and 2 offered
  Run("seed 3\nstart\nwait 200\n" + OpenPicker(0, 2) + kCycle + kSaveFree);
  const PartColours saved = SavedFreeColours(2);
  EXPECT_EQ(saved[2][16], saved[2][17]);
  for (int e = 18; e <= 20; ++e) {
    EXPECT_EQ(saved[2][static_cast<std::size_t>(e)],
              FactoryPartColours[2][static_cast<std::size_t>(e)])
        << e;
  }
}

TEST_F(PickerAt, TakeColourCopiesTheVariantIntoTheFreeColour) {
  Stage(9);
  const SimResult r = Run("start\nwait 200\n" + OpenPicker(1, 2) + ClickEntry(17) +
                          Click(384, 181) + "wait 400\n" + kSaveFree);
  EXPECT_EQ(r.Events("effect 67").size(), 1u) << r.log;
  // The 3P skin colours bf:9d:76, d9:bf:99, ff:e9:bf as levels.
  const PartEntry expected = {{{11, 9, 6}, {12, 11, 9}, {15, 13, 11}}};
  EXPECT_EQ(SavedFreeColours(2)[2][17], expected);
}

TEST_F(PickerAt, LoadReadsTheSavedFreeColoursBackAndReportsABrokenValue) {
  Stage(9);
  Run("seed 2\nstart\nwait 200\n" + OpenPicker(0, 4) + kCycle + kSaveFree);
  const PartColours saved = SavedFreeColours(4);
  ASSERT_NE(saved[4][16], FactoryPartColours[4][16]);
  // Three presses end at the factory values; the load brings the saved colours back.
  Run("seed 2\nstart\nwait 200\n" + OpenPicker(0, 4) + kCycle + kCycle + kCycle + Click(345, 193) +
      "wait 400\n" + kSaveFree);
  EXPECT_EQ(SavedFreeColours(4)[4], saved[4]);
  IniFile(File("Tinto.ini")).WriteString("Tinto", "fc5", "1 2 x", nullptr);
  const SimResult broken =
      Run("start\nwait 200\n" + OpenPicker(0, 4) + Click(345, 193) + "wait 400\n");
  // Reported at start-up and again by the load button.
  const auto errors = broken.Events("error");
  ASSERT_EQ(errors.size(), 2u) << broken.log;
  EXPECT_EQ(errors[1].rfind("0 ", 0), std::string::npos) << broken.log;
}

TEST_F(PickerAt, APressWhileTheAlarmRingsOnlySilencesIt) {
  Stage(9);
  const SimResult r =
      Run("now 2026-01-01 12:00:00\nstart\nwait 200\nclick main " + At(296, 298) + " shift\n" +
          OpenPicker(0, 0) + "wait 2000\n" + kOk + ClickEntry(16) + "wait 100\n");
  const auto effects = r.Events("effect");
  ASSERT_EQ(effects.size(), 6u) << r.log;  // 11, 3, the part button, 10, 32, the entry
  EXPECT_EQ(effects[3], "2000 effect 10") << r.log;
  EXPECT_EQ(effects[4], "2600 effect 32") << r.log;
  EXPECT_EQ(effects[5], "3000 effect 2") << r.log;          // the next press acts again
  EXPECT_TRUE(r.Events("result picker").empty()) << r.log;  // OK did not close it
}

TEST_F(PickerAt, F1AndTheWheelAskForTheManualAndNoKeyCloses) {
  const SimResult r = Run("start\nwait 200\n" + OpenPicker(0, 0) +
                          "key picker F1\nwheel picker 120\nkey picker ESC\n"
                          "key picker ENTER\nkey picker SPACE\nwait 100\n");
  EXPECT_TRUE(r.Events("result picker").empty()) << r.log;
  EXPECT_EQ(r.status, 0) << r.errors;
}

TEST_F(PickerAt, HelpPictureCoversTheWindowForFourSeconds) {
  const SimResult r = Run("start\nwait 200\n" + OpenPicker(0, 0) + Click(516, 69) + "wait 10\n");
  EXPECT_TRUE(r.Has("500 effect 2")) << r.log;
  EXPECT_TRUE(r.Has("500 cursor hidden")) << r.log;
  EXPECT_TRUE(r.Has("4500 cursor shown")) << r.log;
}

TEST_F(PickerAt, TheMarkerRunsBesideTheSelectedEntry) {
  // Contact lenses of 2P: entry 2, left column; the marker frames come from the skin.
  const SimResult r =
      Run("start\nwait 200\n" + OpenPicker(0, 0) + "wait 250\nsnap picker " +
          File("a.bmp").string() + "\nwait 100\nsnap picker " + File("b.bmp").string() +
          "\nskin BASE4 " + File("base4.bmp").string() + "\n");
  const gfx::Bitmap a = Picture("a.bmp"), b = Picture("b.bmp"), skin = Picture("base4.bmp");
  auto frame_at = [&](const gfx::Bitmap& snap) {
    for (int f = 0; f < 8; ++f) {
      bool same = true;
      for (int y = 0; y < 7 && same; ++y)
        for (int x = 0; x < 9 && same; ++x)
          same = snap.at(155 + x, 43 + y) == skin.at(214 + 10 * f + x, 3 + y);
      if (same) return f;
    }
    return -1;
  };
  const int first = frame_at(a);
  ASSERT_GE(first, 0);
  EXPECT_EQ(frame_at(b), (first + 1) % 8);
}

// Every part's list at stage 9 shows 21 different recoloured icons and a name beside each.
TEST_F(PickerAt, EveryPartListsTwentyOneDistinctIconsWithTheirNames) {
  Stage(9);
  std::string script = "start\nwait 200\n";
  for (int p = 0; p < 6; ++p) {
    script += OpenPicker(0, p) + "snap picker " + File("p" + std::to_string(p) + ".bmp").string() +
              "\n" + kCancel;
  }
  const SimResult r = Run(script + "skin BASE4 " + File("base4.bmp").string() + "\n");
  const gfx::Bitmap skin = Picture("base4.bmp");
  const bool have_font = gfx::Font::Open("ＭＳ Ｐゴシック", 12) != nullptr;
  for (int p = 0; p < 6; ++p) {
    const gfx::Bitmap snap = Picture("p" + std::to_string(p) + ".bmp");
    std::set<std::vector<gfx::Pixel>> icons;
    for (int e = 0; e < 21; ++e) {
      std::vector<gfx::Pixel> icon;
      const int hx = 165 + 22 * (e % 2), hy = 12 * e + 12;
      for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 26; ++x) icon.push_back(snap.at(hx + x, hy + y));
      icons.insert(icon);
      if (!have_font) continue;
      int white = 0;
      const int bx = 49 + 170 * (e % 2), by = 12 * e + 17;
      for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 116; ++x)
          white += snap.at(bx + x, by + y) == gfx::MakePixel(255, 255, 255);
      EXPECT_GT(white, 15) << "part " << p << " entry " << e;
      // Nothing of an earlier part's names stays below the bar.
      int left_over = 0;
      for (int x = 0; x < 116; ++x)
        left_over += snap.at(bx + x, by + 11) != skin.at(bx + x, by + 11);
      EXPECT_EQ(left_over, 0) << "part " << p << " entry " << e;
    }
    EXPECT_EQ(icons.size(), 21u) << "part " << p;
  }
}

}  // namespace
}  // namespace tinto::test
