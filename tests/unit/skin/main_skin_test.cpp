// The main window's three skins: every pressed look is visible and stays inside its
// rectangles, the alternate skin changes only its own rectangles, the digit glyph strip
// holds readable digits that match the numbers the normal skin shows at start, and the
// lamp cells match the lamps.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "gfx/geometry.h"
#include "skin_image.h"

namespace tinto::skin_test {
namespace {

using gfx::Rect;

struct Press {
  std::string what;
  std::vector<Rect> rects;
};

constexpr int kFilmX[9] = {1, 17, 33, 49, 65, 81, 97, 113, 129};
constexpr int kFilmY[9] = {1, 9, 17, 25, 33, 25, 17, 9, 1};
constexpr int kMovieY[2][9] = {{1, 10, 1, 10, 1, 10, 1, 10, 1},
                               {25, 34, 25, 34, 25, 34, 25, 34, 25}};
constexpr int kPartX[6] = {61, 32, 61, 61, 32, 61};
constexpr int kPartY[6] = {39, 54, 69, 105, 120, 135};

// The pressed-look rectangles of the main window's buttons, as its press handler shows
// them.
std::vector<Press> Presses() {
  std::vector<Press> p = {
      {"minimise", {{301, 109, 24, 10}}},
      {"close", {{327, 106, 25, 17}}},
      {"alarm preview", {{339, 252, 15, 15}, {337, 257, 19, 5}}},
      {"alarm previous", {{326, 261, 12, 12}, {338, 265, 2, 8}}},
      {"alarm next", {{355, 261, 12, 12}, {353, 265, 2, 8}}},
      {"alarm loop", {{320, 251, 15, 10}}},
      {"music", {{297, 252, 15, 15}, {295, 257, 19, 5}}},
      {"song previous", {{284, 261, 12, 12}, {296, 265, 2, 8}}},
      {"song next", {{313, 261, 12, 12}, {311, 265, 2, 8}}},
      {"continuous play", {{278, 251, 15, 10}}},
      {"zoom", {{279, 124, 37, 5}}},
      {"+3", {{323, 133, 18, 15}}},
      {"+2", {{310, 130, 13, 17}}},
      {"+1", {{298, 130, 11, 16}}},
      {"-3", {{254, 133, 18, 15}}},
      {"-2", {{272, 130, 13, 17}}},
      {"-1", {{286, 130, 11, 16}}},
      {"step forward", {{308, 147, 15, 11}, {323, 149, 1, 1}}},
      {"stop", {{287, 147, 21, 12}}},
      {"step reverse", {{272, 147, 15, 11}, {271, 149, 1, 1}}},
      {"fine minus", {{286, 159, 5, 5}}},
      {"reset", {{295, 165, 5, 5}}},
      {"fine plus", {{304, 159, 5, 5}}},
      {"photo rotation", {{223, 165, 15, 10}}},
      {"wallpaper", {{343, 284, 11, 4}}},
      {"clock", {{244, 109, 51, 5}}},
      {"countdown minus", {{293, 294, 7, 7}}},
      {"countdown plus", {{341, 294, 7, 7}}},
      {"password", {{242, 263, 28, 23}}},
  };
  for (int n = 0; n < 9; ++n) {
    p.push_back(
        {"film " + std::to_string(n + 1),
         {{kFilmX[n] + 225, kFilmY[n] + 149, 15, 15}, {kFilmX[n] + 223, kFilmY[n] + 154, 19, 5}}});
  }
  for (int r = 0; r < 2; ++r) {
    for (int n = 0; n < 9; ++n) {
      const int x = kFilmX[n];
      const int y = kMovieY[r][n];
      p.push_back(
          {"movie " + std::to_string(r) + "/" + std::to_string(n + 1),
           {{x + 241, y + 199, 14, 15}, {x + 239, y + 202, 18, 9}, {x + 238, y + 206, 20, 1}}});
    }
    p.push_back({"movie sound " + std::to_string(r), {{207, 206 + 24 * r, 12, 11}}});
    p.push_back({"movie rotation " + std::to_string(r), {{219, 201 + 24 * r, 15, 10}}});
  }
  for (int v = 0; v < 2; ++v) {
    const int f = 209 * v;
    const std::string panel = v == 0 ? " 2P" : " 3P";
    p.push_back({"load" + panel, {{20, 84 + f, 18, 15}, {19, 91 + f, 20, 1}}});
    p.push_back({"save" + panel, {{20, 102 + f, 18, 15}, {19, 109 + f, 20, 1}}});
    p.push_back({"random" + panel, {{38, 93 + f, 18, 15}, {37, 100 + f, 20, 1}}});
    for (int part = 0; part < 6; ++part) {
      p.push_back({"part " + std::to_string(part) + panel,
                   {{kPartX[part] + 4, kPartY[part] + f, 26, 27},
                    {kPartX[part], kPartY[part] + 8 + f, 34, 11}}});
    }
  }
  return p;
}

// The rectangles the program copies from the alternate skin.
std::vector<Rect> AlternateRects() {
  std::vector<Rect> r = {{320, 251, 15, 10}, {278, 251, 15, 10}, {223, 165, 15, 10},
                         {219, 201, 15, 10}, {219, 225, 15, 10}, {207, 206, 12, 11},
                         {207, 230, 12, 11}, {244, 109, 51, 5},  {279, 124, 37, 5},
                         {282, 278, 83, 26}, {241, 294, 41, 10}};
  for (const Press& p : Presses()) {
    if (p.what.rfind("film ", 0) == 0 || p.what.rfind("movie ", 0) == 0) {
      if (p.what.find("sound") == std::string::npos &&
          p.what.find("rotation") == std::string::npos) {
        r.insert(r.end(), p.rects.begin(), p.rects.end());
      }
    }
  }
  return r;
}

constexpr Rect kStrip = {283, 279, 60, 15};
constexpr Rect kPanelAreas[2] = {{32, 13, 136, 176}, {32, 222, 136, 176}};
constexpr Rect kBlankHalves[2] = {{271, 13, 136, 88}, {271, 310, 136, 88}};

bool Overlaps(Rect a, Rect b) {
  return !gfx::Intersect(a, b).empty();
}

bool InAny(int x, int y, const std::vector<Rect>& rects) {
  for (const Rect& r : rects) {
    if (r.contains(x, y)) return true;
  }
  return false;
}

class MainSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    base0_ = new SkinImage(LoadSkin("BASE0"));
    base1_ = new SkinImage(LoadSkin("BASE1"));
    base2_ = new SkinImage(LoadSkin("BASE2"));
  }
  static void TearDownTestSuite() {
    delete base0_;
    delete base1_;
    delete base2_;
  }
  void SetUp() override {
    ASSERT_EQ(base0_->width, 414);
    ASSERT_EQ(base1_->width, 414);
    ASSERT_EQ(base2_->width, 414);
  }
  static SkinImage* base0_;
  static SkinImage* base1_;
  static SkinImage* base2_;
};

