// The colour pattern and the colour panels of the main skins: the pattern keeps to the
// places the panels show, every part's colour indices cover enough pixels to show a
// change, and the blank panel halves leave black exactly where recoloured pixels land
// (the program ORs them on) while matching the panel everywhere else.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "gfx/geometry.h"
#include "skin_image.h"

namespace tinto::skin_test {
namespace {

using gfx::Rect;

// The icons sit at the part buttons' positions plus (4, 3); each is a hexagon of 26 x 21.
constexpr std::array<gfx::Point, 6> kIcons = {
    {{65, 42}, {36, 57}, {65, 72}, {65, 108}, {36, 123}, {65, 138}}};

struct Part {
  const char* name;
  std::vector<int> indices;
};
const Part kParts[6] = {{"contact lenses", {3, 4}}, {"lipstick", {13}}, {"skin", {10, 11, 12}},
                        {"costume", {6, 7, 8}},     {"belt", {14}},     {"stockings", {9, 2}}};

// The columns of the pattern that a panel shows for a pose: from the pose's fourth
// column on, and its first three columns only in rows 29..42.
bool InShownPose(int pose, int x, int y) {
  const int left = 93 + 75 * pose;
  if (y < 13 || y > 188 || x < left || x > left + 73) return false;
  return x >= left + 3 || (y >= 29 && y <= 42);
}

bool InIconHexagon(int x, int y) {
  for (const gfx::Point& at : kIcons) {
    const int col = x - at.x, row = y - at.y;
    if (col < 0 || row < 0 || col >= 26 || row >= 21) continue;
    // The hexagon's slanted sides cut at most 6 columns off each end of a row.
    const int inset = (6 * std::abs(row - 10) + 5) / 10;
    if (col >= inset && col < 26 - inset) return true;
  }
  return false;
}

int CountIn(const SkinImage& img, Rect r, int index) {
  int n = 0;
  for (int y = r.top; y < r.bottom(); ++y) {
    for (int x = r.left; x < r.right(); ++x) n += img.at(x, y) == index;
  }
  return n;
}

class ColourPanelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pattern_ = new SkinImage(LoadSkin("COLPTN"));
    skins_[0] = new SkinImage(LoadSkin("BASE0"));
    skins_[1] = new SkinImage(LoadSkin("BASE1"));
  }
  static void TearDownTestSuite() {
    delete pattern_;
    delete skins_[0];
    delete skins_[1];
  }
  void SetUp() override {
    ASSERT_EQ(pattern_->width, 243);
    ASSERT_EQ(pattern_->height, 189);
    ASSERT_EQ(skins_[0]->width, 414);
    ASSERT_EQ(skins_[1]->width, 414);
  }
  // Calls f(panel x, panel y, pattern index) for every pixel of the panel area (skin
  // coordinates of the 2P panel) with the pattern index that the program paints there
  // for the pose (0 where it paints nothing).
  static void ForPanel(int pose, const std::function<void(int, int, int)>& f) {
    for (int y = 13; y < 189; ++y) {
      for (int x = 32; x < 168; ++x) {
        int key = 0;
        if (x >= 93 && x < 167) key = pattern_->at(x + 75 * pose, y);
        if (x >= 36 && x < 91 && y >= 42 && y < 159 && pattern_->at(x, y) != 0) {
          key = pattern_->at(x, y);
        }
        f(x, y, key);
      }
    }
  }
  // The blank pixel that the program copies to panel (x, y).
  static std::uint32_t Blank(const SkinImage& skin, int x, int y) {
    return y < 101 ? skin.colour(x - 32 + 271, y) : skin.colour(x - 32 + 271, y - 101 + 310);
  }
  static SkinImage* pattern_;
  static std::array<SkinImage*, 2> skins_;
};

SkinImage* ColourPanelTest::pattern_ = nullptr;
std::array<SkinImage*, 2> ColourPanelTest::skins_ = {};

TEST_F(ColourPanelTest, PatternIsBlackOutsideTheShownPosesAndTheIcons) {
  int stray = 0;
  for (int y = 0; y < 189; ++y) {
    for (int x = 0; x < 243; ++x) {
      if (pattern_->at(x, y) != 0 && !InShownPose(0, x, y) && !InShownPose(1, x, y) &&
          !InIconHexagon(x, y)) {
        ++stray;
      }
    }
  }
  EXPECT_EQ(stray, 0);
}

TEST_F(ColourPanelTest, EveryPartIndexCoversManyPixelsInBothPosesAndItsIcon) {
  for (int p = 0; p < 6; ++p) {
    for (int index : kParts[p].indices) {
      SCOPED_TRACE(std::string(kParts[p].name) + " index " + std::to_string(index));
      EXPECT_GE(CountIn(*pattern_, {93, 13, 74, 176}, index), 12);
      EXPECT_GE(CountIn(*pattern_, {168, 13, 74, 176}, index), 12);
      EXPECT_GE(CountIn(*pattern_, {kIcons[p].x, kIcons[p].y, 26, 21}, index), 25);
    }
  }
}

TEST_F(ColourPanelTest, PosesAreClearlyDifferent) {
  int differing = 0;
  for (int y = 13; y < 189; ++y) {
    for (int x = 0; x < 74; ++x) differing += pattern_->at(93 + x, y) != pattern_->at(168 + x, y);
  }
  EXPECT_GT(differing, 1500);
}

// BASE0 carries pose 0, BASE1 pose 1.
TEST_F(ColourPanelTest, BlankIsBlackUnderEveryPatternPixel) {
  for (int pose = 0; pose < 2; ++pose) {
    int wrong = 0;
    ForPanel(pose, [&](int x, int y, int key) {
      if (key != 0 && Blank(*skins_[pose], x, y) != 0) ++wrong;
    });
    EXPECT_EQ(wrong, 0) << "pose " << pose;
  }
}

// Where nothing is painted, rendering a panel must leave the skin's look unchanged: the
// blank there is the panel of both skins, in the 2P and the 3P panel alike.
TEST_F(ColourPanelTest, BlankMatchesBothPanelsWhereNothingIsPainted) {
  for (int pose = 0; pose < 2; ++pose) {
    int wrong = 0;
    ForPanel(pose, [&](int x, int y, int key) {
      if (key != 0) return;
      const std::uint32_t blank = Blank(*skins_[pose], x, y);
      wrong += skins_[pose]->colour(x, y) != blank;
      wrong += skins_[pose]->colour(x, y + 209) != blank;
    });
    EXPECT_EQ(wrong, 0) << "pose " << pose;
  }
}

}  // namespace
}  // namespace tinto::skin_test
