// Block transfers and regions: exact copies, the OR copy, masks, stretching, clipping,
// and region areas under union and difference.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/region.h"

namespace tinto::gfx {
namespace {

Bitmap Pattern(int w, int h, Pixel salt) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.set(x, y, (static_cast<Pixel>(x * 7 + y * 131) ^ salt) & 0xFFFFFF);
  return b;
}

TEST(Blit, CopiesExactlyAndClipsAtEveryEdge) {
  const Bitmap src = Pattern(20, 10, 0x123456);
  Bitmap dst(16, 16, MakePixel(9, 9, 9));
  Blit(dst, {-3, 12}, src, {2, 1, 10, 8});
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int sx = x + 3 + 2, sy = y - 12 + 1;
      const bool inside = x < 7 && y >= 12;
      EXPECT_EQ(dst.at(x, y), inside ? src.at(sx, sy) : MakePixel(9, 9, 9)) << x << "," << y;
    }
  }
  // A source rectangle partly outside the source leaves the rest of the destination alone.
  Bitmap d2(4, 4, 5);
  Blit(d2, {0, 0}, src, {18, 8, 4, 4});
  EXPECT_EQ(d2.at(1, 1), src.at(19, 9));
  EXPECT_EQ(d2.at(2, 2), 5u);
}

TEST(Blit, OverlappingCopyWithinOneBitmap) {
  Bitmap b = Pattern(10, 10, 0);
  const Bitmap before = b;
  Blit(b, {1, 1}, b, {0, 0, 9, 9});
  for (int y = 1; y < 10; ++y)
    for (int x = 1; x < 10; ++x) EXPECT_EQ(b.at(x, y), before.at(x - 1, y - 1));
}

TEST(Blit, OrCopyCombinesBits) {
  Bitmap dst(2, 1);
  dst.set(0, 0, 0x00F000);
  dst.set(1, 0, 0);
  Bitmap src(2, 1);
  src.set(0, 0, 0x000F0F);
  src.set(1, 0, 0xABCDEF);
  Blit(dst, {0, 0}, src, src.bounds(), RasterOp::kOr);
  EXPECT_EQ(dst.at(0, 0), 0x00FF0Fu);
  EXPECT_EQ(dst.at(1, 0), 0xABCDEFu);
}

TEST(Mask, KeyColourRoundTripRecoloursOnlyTheKey) {
  // The recolouring of the character previews: key pixels become the new colour on a black
  // destination, every other pixel leaves the destination as it was.
  Bitmap pattern(6, 3, MakePixel(1, 2, 3));
  pattern.set(2, 1, MakePixel(255, 119, 170));
  pattern.set(4, 2, MakePixel(255, 119, 170));
  const Mask mask = MaskFromKey(pattern, {1, 0, 5, 3}, MakePixel(255, 119, 170));
  EXPECT_TRUE(mask.at(2, 1));
  EXPECT_FALSE(mask.at(0, 0));
  Bitmap dst(6, 3, 0);
  dst.set(0, 0, MakePixel(40, 40, 40));
  ExpandMask(dst, {0, 0}, mask, {0, 0, 6, 3}, 0, MakePixel(10, 200, 30), RasterOp::kOr);
  EXPECT_EQ(dst.at(2, 1), MakePixel(10, 200, 30));
  EXPECT_EQ(dst.at(4, 2), MakePixel(10, 200, 30));
  EXPECT_EQ(dst.at(0, 0), MakePixel(40, 40, 40));
  EXPECT_EQ(dst.at(3, 1), 0u);
}

TEST(Mask, OnePassKeyColourMatchesTheMaskRoundTripAtEveryEdge) {
  // A key that recurs (every 5th pixel of a pattern of few colours), a destination with
  // its own bits, and rectangles that leave the source or the destination on each side.
  Bitmap pattern(9, 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x)
      pattern.set(x, y, (x + 2 * y) % 5 == 0 ? MakePixel(255, 119, 170) : MakePixel(x, y, 1));
  const Pixel key = MakePixel(255, 119, 170);
  const Pixel colour = MakePixel(10, 200, 30);
  const struct {
    Point at;
    Rect from;
  } cases[] = {
      {{0, 0}, {0, 0, 9, 7}},  {{2, 1}, {1, 1, 5, 4}},   {{-3, -2}, {0, 0, 9, 7}},
      {{4, 3}, {0, 0, 9, 7}},  {{0, 0}, {-2, -1, 6, 5}}, {{1, 1}, {6, 4, 8, 8}},
      {{20, 0}, {0, 0, 3, 3}}, {{0, 0}, {0, 0, 0, 3}},
  };
  for (const auto& c : cases) {
    const Bitmap start = Pattern(8, 6, 0x0F0F0F);
    Bitmap by_mask = start;
    ExpandMask(by_mask, c.at, MaskFromKey(pattern, c.from, key), c.from, 0, colour, RasterOp::kOr);
    Bitmap one_pass = start;
    OrKeyColour(one_pass, c.at, pattern, c.from, key, colour);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x)
        ASSERT_EQ(one_pass.at(x, y), by_mask.at(x, y))
            << c.at.x << "," << c.at.y << " from " << c.from.left << "," << c.from.top << " at "
            << x << "," << y;
  }
}

