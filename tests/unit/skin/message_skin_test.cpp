// The message window's skin: the CANSEL button can be hidden by stretching one background
// pixel over it, the pressed images differ from the buttons and sit on the band behind
// them, and the message area is one dark colour for the white text.
#include <gtest/gtest.h>

#include <utility>

#include "skin_image.h"

namespace tinto::skin_test {
namespace {

class MessageSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = LoadSkin("BASE3");
    ASSERT_EQ(skin_.width, 447);
  }
  bool SameImage(gfx::Rect a, gfx::Point b) const {
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) {
        if (skin_.colour(a.left + x, a.top + y) != skin_.colour(b.x + x, b.y + y)) return false;
      }
    }
    return true;
  }
  SkinImage skin_;
};

TEST_F(MessageSkinTest, CanselHidesUnderItsBackgroundPixel) {
  const gfx::Rect cansel = {182, 126, 57, 11};
  const std::uint32_t background = skin_.colour(182, 137);
  int ring_off = 0;
  for (int x = cansel.left - 1; x <= cansel.right(); ++x) {
    ring_off += skin_.colour(x, cansel.top - 1) != background;
    ring_off += skin_.colour(x, cansel.bottom()) != background;
  }
  for (int y = cansel.top; y < cansel.bottom(); ++y) {
    ring_off += skin_.colour(cansel.left - 1, y) != background;
  }
  EXPECT_EQ(ring_off, 0) << "the stretched pixel would show as a patch";
  bool visible = false;
  for (int y = cansel.top; y < cansel.bottom(); ++y) {
    for (int x = cansel.left; x < cansel.right(); ++x) visible |= skin_.colour(x, y) != background;
  }
  EXPECT_TRUE(visible);
}

TEST_F(MessageSkinTest, PressedImagesDifferFromTheButtons) {
  EXPECT_FALSE(SameImage({239, 120, 29, 23}, {346, 139}));
  EXPECT_FALSE(SameImage({182, 126, 57, 11}, {289, 145}));
}

// The pressed images replace their button's whole rectangle: outside the button's own
// shape they show the band behind the button, so no box of another colour flashes up.
TEST_F(MessageSkinTest, PressedImagesSitOnTheBandBehindTheButtons) {
  const std::uint32_t band = skin_.colour(182, 137);
  for (const auto& [button, pressed] :
       {std::pair{gfx::Rect{239, 120, 29, 23}, gfx::Point{346, 139}},
        std::pair{gfx::Rect{182, 126, 57, 11}, gfx::Point{289, 145}}}) {
    for (const auto& [dx, dy] :
         {std::pair{0, 0}, std::pair{button.width - 1, 0}, std::pair{0, button.height - 1},
          std::pair{button.width - 1, button.height - 1}}) {
      EXPECT_EQ(skin_.colour(button.left + dx, button.top + dy), band) << dx << "," << dy;
      EXPECT_EQ(skin_.colour(pressed.x + dx, pressed.y + dy), band) << dx << "," << dy;
    }
  }
}

TEST_F(MessageSkinTest, MessageAreaIsOneDarkColour) {
  const std::uint32_t c = skin_.colour(97, 39);
  const int luma = 3 * (c >> 16) + 6 * ((c >> 8) & 0xFF) + (c & 0xFF);
  EXPECT_LT(luma, 10 * 64);
  int other = 0;
  for (int y = 39; y < 118; ++y) {
    for (int x = 97; x < 416; ++x) other += skin_.colour(x, y) != c;
  }
  EXPECT_EQ(other, 0);
}

}  // namespace
}  // namespace tinto::skin_test
