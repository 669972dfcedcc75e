// A small painter for the heroine, with overlap lines, three-tone shading and an outline.
#include "tools/skin/figure_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tinto::skin {

namespace {

constexpr double kLightX = -0.6;  // direction towards the light
constexpr double kLightY = -0.8;

}  // namespace

FigurePainter::FigurePainter(int width, int height, int left_margin)
    : canvas_(width + left_margin, height, 0),
      drawn_(width + left_margin, height),
      margin_(left_margin) {}

PixelMask FigurePainter::Limb(PointF a, PointF b, double radius_a, double radius_b) const {
  PixelMask m(canvas_.width(), canvas_.height());
  constexpr int kSteps = 8;
  for (int i = 0; i < kSteps; ++i) {
    const double t0 = static_cast<double>(i) / kSteps;
    const double t1 = static_cast<double>(i + 1) / kSteps;
    const PointF p0{a.x + (b.x - a.x) * t0 + margin_, a.y + (b.y - a.y) * t0};
    const PointF p1{a.x + (b.x - a.x) * t1 + margin_, a.y + (b.y - a.y) * t1};
    CapsuleMask(m, p0, p1, radius_a + (radius_b - radius_a) * (t0 + t1) / 2);
  }
  return m;
}

PixelMask FigurePainter::Poly(std::initializer_list<PointF> points) const {
  return Poly(std::span<const PointF>(points.begin(), points.size()));
}

PixelMask FigurePainter::Poly(std::span<const PointF> points) const {
  std::vector<PointF> pts(points.begin(), points.end());
  for (PointF& p : pts) p.x += margin_;
  return PolygonMaskF(canvas_.width(), canvas_.height(), pts);
}

PixelMask FigurePainter::Oval(PointF centre, double rx, double ry) const {
  PixelMask m(canvas_.width(), canvas_.height());
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      const double u = (x + 0.5 - margin_ - centre.x) / rx;
      const double v = (y + 0.5 - centre.y) / ry;
      if (u * u + v * v <= 1.0) m.Put(x, y);
    }
  }
  return m;
}

void FigurePainter::Put(int cx, int cy, Ink ink) {
  canvas_.Set(cx, cy, ink);
  drawn_.Put(cx, cy);
}

void FigurePainter::Lay(const PixelMask& part, Ink ink, bool line) {
  if (line) {
    const PixelMask grown = Grown(part);
    for (int y = 0; y < part.height(); ++y) {
      for (int x = 0; x < part.width(); ++x) {
        if (grown.Has(x, y) && !part.Has(x, y) && drawn_.Has(x, y)) Put(x, y, 0);
      }
    }
  }
  for (int y = 0; y < part.height(); ++y) {
    for (int x = 0; x < part.width(); ++x) {
      if (part.Has(x, y)) Put(x, y, ink);
    }
  }
}

void FigurePainter::LayLimb(PointF a, PointF b, double radius_a, double radius_b, Tones tones,
                            bool line) {
  const PixelMask part = Limb(a, b, radius_a, radius_b);
  Lay(part, tones.mid, line);
  const double vx = b.x - a.x;
  const double vy = b.y - a.y;
  const double len2 = std::max(vx * vx + vy * vy, 1e-9);
  for (int y = 0; y < part.height(); ++y) {
    for (int x = 0; x < part.width(); ++x) {
      if (!part.Has(x, y)) continue;
      const double px = x + 0.5 - margin_ - a.x;
      const double py = y + 0.5 - a.y;
      const double t = std::clamp((px * vx + py * vy) / len2, 0.0, 1.0);
      const double r = radius_a + (radius_b - radius_a) * t;
      const double s = ((px - t * vx) * kLightX + (py - t * vy) * kLightY) / std::max(r, 0.5);
      if (s < -0.25) {
        Put(x, y, tones.shadow);
      } else if (s > 0.5) {
        Put(x, y, tones.light);
      }
    }
  }
}

void FigurePainter::LayShaded(const PixelMask& part, Tones tones, int light_depth, int shadow_depth,
                              bool line) {
  Lay(part, tones.mid, line);
  for (int y = 0; y < part.height(); ++y) {
    for (int x = 0; x < part.width(); ++x) {
      if (!part.Has(x, y)) continue;
      if (!part.Has(x + shadow_depth, y) || !part.Has(x + shadow_depth / 2, y + shadow_depth)) {
        Put(x, y, tones.shadow);
      } else if (!part.Has(x - light_depth, y) || !part.Has(x, y - light_depth)) {
        Put(x, y, tones.light);
      }
    }
  }
}

void FigurePainter::Dot(int x, int y, Ink ink) {
  Put(x + margin_, y, ink);
}

void FigurePainter::Sprite(int x, int y, std::initializer_list<std::string_view> rows,
                           SpriteKey key) {
  std::array<int, 256> map;
  map.fill(-1);
  for (const auto& [ch, ink] : key) map[static_cast<unsigned char>(ch)] = ink;
  int row = 0;
  for (std::string_view r : rows) {
    for (std::size_t col = 0; col < r.size(); ++col) {
      const int ink = map[static_cast<unsigned char>(r[col])];
      if (ink >= 0) Put(x + margin_ + static_cast<int>(col), y + row, static_cast<Ink>(ink));
    }
    ++row;
  }
}

void FigurePainter::Finish() {
  const PixelMask grown = Grown(drawn_);
  for (int y = 0; y < drawn_.height(); ++y) {
    for (int x = 0; x < drawn_.width(); ++x) {
      if (grown.Has(x, y) && !drawn_.Has(x, y)) Put(x, y, 0);
    }
  }
}

}  // namespace tinto::skin
