// Text drawing with the installed Japanese fonts, and the UTF-8 decoder under it.
#include "gfx/text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gfx/utf8.h"

namespace tinto::gfx {
namespace {

constexpr const char* kProportional = "ＭＳ Ｐゴシック";
constexpr const char* kFixed = "ＭＳ ゴシック";
constexpr Pixel kBackground = MakePixel(10, 20, 30);
constexpr Pixel kInk = MakePixel(250, 128, 7);

// Columns and rows holding ink.
struct Ink {
  int count = 0;
  Rect bounds;
};

Ink FindInk(const Bitmap& bmp, Pixel background) {
  Ink ink;
  int l = bmp.width(), t = bmp.height(), r = -1, b = -1;
  for (int y = 0; y < bmp.height(); ++y) {
    for (int x = 0; x < bmp.width(); ++x) {
      if (bmp.at(x, y) == background) continue;
      ++ink.count;
      l = std::min(l, x);
      t = std::min(t, y);
      r = std::max(r, x);
      b = std::max(b, y);
    }
  }
  if (ink.count > 0) ink.bounds = {l, t, r - l + 1, b - t + 1};
  return ink;
}

TEST(Font, BothSkinFacesAreFoundWithTwelvePixelLines) {
  for (const char* name : {kProportional, kFixed}) {
    SCOPED_TRACE(name);
    const auto font = Font::Open(name, 12);
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->FilePath().empty());
    EXPECT_EQ(font->LineHeight(), 12);
    EXPECT_TRUE(font->HasGlyphs("♪☆Quiroちゃん"));
    EXPECT_FALSE(font->HasGlyphs("\xF0\x9F\x80\x80"));  // a mahjong tile: not in the face
    EXPECT_FALSE(font->HasGlyphs("a\xFF"));
  }
  // The two names lead to different faces: the proportional one is narrower for "iiii".
  const auto p = Font::Open(kProportional, 12);
  const auto f = Font::Open(kFixed, 12);
  ASSERT_TRUE(p && f);
  EXPECT_NE(p->FilePath(), f->FilePath());
  EXPECT_EQ(f->TextWidth("iiii"), f->TextWidth("WWWW"));
  EXPECT_LT(p->TextWidth("iiii"), p->TextWidth("WWWW"));
  EXPECT_LT(p->TextWidth("iiii"), f->TextWidth("iiii"));
  EXPECT_EQ(f->TextWidth("あ"), 2 * f->TextWidth("a"));  // full and half width cells
}

TEST(Font, UnknownNamesFallBackAndBadSizesAreRefused) {
  EXPECT_NE(Font::Open("No Such Face At All", 16), nullptr);
  EXPECT_NE(Font::Open("", 12), nullptr);
  EXPECT_EQ(Font::Open(kFixed, 0), nullptr);
  EXPECT_EQ(Font::Open(kFixed, -12), nullptr);
  EXPECT_EQ(Font::Open(kFixed, 1 << 20), nullptr);
}

TEST(Font, DrawsOnlyTheColourAndOnlyInsideTheClip) {
  const auto font = Font::Open(kProportional, 12);
  ASSERT_NE(font, nullptr);
  const std::string text = "Quiroちゃん ♪☆";

  Bitmap full(200, 40, kBackground);
  font->DrawLine(full, {5, 3}, text, kInk, full.bounds());
  const Ink all = FindInk(full, kBackground);
  ASSERT_GT(all.count, 40);
  for (const Pixel p : full.pixels()) EXPECT_TRUE(p == kBackground || p == kInk);
  EXPECT_GE(all.bounds.left, 5);
  EXPECT_GE(all.bounds.top, 3);
  EXPECT_LE(all.bounds.bottom(), 3 + font->LineHeight() + 1);
  EXPECT_LE(all.bounds.right(), 5 + font->TextWidth(text));
  EXPECT_GT(all.bounds.right(), 5 + font->TextWidth(text) - 14);  // the ☆ has ink

  // Clipped: exactly the pixels of the full drawing that lie in the clip.
  for (const Rect clip :
       {Rect{20, 5, 30, 6}, Rect{-10, -10, 40, 12}, Rect{150, 0, 100, 100}, Rect{0, 0, 0, 0}}) {
    Bitmap part(200, 40, kBackground);
    font->DrawLine(part, {5, 3}, text, kInk, clip);
    for (int y = 0; y < part.height(); ++y) {
      for (int x = 0; x < part.width(); ++x) {
        const Pixel want = clip.contains(x, y) ? full.at(x, y) : kBackground;
        ASSERT_EQ(part.at(x, y), want) << x << "," << y;
      }
    }
  }

  // Positions off the bitmap on every side are clipped to it.
  Bitmap small(8, 8, kBackground);
  for (const Point at : {Point{-30, 0}, Point{0, -11}, Point{6, 6}, Point{-2000000000, 0},
                         Point{2000000000, 2000000000}}) {
    font->DrawLine(small, at, text, kInk, {-100, -100, 1000, 1000});
  }
  for (const Pixel p : small.pixels()) EXPECT_TRUE(p == kBackground || p == kInk);
}

TEST(Font, DrawLinesBreaksAtCrLfAndLf) {
  const auto font = Font::Open(kFixed, 12);
  ASSERT_NE(font, nullptr);
  const int h = font->LineHeight();

  Bitmap one(100, 60, kBackground);
  font->DrawLine(one, {0, 0}, "ab", kInk, one.bounds());
  const Ink first = FindInk(one, kBackground);
  ASSERT_GT(first.count, 0);

  for (const char* text : {"ab\r\nab", "ab\nab"}) {
    SCOPED_TRACE(text);
    Bitmap two(100, 60, kBackground);
    font->DrawLines(two, two.bounds(), text, kInk);
    Bitmap want = one;
    Blit(want, {0, h}, one, {0, 0, 100, h});
    EXPECT_EQ(two, want);
  }

  // The box clips: the second line of a box one line high draws nothing.
  Bitmap clipped(100, 60, kBackground);
  font->DrawLines(clipped, {0, 0, 100, h}, "ab\r\nab", kInk);
  EXPECT_EQ(FindInk(clipped, kBackground).count, first.count);

  // An empty line still takes its place; a text ending in a break draws no more.
  Bitmap gap(100, 60, kBackground);
  font->DrawLines(gap, gap.bounds(), "\r\n\r\nab\r\n", kInk);
  EXPECT_EQ(FindInk(gap, kBackground).bounds, first.bounds.offset(0, 2 * h));
}

TEST(Font, MalformedUtf8DrawsNothingForTheBadBytes) {
  const auto font = Font::Open(kProportional, 12);
  ASSERT_NE(font, nullptr);
  Bitmap clean(120, 20, kBackground);
  font->DrawLine(clean, {0, 0}, "aあb", kInk, clean.bounds());
  const std::string bad[] = {
      "a\xFF\xE3\x81\x82\x80\xC0\xAF"
      "b",  // 0xFF, then あ, a stray continuation, overlong '/'
      "a\xE3\x81\x82\xED\xA0\x80"
      "b",  // a surrogate
      "a\xE3\x81\x82\xE3\x81"
      "b",  // a sequence cut short by 'b'
      "a\xE3\x81\x82"
      "b\xF4\x90\x80",  // beyond U+10FFFF, cut short at the end
      "a\xE3\x81\x82\x01\x7F"
      "b\xE3",  // controls, then a lead byte at the very end
  };
  for (const std::string& text : bad) {
    Bitmap got(120, 20, kBackground);
    // Drawn from a copy ending exactly at the allocation, so that reading past the end
    // would be caught.
    const auto heap = std::make_unique<char[]>(text.size());
    std::copy(text.begin(), text.end(), heap.get());
    const std::string_view view(heap.get(), text.size());
    font->DrawLine(got, {0, 0}, view, kInk, got.bounds());
    EXPECT_EQ(got, clean) << testing::PrintToString(text);
    EXPECT_EQ(font->TextWidth(view), font->TextWidth("aあb"));
  }
}

TEST(Utf8, DecodesWellFormedAndRejectsMalformedSequences) {
  struct Case {
    std::string text;
    std::vector<char32_t> want;
  };
  constexpr char32_t X = kInvalidCodePoint;
  const Case cases[] = {
      {"A\xC2\xA9\xE2\x99\xAA\xF0\x9F\x98\x80", {U'A', 0xA9, 0x266A, 0x1F600}},
      {"\xC0\x80\xC1\xBF", {X, X, X, X}},              // overlong two-byte leads
      {"\xE0\x80\xAF", {X}},                           // overlong three-byte form
      {"\xF0\x8F\xBF\xBF", {X}},                       // overlong four-byte form
      {"\xED\xBF\xBF\xEF\xBF\xBF", {X, 0xFFFF}},       // a surrogate; U+FFFF is fine
      {"\xF4\x8F\xBF\xBF\xF5\x80", {0x10FFFF, X, X}},  // the last code point; F5 never leads
      {"\xE2\x99", {X}},                               // cut off by the end
      {"\xE2(", {X, U'('}},                            // cut off by an ASCII byte
  };
  for (const Case& c : cases) {
    std::vector<char32_t> got;
    for (std::size_t pos = 0; pos < c.text.size();) got.push_back(DecodeUtf8(c.text, pos));
    EXPECT_EQ(got, c.want) << testing::PrintToString(c.text);
  }
}

}  // namespace
}  // namespace tinto::gfx