TEST(Mask, SeveralKeysInOnePassMatchOnePassPerKey) {
  // Runs of one colour broken at every row end and inside rows, keys that are black (the
  // destination's own OR), shared by two entries, or absent from the picture.
  Bitmap pattern(11, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 11; ++x) pattern.set(x, y, MakePixel((x / 3 + y) % 4 * 60, 0, 0));
  const KeyPaint keys[] = {{MakePixel(0, 0, 0), MakePixel(1, 2, 3)},
                           {MakePixel(60, 0, 0), MakePixel(0, 200, 0)},
                           {MakePixel(120, 0, 0), MakePixel(0, 0, 77)},
                           {MakePixel(60, 0, 0), MakePixel(16, 0, 1)},
                           {MakePixel(9, 9, 9), MakePixel(255, 255, 255)}};
  const struct {
    Point at;
    Rect from;
  } cases[] = {{{0, 0}, {0, 0, 11, 6}},
               {{3, 2}, {2, 1, 7, 4}},
               {{-2, -1}, {4, 3, 9, 9}},
               {{9, 0}, {0, 0, 11, 6}},
               {{0, 0}, {5, 5, 0, 1}}};
  for (const auto& c : cases) {
    const Bitmap start = Pattern(10, 7, 0x0F0F0F);
    Bitmap per_key = start;
    for (const KeyPaint& k : keys) OrKeyColour(per_key, c.at, pattern, c.from, k.key, k.paint);
    Bitmap one_pass = start;
    OrKeyColours(one_pass, c.at, pattern, c.from, keys);
    // More keys than the one-pass table holds: the same picture.
    std::vector<KeyPaint> many(std::begin(keys), std::end(keys));
    for (int i = 0; i < 20; ++i) many.push_back({MakePixel(1, i, 1), MakePixel(i, 0, 0)});
    Bitmap many_keys = start;
    OrKeyColours(many_keys, c.at, pattern, c.from, many);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 10; ++x)
        ASSERT_EQ(many_keys.at(x, y), per_key.at(x, y)) << "many keys at " << x << "," << y;
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 10; ++x)
        ASSERT_EQ(one_pass.at(x, y), per_key.at(x, y))
            << c.at.x << "," << c.at.y << " from " << c.from.left << "," << c.from.top << " at "
            << x << "," << y;
  }
}

TEST(Mask, KeyRunsFoundOncePaintLikeOnePassInEveryPaintAndPlace) {
  // Runs broken at row ends and inside rows; a black key, a key shared by two entries, a key
  // absent from the picture; the last column in colours of their own, found only among the
  // extra keys (more distinct colours than the one-pass table holds).
  Bitmap pattern(11, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 11; ++x)
      pattern.set(x, y, x == 10 ? MakePixel(1, y % 3, 1) : MakePixel((x / 3 + y) % 4 * 60, 0, 0));
  const std::vector<Pixel> keys = {MakePixel(0, 0, 0), MakePixel(60, 0, 0), MakePixel(120, 0, 0),
                                   MakePixel(60, 0, 0), MakePixel(9, 9, 9)};
  std::vector<Pixel> many_keys = keys;
  for (int i = 0; i < 20; ++i) many_keys.push_back(MakePixel(1, i, 1));
  const auto paints = [](std::size_t n, Pixel salt) {
    std::vector<Pixel> out;
    for (std::size_t i = 0; i < n; ++i)
      out.push_back((static_cast<Pixel>(i) * 0x010305 + salt) & 0xFFFFFF);
    return out;
  };
  const struct {
    Point at;
    Rect from;
  } cases[] = {{{0, 0}, {0, 0, 11, 6}}, {{3, 2}, {2, 1, 7, 4}},    {{-2, -1}, {4, 3, 9, 9}},
               {{9, 0}, {0, 0, 11, 6}}, {{-3, 5}, {-2, -1, 8, 4}}, {{0, 0}, {5, 5, 0, 1}},
               {{1, 1}, {12, 0, 3, 3}}};
  for (const std::vector<Pixel>& k : {keys, many_keys}) {
    for (const auto& c : cases) {
      const KeyRuns runs(pattern, c.from, k);
      // The same runs painted in two sets of paints, and at a second place.
      for (const Pixel salt : {0x102030u, 0x0A0B0Cu}) {
        const std::vector<Pixel> p = paints(k.size(), salt);
        std::vector<KeyPaint> pairs;
        for (std::size_t i = 0; i < k.size(); ++i) pairs.push_back({k[i], p[i]});
        for (const Point at : {c.at, Point{c.at.x + 1, c.at.y - 2}}) {
          const Bitmap start = Pattern(10, 7, 0x0F0F0F);
          Bitmap one_pass = start;
          OrKeyColours(one_pass, at, pattern, c.from, pairs);
          Bitmap by_runs = start;
          runs.Or(by_runs, at, p);
          for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 10; ++x)
              ASSERT_EQ(by_runs.at(x, y), one_pass.at(x, y))
                  << k.size() << " keys, at " << at.x << "," << at.y << " from " << c.from.left
                  << "," << c.from.top << ", pixel " << x << "," << y;
        }
      }
    }
  }
}

