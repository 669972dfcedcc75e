// UTF-8 <-> Shift-JIS (code page 932) at the file boundaries.
#include "gfx/sjis.h"

#include <gtest/gtest.h>

namespace tinto::gfx {
namespace {

TEST(Sjis, ConvertsTheCharactersWindowsWritesBothWays) {
  struct Case {
    const char* utf8;
    const char* sjis;
  };
  for (const Case& c : {
           Case{"", ""}, Case{"abc 123", "abc 123"}, Case{"ア", "\x83\x41"},
           Case{"～", "\x81\x60"},  // the wave dash of code page 932 (plain Shift-JIS lacks it)
           Case{"♪☆", "\x81\xF4\x81\x99"},
           Case{"①", "\x87\x40"},  // a circled digit, only in code page 932
           Case{"ｱ", "\xB1"},      // half-width katakana: one byte
       }) {
    EXPECT_EQ(Utf8ToSjis(c.utf8), c.sjis) << c.utf8;
    EXPECT_EQ(SjisToUtf8(c.sjis), c.utf8) << c.utf8;
  }
}

TEST(Sjis, GivesNothingForUnconvertibleInput) {
  EXPECT_EQ(Utf8ToSjis("smile \xF0\x9F\x98\x80"), std::nullopt);  // not in code page 932
  EXPECT_EQ(Utf8ToSjis("\xFF\xFE"), std::nullopt);                // not UTF-8
  EXPECT_EQ(Utf8ToSjis("\xE3\x82"), std::nullopt);                // cut-off UTF-8
  EXPECT_EQ(SjisToUtf8("ok\x83"), std::nullopt);                  // cut-off double byte
}

TEST(Sjis, GrowsItsBufferForTextThatWidens) {
  // Half-width katakana take one byte in Shift-JIS and three in UTF-8.
  std::string sjis(5000, '\xB1');
  std::optional<std::string> utf8 = SjisToUtf8(sjis);
  ASSERT_TRUE(utf8);
  EXPECT_EQ(utf8->size(), 15000u);
  EXPECT_EQ(Utf8ToSjis(*utf8), sjis);
}

}  // namespace
}  // namespace tinto::gfx
