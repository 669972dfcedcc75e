// The main window's three skins: every pressed look is visible and stays inside its
// rectangles, the alternate skin changes only its own rectangles, the digit glyph strip
// holds readable digits that match the numbers the normal skin shows at start, and the
// lamp cells match the lamps. The pressed looks come from the window's hotspot table, so
// moving a row moves its look in the skin and its place in the hit test together.
#include "tools/skin/main_skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/main_hotspots.h"
#include "gfx/geometry.h"
#include "shell/main_layout.h"
#include "skin_image.h"
#include "tools/skin/colour_pattern.h"
#include "tools/skin/main_layout.h"

namespace tinto::skin_test {
namespace {

using gfx::Rect;

namespace ml = main_layout;

struct Press {
  std::string what;
  std::vector<Rect> rects;
};

// The pressed looks of the main window's buttons, as its hotspot table gives them.
std::vector<Press> Presses() {
  std::vector<Press> p;
  for (std::size_t i = 0; i < kMainHotspots.size(); ++i) {
    const MainHotspot& row = kMainHotspots[i];
    if (row.pressed_count == 0) continue;
    p.push_back({"hotspot row " + std::to_string(i),
                 {row.pressed.begin(), row.pressed.begin() + row.pressed_count}});
  }
  return p;
}

// The rectangles the program copies from the alternate skin.
std::vector<Rect> AlternateRects() {
  return skin::main_layout::AlternateRects();
}

constexpr Rect kStrip = ml::kGlyphStripArea;
constexpr Rect kPanelAreas[2] = {ml::kPanelArea, ml::kPanelArea.offset(0, ml::kPanelStep)};
constexpr Rect kBlankHalves[2] = {ml::kBlankUpper, ml::kBlankLower};

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
  const gfx::Point at = ml::GlyphCell(row, digit);
  return {at.x, at.y, ml::kGlyphSize, ml::kGlyphSize};
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

// The hotspot table is the one source of a button's place: a row moved in it takes its
// pressed look in the generated skin and its place in the left button's hit test along.
TEST(MainSkinGeometry, MovingAHotspotRowMovesItsPressedLookAndItsHitBox) {
  const auto close =
      std::find_if(kMainHotspots.begin(), kMainHotspots.end(),
                   [](const MainHotspot& h) { return h.action == MainAction::kClose; });
  ASSERT_NE(close, kMainHotspots.end());
  const auto index = static_cast<std::size_t>(close - kMainHotspots.begin());
  const Rect old_look = close->pressed[0];
  const gfx::Point old_centre = {close->box.left + close->box.width / 2,
                                 close->box.top + close->box.height / 2};

  // Into the viewer's picture area, where nothing else is pressed.
  auto moved = kMainHotspots;
  constexpr int kDx = -60;
  constexpr int kDy = 80;
  moved[index].box = moved[index].box.offset(kDx, kDy);
  moved[index].pressed[0] = old_look.offset(kDx, kDy);
  const gfx::Point new_centre = {old_centre.x + kDx, old_centre.y + kDy};

  const skin::ColourPattern pattern = skin::DrawColourPattern();
  const skin::MainSkins before = skin::DrawMainSkins(pattern);
  const skin::MainSkins after = skin::DrawMainSkins(pattern, moved);
  auto pressed_differs = [](const skin::MainSkins& s, Rect r) {
    for (int y = r.top; y < r.bottom(); ++y) {
      for (int x = r.left; x < r.right(); ++x) {
        if (s.base1.At(x, y) != s.base0.At(x, y)) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(pressed_differs(before, old_look));
  EXPECT_FALSE(pressed_differs(after, old_look)) << "the old place still looks pressed";
  EXPECT_EQ(after.base0, before.base0);

  auto any_row = [](const MainHotspot&) { return true; };
  const MainHotspot* at_old = FindHotspot(moved, old_centre.x, old_centre.y, any_row);
  const MainHotspot* at_new = FindHotspot(moved, new_centre.x, new_centre.y, any_row);
  EXPECT_TRUE(at_old == nullptr || at_old->action != MainAction::kClose);
  ASSERT_NE(at_new, nullptr);
  EXPECT_EQ(at_new->action, MainAction::kClose);
  const MainHotspot* at_old_before =
      FindHotspot(kMainHotspots, old_centre.x, old_centre.y, any_row);
  ASSERT_NE(at_old_before, nullptr);
  EXPECT_EQ(at_old_before->action, MainAction::kClose);
}

}  // namespace
}  // namespace tinto::skin_test
