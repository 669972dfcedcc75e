// The heroine in two dance poses for the colour pattern: twin tails with green ribbons,
// contact-lens eyes, lipstick, three skin tones, a three-tone dress with a belt, and
// stockings with belt-coloured shoes; every part in its own key colours.
#include <array>
#include <cmath>
#include <vector>

#include "tools/skin/colour_pattern.h"
#include "tools/skin/figure_painter.h"

namespace tinto::skin {

namespace {

// The skeleton of a pose in figure coordinates (x = 0 is the first column the panel
// shows; the figure is 71 columns wide and 176 rows high). Index 0 of each pair is the
// limb on the viewer's left.
struct Pose {
  PointF head;  // centre of the face
  PointF neck;  // base of the neck
  std::array<PointF, 2> shoulder, elbow, hand;
  PointF waist;  // middle of the belt's upper edge
  std::array<PointF, 2> hip, knee, ankle, toe;
  std::array<std::array<PointF, 4>, 2> tail;  // twin tails: tie, then along the hair
  PointF hem_left, hem_right;                 // the skirt's flare
  bool singing;
};

constexpr Tones kSkinTones = {key::kSkinShadow, key::kSkin, key::kSkinLight};
constexpr Tones kCostumeTones = {key::kCostumeShadow, key::kCostume, key::kCostumeLight};
constexpr Tones kStockingTones = {key::kStocking, key::kStocking, key::kStockingLight};
constexpr Tones kHairTones = {key::kHair, key::kHair, key::kHair};

PointF Lerp(PointF a, PointF b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

void DrawTail(FigurePainter& f, const std::array<PointF, 4>& t) {
  f.LayLimb(t[0], t[1], 4.2, 3.6, kHairTones, false);
  f.LayLimb(t[1], t[2], 3.6, 2.6, kHairTones, false);
  f.LayLimb(t[2], t[3], 2.6, 1.0, kHairTones, false);
}

void DrawLeg(FigurePainter& f, const Pose& p, int i) {
  const PointF hip = p.hip[i], knee = p.knee[i], ankle = p.ankle[i], toe = p.toe[i];
  const PointF band = Lerp(hip, knee, 0.5);
  f.LayLimb(hip, band, 4.8, 4.2, kSkinTones);
  f.LayLimb(band, knee, 4.2, 3.1, kStockingTones);
  f.LayLimb(knee, ankle, 3.1, 2.0, kStockingTones, false);
  // The stocking's top band.
  f.LayLimb(Lerp(hip, knee, 0.47), Lerp(hip, knee, 0.53), 4.3, 4.3,
            {key::kStocking, key::kStockingLight, key::kStockingLight}, false);
  // A pointed shoe with a strap.
  f.LayLimb(ankle, toe, 2.6, 1.6, {key::kBelt, key::kBelt, key::kWhite});
  f.LayLimb(Lerp(ankle, knee, 0.04), Lerp(ankle, knee, 0.1), 2.3, 2.4,
            {key::kBelt, key::kBelt, key::kBelt}, false);
}

void DrawSkirt(FigurePainter& f, const Pose& p) {
  const PointF w = p.waist;
  const PointF hl = p.hem_left, hr = p.hem_right;
  // Petticoat lace peeping out under the hem.
  f.Lay(
      f.Poly({{w.x - 7, w.y + 3}, {w.x + 7, w.y + 3}, {hr.x + 1, hr.y + 2}, {hl.x - 1, hl.y + 2}}),
      key::kWhite);
  // The skirt itself with a scalloped hem.
  constexpr int kScallops = 6;
  std::vector<PointF> pts = {{w.x - 7.5, w.y + 2}, {w.x + 7.5, w.y + 2}};
  pts.reserve(pts.size() + std::size_t{2 * kScallops + 1});
  for (int k = 0; k <= 2 * kScallops; ++k) {
    const double t = static_cast<double>(k) / (2 * kScallops);
    PointF q = Lerp(hr, hl, t);
    if (k % 2 == 1) q.y += 2.2;
    pts.push_back(q);
  }
  const PixelMask skirt = f.Poly(pts);
  f.LayShaded(skirt, kCostumeTones, 2, 3);
  // Pleats from the waist to the hem, and a light frill along the hem.
  for (double t : {0.22, 0.5, 0.78}) {
    const PointF top = Lerp({w.x - 6, w.y + 4}, {w.x + 6, w.y + 4}, 1 - t);
    const PointF bottom = Lerp(hr, hl, t);
    const int steps = static_cast<int>(bottom.y - top.y);
    for (int s = 2; s < steps - 1; ++s) {
      const PointF q = Lerp(top, bottom, static_cast<double>(s) / steps);
      f.Dot(static_cast<int>(std::floor(q.x)), static_cast<int>(std::floor(q.y)),
            key::kCostumeShadow);
    }
  }
  for (int x = 0; x < f.canvas().width(); ++x) {
    int last = -1;
    for (int y = 0; y < f.canvas().height(); ++y) {
      if (skirt.Has(x, y)) last = y;
    }
    if (last >= 0 && last > w.y + 10) {
      f.Dot(x - f.left_margin(), last - 1, key::kCostumeLight);
      f.Dot(x - f.left_margin(), last - 2, key::kCostumeLight);
    }
  }
}

void DrawBody(FigurePainter& f, const Pose& p) {
  const PointF w = p.waist;
  const PointF sl = p.shoulder[0], sr = p.shoulder[1], n = p.neck;
  // Bare shoulders and neck.
  f.LayShaded(f.Poly({{sl.x - 2, sl.y + 3.5},
                      {sl.x - 1.5, sl.y - 1},
                      {n.x - 3, n.y - 1},
                      {n.x + 3, n.y - 1},
                      {sr.x + 1.5, sr.y - 1},
                      {sr.x + 2, sr.y + 3.5}}),
              kSkinTones, 1, 2);
  f.LayLimb({p.head.x, p.head.y + 6}, n, 2.6, 2.8, {key::kSkinShadow, key::kSkinShadow, key::kSkin},
            false);
  // The dress's bodice with a sweetheart neckline, narrowing to the waist.
  const double cx = (sl.x + sr.x) / 2;
  f.LayShaded(f.Poly({{sl.x - 1, sl.y + 3},
                      {cx - 3.5, sl.y + 6},
                      {cx, sl.y + 4.5},
                      {cx + 3.5, sr.y + 6},
                      {sr.x + 1, sr.y + 3},
                      {sr.x, sr.y + 12},
                      {w.x + 7, w.y + 0.5},
                      {w.x - 7, w.y + 0.5},
                      {sl.x, sl.y + 12}}),
              kCostumeTones, 2, 3);
  // Lace along the neckline and a green bow in its middle.
  f.Sprite(static_cast<int>(cx) - 3, static_cast<int>(sl.y) + 5, {"##.....##", "..#...#.."},
           {{'#', key::kWhite}});
  f.Sprite(static_cast<int>(cx) - 2, static_cast<int>(sl.y) + 5, {"##.##", "#####", "##.##"},
           {{'#', key::kRibbon}});
  f.Dot(static_cast<int>(cx), static_cast<int>(sl.y) + 6, key::kOutline);
  // The belt with its buckle and a hanging end.
  f.Lay(f.Poly({{w.x - 8, w.y}, {w.x + 8, w.y}, {w.x + 8, w.y + 4}, {w.x - 8, w.y + 4}}),
        key::kBelt);
  f.LayLimb({w.x + 4, w.y + 3}, {w.x + 6, w.y + 13}, 1.3, 1.0, {key::kBelt, key::kBelt, key::kBelt},
            false);
  f.Sprite(static_cast<int>(w.x) - 2, static_cast<int>(w.y), {"####", "#..#", "#..#", "####"},
           {{'#', key::kWhite}});
}

void DrawArm(FigurePainter& f, const Pose& p, int i) {
  const PointF s = p.shoulder[i], e = p.elbow[i], h = p.hand[i];
  f.LayLimb(s, e, 2.9, 2.4, kSkinTones);
  f.LayLimb(e, h, 2.4, 1.9, kSkinTones, false);
  // A frilled cuff at the wrist and the hand.
  f.LayLimb(Lerp(e, h, 0.68), Lerp(e, h, 0.8), 2.7, 2.7, kCostumeTones, false);
  f.LayShaded(f.Oval(Lerp(e, h, 1.08), 2.4, 2.6), kSkinTones, 1, 1);
}

void DrawHead(FigurePainter& f, const Pose& p) {
  const double hx = p.head.x, hy = p.head.y;
  // The hair behind the face, falling to the shoulders.
  f.Lay(f.Oval({hx, hy - 2}, 11.5, 12), key::kHair);
  f.Lay(f.Poly({{hx - 11, hy - 2}, {hx + 11, hy - 2}, {hx + 10, hy + 14}, {hx - 10, hy + 14}}),
        key::kHair, false);
  // The face with a soft chin.
  const PixelMask face = f.Oval({hx, hy}, 8.2, 9.6);
  f.LayShaded(face, kSkinTones, 2, 2);
  f.Lay(f.Poly({{hx - 4, hy + 7}, {hx + 4, hy + 7}, {hx + 1, hy + 10.5}, {hx - 1, hy + 10.5}}),
        key::kSkin, false);
  // Fringe and side locks.
  f.Lay(f.Poly({{hx - 10.5, hy + 8},
                {hx - 11.5, hy - 4},
                {hx - 7, hy - 11.5},
                {hx, hy - 13.5},
                {hx + 7, hy - 11.5},
                {hx + 11.5, hy - 4},
                {hx + 10.5, hy + 8},
                {hx + 8.6, hy + 7},
                {hx + 8, hy - 2},
                {hx + 5.5, hy - 5},
                {hx + 3.5, hy - 1.5},
                {hx + 1.5, hy - 6},
                {hx - 1.5, hy - 2},
                {hx - 4, hy - 6},
                {hx - 6, hy - 1.5},
                {hx - 7.5, hy - 4},
                {hx - 8.6, hy + 7}}),
        key::kHair);
  // A shine on the hair.
  f.Sprite(static_cast<int>(hx) - 6, static_cast<int>(hy) - 10, {"..###.", ".#...."},
           {{'#', key::kWhite}});
  // Eyes: lashes, the lenses in two shades and a highlight.
  const int ex = static_cast<int>(std::floor(hx));
  const int ey = static_cast<int>(std::floor(hy));
  for (int ox : {ex - 6, ex + 2}) {
    f.Sprite(
        ox, ey, {"00000", "3W33.", "3333.", "4444.", ".44.."},
        {{'0', key::kOutline}, {'3', key::kLensDark}, {'4', key::kLensLight}, {'W', key::kWhite}});
  }
  // Lips: an open smile, or rounder in song.
  if (p.singing) {
    f.Sprite(ex - 2, ey + 6, {".LLLL.", "L0000L", "L0000L", ".LLLL."},
             {{'L', key::kLipstick}, {'0', key::kOutline}});
  } else {
    f.Sprite(ex - 2, ey + 6, {"LLLLLL", "L0000L", ".LLLL."},
             {{'L', key::kLipstick}, {'0', key::kOutline}});
  }
  f.Dot(ex, ey + 4, key::kSkinShadow);  // the nose
}

void DrawRibbons(FigurePainter& f, const Pose& p) {
  for (const auto& tail : p.tail) {
    f.Sprite(static_cast<int>(tail[0].x) - 3, static_cast<int>(tail[0].y) - 2,
             {"RR.RR", "RRRRR", "RR0RR", ".R.R."}, {{'R', key::kRibbon}, {'0', key::kOutline}});
  }
}

void DrawPose(FigurePainter& f, const Pose& p) {
  for (const auto& tail : p.tail) DrawTail(f, tail);
  // The leg that is further back first.
  DrawLeg(f, p, 0);
  DrawLeg(f, p, 1);
  DrawSkirt(f, p);
  DrawBody(f, p);
  DrawHead(f, p);
  DrawArm(f, p, 0);
  DrawArm(f, p, 1);
  DrawRibbons(f, p);
}

// Pose 0: one hand waving high, the other on the hip, stepping out on tiptoe.
constexpr Pose kPoseWave = {
    .head = {33, 24},
    .neck = {34, 39},
    .shoulder = {{{26, 42}, {42, 42}}},
    .elbow = {{{16, 29}, {53, 54}}},
    .hand = {{{12, 15}, {45, 67}}},
    .waist = {34, 68},
    .hip = {{{30, 86}, {39, 86}}},
    .knee = {{{28, 127}, {48, 124}}},
    .ankle = {{{28, 161}, {46, 158}}},
    .toe = {{{23, 170}, {51, 167}}},
    .tail = {{{{{23, 12}, {16, 24}, {11, 42}, {12, 60}}},
              {{{43, 12}, {52, 22}, {58, 40}, {64, 56}}}}},
    .hem_left = {14, 96},
    .hem_right = {57, 93},
    .singing = false,
};

// Pose 1: both arms flung up in a V (the left hand reaching past the panel's edge), one
// knee drawn up with the foot at the other knee, twin tails swinging.
constexpr Pose kPoseKick = {
    .head = {38, 25},
    .neck = {38, 40},
    .shoulder = {{{30, 43}, {46, 43}}},
    .elbow = {{{17, 35}, {58, 32}}},
    .hand = {{{3, 24.5}, {66, 20}}},
    .waist = {38, 70},
    .hip = {{{34, 88}, {43, 88}}},
    .knee = {{{35, 128}, {58, 106}}},
    .ankle = {{{36, 162}, {42, 122}}},
    .toe = {{{31, 170}, {37, 129}}},
    .tail = {{{{{28, 13}, {19, 20}, {13, 37}, {12, 56}}},
              {{{48, 13}, {57, 21}, {60, 38}, {57, 57}}}}},
    .hem_left = {15, 99},
    .hem_right = {64, 91},
    .singing = true,
};

}  // namespace

void DrawHeroine(Canvas& pattern, PixelMask& silhouette, int pose, gfx::Point origin) {
  // The figure may reach three columns left of its first shown column, in the strip.
  constexpr int kMargin = 3;
  constexpr int kWidth = 71;
  FigurePainter f(kWidth, kPoseHeight, kMargin);
  DrawPose(f, pose == 0 ? kPoseWave : kPoseKick);
  f.Finish();
  for (int y = 0; y < kPoseHeight; ++y) {
    for (int x = 0; x < kWidth + kMargin; ++x) {
      if (!f.drawn().Has(x, y)) continue;
      // Left of the first shown column only the strip may be used.
      const bool in_strip = y >= kPoseStrip.top && y < kPoseStrip.bottom();
      if (x < kMargin && !in_strip) continue;
      const int px = origin.x - kMargin + x;
      const int py = origin.y + y;
      pattern.Set(px, py, f.canvas().At(x, y));
      silhouette.Put(px, py);
    }
  }
}

}  // namespace tinto::skin
