// The main window's drawing primitives on a synthetic skin: pending rectangles, the three
// looks, glyph-strip numbers and the frame clock.
#include "shell/main_canvas.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/sim/sim_platform.h"
#include "shell/frame_clock.h"

namespace tinto {
namespace {

class Canvas : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each slot's pixel encodes its slot and position, so every copy can be traced.
    for (int slot = 0; slot < 10; ++slot) {
      gfx::Bitmap& b = skin_[slot];
      b = gfx::Bitmap(kSkinSlots[static_cast<std::size_t>(slot)].width,
                      kSkinSlots[static_cast<std::size_t>(slot)].height);
      for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
          b.set(x, y, static_cast<gfx::Pixel>((slot << 20) | (y << 10) | x));
    }
    canvas_.surface().Create(844, 410);
    gfx::Blit(canvas_.surface().back(), kSkinOffset, skin_[kBase0], skin_[kBase0].bounds());
  }
  int SlotAt(int skin_x, int skin_y) const {
    return static_cast<int>(canvas_.surface().back().at(skin_x + 430, skin_y) >> 20);
  }

  std::ostringstream log_;
  sim::SimPlatform platform_{{}, {}, 0, log_};
  Skin skin_;
  MainCanvas canvas_{platform_, skin_};
};

TEST_F(Canvas, SixthRectangleOverwritesTheFifth) {
  canvas_.BeginRects();
  for (int i = 0; i < 6; ++i) canvas_.AddRect(10 * i, 0, 5, 5);
  EXPECT_EQ(canvas_.rect_count(), 5);
  EXPECT_EQ(canvas_.pending_source(4), (gfx::Rect{50, 0, 5, 5}));
  canvas_.ShowPressed();
  EXPECT_EQ(SlotAt(0, 0), 1);
  EXPECT_EQ(SlotAt(50, 0), 1);
  EXPECT_EQ(SlotAt(40, 0), 0);  // the fifth rectangle was overwritten
}

TEST_F(Canvas, PressedThenNormalRestoresExactly) {
  const gfx::Bitmap before = canvas_.surface().back();
  canvas_.BeginRects();
  canvas_.AddRect(301, 109, 24, 10);
  canvas_.AddRect(0, 0, 414, 1);
  canvas_.ShowPressed();
  EXPECT_EQ(SlotAt(310, 112), 1);
  EXPECT_NE(canvas_.surface().back(), before);
  canvas_.ShowNormal();
  EXPECT_EQ(canvas_.surface().back(), before);
  canvas_.ShowToggle(true);
  EXPECT_EQ(SlotAt(310, 112), 2);
  canvas_.BeginRects();
  canvas_.ShowPressed();  // an empty list copies nothing
}

TEST_F(Canvas, DrawNumberCopiesDigitGlyphsFromTheStrip) {
  canvas_.DrawNumber(341, 268, 15, 2, 0);
  const gfx::Bitmap& back = canvas_.surface().back();
  // "1" from (283 + 6, 279) lands at window (771, 268); "5" from (283 + 30, 279) at 777.
  EXPECT_EQ(back.at(771, 268), skin_[kBase1].at(289, 279));
  EXPECT_EQ(back.at(775, 272), skin_[kBase1].at(293, 283));
  EXPECT_EQ(back.at(777, 268), skin_[kBase1].at(313, 279));
  EXPECT_EQ(back.at(776, 268) >> 20, 0u);  // the gap between glyphs keeps the skin
  canvas_.DrawNumber(0, 0, 123, 2, 1);     // more digits than the width: the last ones
  EXPECT_EQ(canvas_.surface().back().at(430, 0), skin_[kBase1].at(283 + 12, 284));
  canvas_.DrawDate(244, 109, {2026, 12, 9});
  EXPECT_EQ(canvas_.surface().back().at(430 + 244 + 18, 109), skin_[kBase1].at(283 + 36, 289));
}

TEST_F(Canvas, AlarmLookTouchesOnlyTheWindow) {
  const gfx::Bitmap before = canvas_.surface().back();
  canvas_.ShowAlarmLit();
  canvas_.ShowAlarmNormal();
  EXPECT_EQ(canvas_.surface().back(), before);
}

TEST(FrameClockTest, KeepsTimeAcrossTheTickCounterWrap) {
  FrameClock clock;
  clock.frame_delay = 120;
  clock.last_frame_tick = 0xFFFFFFC0u;
  int frames = 0;
  for (std::uint32_t now = 0xFFFFFFC0u + 10;; now += 10) {
    if (clock.Due(now)) {
      ++frames;
      clock.FrameDone(now);
    }
    if (now == 0x000001F0u) break;  // about 560 ms later, past the wrap
  }
  EXPECT_EQ(frames, 4);  // every 120 ms: 0x38, 0xB0, 0x128, 0x1A0
  clock.paused = true;
  EXPECT_FALSE(clock.Due(0x10000000u));
  EXPECT_EQ(clock.Plan(false).mode, TickPlan::Mode::kSkipAll);
}

}  // namespace
}  // namespace tinto
