// The six part icons of the colour pattern: hexagonal badges of 26 x 21 with a white rim,
// each showing its part in that part's key colours on black: an eye (contact lenses),
// lips (lipstick), a face (skin), a dress (costume), a buckled belt and a stockinged leg.
#include <array>
#include <cmath>
#include <functional>

#include "tools/skin/colour_pattern.h"
#include "tools/skin/figure_painter.h"

namespace tinto::skin {

namespace {

constexpr int kIconWidth = 26;
constexpr int kIconHeight = 21;
constexpr int kSlant = 6;

// Where the icons lie in the pattern (the panel's part buttons are 4 right and 3 above).
constexpr std::array<gfx::Point, 6> kIconAt = {
    {{65, 42}, {36, 57}, {65, 72}, {65, 108}, {36, 123}, {65, 138}}};

bool InDisc(int x, int y, double cx, double cy, double r) {
  const double dx = x + 0.5 - cx;
  const double dy = y + 0.5 - cy;
  return dx * dx + dy * dy <= r * r;
}

bool InOval(int x, int y, double cx, double cy, double rx, double ry) {
  const double u = (x + 0.5 - cx) / rx;
  const double v = (y + 0.5 - cy) / ry;
  return u * u + v * v <= 1.0;
}

void DrawEye(FigurePainter& f) {
  // A wide-open eye: the white, a large iris (dark above, light below), pupil, shine.
  for (int y = 0; y < kIconHeight; ++y) {
    for (int x = 0; x < kIconWidth; ++x) {
      if (!InOval(x, y, 13, 11, 10.5, 7)) continue;
      Ink ink = key::kWhite;
      if (InDisc(x, y, 13, 11, 6.6)) {
        ink = y >= 11 && InDisc(x, y, 13, 11, 5.4) ? key::kLensLight : key::kLensDark;
        if (InDisc(x, y, 13, 11, 2.2)) ink = key::kOutline;
      }
      f.Dot(x, y, ink);
    }
  }
  f.Sprite(9, 7, {"WW", "WW"}, {{'W', key::kWhite}});
  f.Sprite(16, 13, {"W"}, {{'W', key::kWhite}});
  // The upper lid and its lashes.
  f.Lay(f.Poly({{2, 8},
                {6, 4},
                {13, 2.8},
                {20, 4},
                {24.5, 7},
                {23, 8},
                {19, 5.5},
                {13, 4.3},
                {7, 5.5},
                {3.5, 9}}),
        key::kHair, false);
  f.Sprite(21, 4, {".H", "H."}, {{'H', key::kHair}});
}

void DrawLips(FigurePainter& f) {
  for (int y = 0; y < kIconHeight; ++y) {
    for (int x = 0; x < kIconWidth; ++x) {
      const bool upper = y <= 10 &&
                         (InOval(x, y, 8.8, 9.5, 6.5, 4.4) || InOval(x, y, 17.2, 9.5, 6.5, 4.4)) &&
                         InOval(x, y, 13, 11, 11, 8);
      const bool lower = y >= 10 && InOval(x, y, 13, 10.5, 10, 6.2);
      if (upper || lower) f.Dot(x, y, key::kLipstick);
    }
  }
  for (int x = 3; x < 23; ++x) f.Dot(x, 10, key::kOutline);
  f.Sprite(9, 12, {".WWW..", "WW...."}, {{'W', key::kWhite}});
  f.Sprite(7, 6, {"WW"}, {{'W', key::kWhite}});
}

void DrawFace(FigurePainter& f) {
  f.LayShaded(f.Oval({13, 11.5}, 8.6, 9.2), {key::kSkinShadow, key::kSkin, key::kSkinLight}, 3, 3,
              false);
  // Fringe, eyes and a smile (the smile in the skin's own shadow).
  f.Lay(f.Poly({{4, 9},
                {5, 4},
                {9, 1.5},
                {17, 1.5},
                {21, 4},
                {22, 9},
                {20, 7},
                {17, 5},
                {15, 7},
                {12, 4.5},
                {10, 7},
                {7, 5.5}}),
        key::kHair, false);
  f.Sprite(8, 11, {"0...0.......", "............"}, {{'0', key::kOutline}});
  f.Sprite(8, 10, {"0........0", "0........0"}, {{'0', key::kOutline}});
  f.Sprite(11, 15, {"S..S", ".SS."}, {{'S', key::kSkinShadow}});
  f.Sprite(6, 13, {"LL............LL"}, {{'L', key::kSkinLight}});
}

void DrawDress(FigurePainter& f) {
  const Tones tones = {key::kCostumeShadow, key::kCostume, key::kCostumeLight};
  f.LayShaded(f.Poly({{9, 2},
                      {11, 2},
                      {13, 5},
                      {15, 2},
                      {17, 2},
                      {17.5, 9},
                      {15.5, 10},
                      {10.5, 10},
                      {8.5, 9}}),
              tones, 2, 2, false);
  std::vector<PointF> skirt = {{10, 10}, {16, 10}};
  for (int k = 0; k <= 8; ++k) {
    const double t = k / 8.0;
    skirt.push_back({22.5 - 19 * t, (k % 2 == 1) ? 20.5 : 19});
  }
  f.LayShaded(PolygonMaskF(kIconWidth, kIconHeight, skirt), tones, 2, 3, false);
  for (int y = 12; y < 19; ++y) {
    f.Dot(13 + (y - 12) / 3, y, key::kCostumeShadow);
    f.Dot(9 - (y - 12) / 2, y, key::kCostumeShadow);
    f.Dot(17 + (y - 12) / 2, y, key::kCostumeShadow);
  }
  for (int x = 4; x < 23; ++x) f.Dot(x, 18, key::kCostumeLight);
  f.Sprite(9, 10, {"WWWWWWWW"}, {{'W', key::kWhite}});
}

void DrawBelt(FigurePainter& f) {
  // A strap across the badge with a square buckle and three holes in its free end.
  f.Lay(f.Poly({{0, 6}, {26, 6}, {26, 15}, {0, 15}}), key::kBelt, false);
  for (int x = 0; x < kIconWidth; ++x) {
    f.Dot(x, 7, key::kOutline);
    f.Dot(x, 13, key::kOutline);
  }
  f.Sprite(4, 4,
           {"WWWWWWW", "W.....W", "W.....W", "W.....W", "WWWWWWW", "W.....W", "W.....W", "W.....W",
            "W.....W", "W.....W", "WWWWWWW"},
           {{'W', key::kWhite}});
  f.Sprite(5, 9, {"WWWWWWWW"}, {{'W', key::kWhite}});
  for (int x : {15, 18, 21}) f.Sprite(x, 9, {"00", "00"}, {{'0', key::kOutline}});
}

void DrawLeg(FigurePainter& f) {
  const Tones stocking = {key::kStocking, key::kStocking, key::kStockingLight};
  f.LayLimb({6, -1}, {11, 11}, 5.2, 4.0, stocking, false);
  f.LayLimb({11, 11}, {15, 16}, 4.0, 3.0, stocking, false);
  f.LayLimb({15, 16.5}, {22, 18}, 3.0, 1.8, stocking, false);
  // The lace top of the stocking.
  f.LayLimb({5.5, 1.5}, {6.3, 3.5}, 5.6, 5.6,
            {key::kStockingLight, key::kStockingLight, key::kStockingLight}, false);
  f.Sprite(2, 2, {"W.W.W.W.W"}, {{'W', key::kWhite}});
}

}  // namespace

void DrawPartIcons(Canvas& pattern, PixelMask& icons) {
  const std::array<std::function<void(FigurePainter&)>, 6> painters = {
      DrawEye, DrawLips, DrawFace, DrawDress, DrawBelt, DrawLeg};
  const PixelMask hex =
      HexagonMask(kIconWidth, kIconHeight, {0, 0, kIconWidth, kIconHeight}, kSlant);
  const PixelMask inside = Shrunk(hex);
  for (std::size_t p = 0; p < painters.size(); ++p) {
    FigurePainter f(kIconWidth, kIconHeight, 0);
    painters[p](f);
    const gfx::Point at = kIconAt[p];
    for (int y = 0; y < kIconHeight; ++y) {
      for (int x = 0; x < kIconWidth; ++x) {
        if (!hex.Has(x, y)) continue;
        Ink ink = key::kOutline;
        if (!inside.Has(x, y)) {
          ink = key::kWhite;
        } else if (f.drawn().Has(x, y)) {
          ink = f.canvas().At(x, y);
        }
        pattern.Set(at.x + x, at.y + y, ink);
        icons.Put(at.x + x, at.y + y);
      }
    }
  }
}

}  // namespace tinto::skin