TEST(Stretch, DoublesByPixelReplicationAndKeepsExactSizeCopies) {
  const Bitmap src = Pattern(3, 2, 0x777);
  Bitmap dst(6, 4);
  StretchBlit(dst, {0, 0, 6, 4}, src, {0, 0, 3, 2});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(dst.at(x, y), src.at(x / 2, y / 2));
  Bitmap one(5, 5);
  Bitmap px(1, 1, MakePixel(7, 8, 9));
  StretchBlit(one, {1, 1, 3, 2}, px, {0, 0, 1, 1});
  EXPECT_EQ(one.at(3, 2), MakePixel(7, 8, 9));
  EXPECT_EQ(one.at(4, 2), 0u);
  Fill(one, {-2, -2, 3, 3}, 4);
  EXPECT_EQ(one.at(0, 0), 4u);
  EXPECT_EQ(one.at(1, 1), MakePixel(7, 8, 9));
}

TEST(Stretch, AFrameOfAStripDoubledAtAnOffsetOrClippedMatchesReplication) {
  // The zoomed viewer: frame 2 of a strip into a rectangle inside a larger picture, whole
  // and cut by the picture's left and bottom edges.
  const Bitmap strip = Pattern(30, 7, 0x135);
  for (const Rect target : {Rect{4, 3, 20, 14}, Rect{-5, 6, 20, 14}}) {
    Bitmap dst(32, 16, MakePixel(1, 2, 3));
    StretchBlit(dst, target, strip, {20, 0, 10, 7});
    for (int y = 0; y < dst.height(); ++y)
      for (int x = 0; x < dst.width(); ++x) {
        const bool inside = target.contains(x, y);
        const Pixel want = inside ? strip.at(20 + (x - target.left) / 2, (y - target.top) / 2)
                                  : MakePixel(1, 2, 3);
        ASSERT_EQ(dst.at(x, y), want) << x << "," << y << " into " << target.left;
      }
  }
}

TEST(RegionTest, RectanglesUnionAndDifference) {
  Region r = Region::FromRect({0, 0, 10, 10});
  r.Union(Region::FromRect({5, 5, 10, 10}));
  EXPECT_EQ(r.Area(), 175);
  EXPECT_TRUE(r.Contains(14, 14));
  EXPECT_FALSE(r.Contains(14, 0));
  r.Subtract(Region::FromRect({0, 0, 15, 5}));
  EXPECT_EQ(r.Area(), 125);
  r.Subtract(r);
  EXPECT_TRUE(r.empty());
  // The viewer's rectangles go in and out of the region without a trace.
  Region hex = Region::FromRect({430, 0, 100, 100});
  const Region before = hex;
  hex.Union(Region::FromRect({220, 125, 214, 160}));
  hex.Subtract(Region::FromRect({220, 125, 214, 160}));
  hex.Union(Region::FromRect({430, 125, 4, 160}));  // the part that lay inside the skin
  EXPECT_EQ(hex.Area(), before.Area() + 4 * 160 - 4 * 0);
}

TEST(RegionTest, PolygonsCoverPixelCentres) {
  // An axis-aligned polygon covers exactly its rectangle; a triangle its half.
  const std::array<Point, 4> square = {{{2, 3}, {12, 3}, {12, 8}, {2, 8}}};
  EXPECT_EQ(Region::FromPolygon(square), Region::FromRect({2, 3, 10, 5}));
  const std::array<Point, 3> triangle = {{{0, 0}, {100, 0}, {0, 100}}};
  EXPECT_EQ(Region::FromPolygon(triangle).Area(), 5050 - 100);
  // Winding: a self-overlapping outline counts its overlap once.
  const std::array<Point, 8> twice = {
      {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}}};
  EXPECT_EQ(Region::FromPolygon(twice).Area(), 100);
  // The skin's hexagon: the shoelace area, and neighbouring cells do not touch.
  const std::array<Point, 6> hex = {
      {{58, 0}, {175, 0}, {233, 100}, {174, 201}, {59, 201}, {0, 100}}};
  const Region h = Region::FromPolygon(hex);
  EXPECT_EQ(h.Area(), 35074);
  EXPECT_EQ(h.Bounds(), (Rect{0, 0, 233, 201}));
  std::int64_t band_area = 0;
  for (const Rect& b : h.Bands()) band_area += static_cast<std::int64_t>(b.width) * b.height;
  EXPECT_EQ(band_area, h.Area());
  const Mask m = h.ToMask(240, 210);
  EXPECT_TRUE(m.at(116, 100));
  EXPECT_FALSE(m.at(0, 0));
}

}  // namespace
}  // namespace tinto::gfx
