// Zero- and blank-padded numbers and the strict box hit test.
#include "shell/pad.h"

#include <gtest/gtest.h>

#include <climits>

namespace tinto {
namespace {

TEST(ZeroPad, KeepsTheLastWidthDigitsOfTheValue) {
  struct Case {
    int width, value;
    const char* text;
  };
  for (const Case& c : {Case{2, 7, "07"}, Case{1, 5, "5"}, Case{3, 101, "101"}, Case{2, 123, "23"},
                        Case{2, 0, "00"}, Case{3, 7, "007"}, Case{4, 2001, "2001"},
                        Case{9, 0, "000000000"}, Case{3, 999999999, "999"}}) {
    EXPECT_EQ(ZeroPad(c.width, c.value), c.text) << c.width << ", " << c.value;
  }
}

TEST(PadNumber, FillsWithBlanksOrKeepsTheLastCharacters) {
  struct Case {
    int width, value;
    const char* text;
  };
  for (const Case& c :
       {Case{4, 7, "   7"}, Case{2, 123, "23"}, Case{3, 0, "  0"}, Case{4, 1234, "1234"},
        Case{3, -5, " -5"}, Case{2, -5, "-5"}, Case{1, -5, "5"}, Case{4, 255, " 255"},
        Case{2, 15, "15"}, Case{2, 100, "00"}}) {
    EXPECT_EQ(PadNumber(c.width, c.value), c.text) << c.width << ", " << c.value;
  }
}

TEST(ZeroPadAndPadNumber, ArgumentsOutsideTheirUseStillGiveAText) {
  EXPECT_EQ(ZeroPad(0, 5), "");
  EXPECT_EQ(ZeroPad(-3, 5), "");
  EXPECT_EQ(ZeroPad(12, 5), "1000000005");  // never more than the sum's digits
  EXPECT_EQ(ZeroPad(3, INT_MAX), "647");    // no overflow
  EXPECT_EQ(ZeroPad(3, INT_MIN), "648");
  EXPECT_EQ(PadNumber(0, 5), "");
  EXPECT_EQ(PadNumber(12, INT_MIN), " -2147483648");
}

TEST(PointInBox, IsStrictOnAllFourSides) {
  struct Case {
    int x, y;
    bool inside;
  };
  // The box (301, 109, 24, 10) reacts on x 302..324 and y 110..118.
  for (const Case& c : {Case{301, 110, false}, Case{302, 110, true}, Case{324, 110, true},
                        Case{325, 110, false}, Case{310, 109, false}, Case{310, 118, true},
                        Case{310, 119, false}, Case{300, 100, false}}) {
    EXPECT_EQ(PointInBox(c.x, c.y, 301, 109, 24, 10), c.inside) << c.x << ", " << c.y;
  }
  EXPECT_FALSE(PointInBox(5, 5, 4, 4, 1, 1));                        // a 1 x 1 box reacts nowhere
  EXPECT_TRUE(PointInBox(INT_MAX - 1, 5, INT_MAX - 2, 0, 100, 10));  // no overflow
}

}  // namespace
}  // namespace tinto