SkinImage* MainSkinTest::base0_ = nullptr;
SkinImage* MainSkinTest::base1_ = nullptr;
SkinImage* MainSkinTest::base2_ = nullptr;

TEST_F(MainSkinTest, EveryPressedRectangleShowsAChange) {
  for (const Press& p : Presses()) {
    for (const Rect& r : p.rects) {
      EXPECT_FALSE(SameIn(*base0_, *base1_, r))
          << p.what << " (" << r.left << ", " << r.top << ", " << r.width << ", " << r.height
          << ") looks the same pressed";
    }
  }
}

TEST_F(MainSkinTest, NoPressedRectangleReachesTheGlyphStrip) {
  for (const Press& p : Presses()) {
    for (const Rect& r : p.rects) EXPECT_FALSE(Overlaps(r, kStrip)) << p.what;
  }
}

// Apart from its pressed looks, the glyph strip, the lamp cells, the heroine's other pose
// and the blank halves, the pressed skin is the normal skin.
TEST_F(MainSkinTest, PressedSkinEqualsNormalSkinElsewhere) {
  std::vector<Rect> allowed = {kStrip, {272, 127, 2, 3}, {277, 127, 2, 3}, {316, 127, 2, 3}};
  for (const Press& p : Presses()) allowed.insert(allowed.end(), p.rects.begin(), p.rects.end());
  allowed.insert(allowed.end(), std::begin(kPanelAreas), std::end(kPanelAreas));
  allowed.insert(allowed.end(), std::begin(kBlankHalves), std::end(kBlankHalves));
  int differing = 0;
  for (int y = 0; y < 410; ++y) {
    for (int x = 0; x < 414; ++x) {
      if (!InAny(x, y, allowed) && base0_->colour(x, y) != base1_->colour(x, y)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(MainSkinTest, AlternateSkinChangesEachOfItsRectanglesAndNothingElse) {
  const std::vector<Rect> rects = AlternateRects();
  for (const Rect& r : rects) {
    EXPECT_FALSE(SameIn(*base0_, *base2_, r))
        << "(" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << ")";
  }
  int differing = 0;
  for (int y = 0; y < 410; ++y) {
    for (int x = 0; x < 414; ++x) {
      if (!InAny(x, y, rects) && base0_->colour(x, y) != base2_->colour(x, y)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
}

// A 5 x 5 glyph cell of the strip: row 0 white, row 1 red, row 2 dark digits.
Rect Cell(int row, int digit) {
  return {283 + 6 * digit, 279 + 5 * row, 5, 5};
}

TEST_F(MainSkinTest, GlyphStripRowsHoldTenDistinctTwoColourDigits) {
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    std::set<std::vector<std::uint32_t>> shapes;
    const std::uint32_t paper = base1_->colour(Cell(row, 0).left, Cell(row, 0).top);
    std::set<std::uint32_t> inks;
    for (int d = 0; d < 10; ++d) {
      const Rect c = Cell(row, d);
      std::vector<std::uint32_t> shape;
      for (int y = c.top; y < c.bottom(); ++y) {
        for (int x = c.left; x < c.right(); ++x) {
          shape.push_back(base1_->colour(x, y));
          if (base1_->colour(x, y) != paper) inks.insert(base1_->colour(x, y));
        }
      }
      shapes.insert(shape);
    }
    EXPECT_EQ(shapes.size(), 10u);
    ASSERT_EQ(inks.size(), 1u) << "one ink on one paper per row";
    const std::uint32_t ink = *inks.begin();
    auto luma = [](std::uint32_t c) { return 3 * (c >> 16) + 6 * ((c >> 8) & 0xFF) + (c & 0xFF); };
    if (row == 0) {
      EXPECT_EQ(ink, 0xFFFFFFu);
    } else if (row == 1) {
      EXPECT_TRUE((ink >> 16) >= 0xC0 && ((ink >> 8) & 0xFF) < 0x60) << std::hex << ink;
    } else {
      EXPECT_LT(luma(ink) * 2, luma(paper));
    }
  }
}

// Numbers are redrawn later from the strip; what the normal skin shows at start must be
// made of the same cells, or the first redraw would change their look.
TEST_F(MainSkinTest, StartNumbersAreCopiesOfStripCells) {
  struct Shown {
    const char* what;
    int x, y, row, digit;
  };
  const Shown shown[] = {
      {"speed 5", 292, 159, 0, 5},   {"speed 0", 298, 159, 0, 0},   {"song 0", 299, 268, 0, 0},
      {"song 0", 305, 268, 0, 0},    {"alarm 1", 341, 268, 0, 1},   {"alarm 0", 347, 268, 0, 0},
      {"hours", 244, 109, 2, 0},     {"hours", 250, 109, 2, 0},     {"minutes", 258, 109, 2, 0},
      {"minutes", 264, 109, 2, 0},   {"seconds", 272, 109, 2, 0},   {"seconds", 278, 109, 2, 0},
      {"countdown", 301, 295, 2, 0}, {"countdown", 307, 295, 2, 0}, {"countdown", 315, 295, 2, 0},
      {"countdown", 321, 295, 2, 0}, {"countdown", 329, 295, 2, 0}, {"countdown", 335, 295, 2, 0},
  };
  for (const Shown& s : shown) {
    const Rect cell = Cell(s.row, s.digit);
    for (int dy = 0; dy < 5; ++dy) {
      for (int dx = 0; dx < 5; ++dx) {
        ASSERT_EQ(base0_->colour(s.x + dx, s.y + dy), base1_->colour(cell.left + dx, cell.top + dy))
            << s.what << " at " << s.x << "," << s.y;
      }
    }
  }
}

// The start state is speed level 2: the first two forward lamps lit, every reverse lamp
// unlit; the lamp cells in the pressed skin are what the lamps are redrawn from.
TEST_F(MainSkinTest, LampsShowTheStartStateWithTheCellsOfThePressedSkin) {
  const Rect lit_forward = {321, 127, 2, 3}, unlit_forward = {316, 127, 2, 3};
  const Rect lit_reverse = {272, 127, 2, 3}, unlit_reverse = {277, 127, 2, 3};
  auto same = [&](const SkinImage& a, Rect at, Rect cell) {
    for (int dy = 0; dy < 3; ++dy) {
      for (int dx = 0; dx < 2; ++dx) {
        if (a.colour(at.left + dx, at.top + dy) != base1_->colour(cell.left + dx, cell.top + dy)) {
          return false;
        }
      }
    }
    return true;
  };
  EXPECT_FALSE(same(*base1_, lit_forward, unlit_forward));
  EXPECT_FALSE(same(*base1_, lit_reverse, unlit_reverse));
  EXPECT_TRUE(same(*base0_, {321, 127, 2, 3}, lit_forward));
  EXPECT_TRUE(same(*base0_, {326, 127, 2, 3}, lit_forward));
  EXPECT_TRUE(same(*base0_, {331, 127, 2, 3}, unlit_forward));
  for (int x : {262, 267, 272}) EXPECT_TRUE(same(*base0_, {x, 127, 2, 3}, unlit_reverse)) << x;
}

}  // namespace
}  // namespace tinto::skin_test
