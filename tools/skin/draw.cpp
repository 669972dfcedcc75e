// Drawing primitives on palette-indexed canvases.
#include "tools/skin/draw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "gfx/region.h"

namespace tinto::skin {

void FillRect(Canvas& c, gfx::Rect r, Ink ink) {
  const gfx::Rect clipped = gfx::Intersect(r, c.bounds());
  for (int y = clipped.top; y < clipped.bottom(); ++y) {
    for (int x = clipped.left; x < clipped.right(); ++x) c.Set(x, y, ink);
  }
}

void FrameRect(Canvas& c, gfx::Rect r, Ink ink) {
  if (r.empty()) return;
  HLine(c, r.left, r.right() - 1, r.top, ink);
  HLine(c, r.left, r.right() - 1, r.bottom() - 1, ink);
  VLine(c, r.left, r.top, r.bottom() - 1, ink);
  VLine(c, r.right() - 1, r.top, r.bottom() - 1, ink);
}

void HLine(Canvas& c, int x0, int x1, int y, Ink ink) {
  if (x0 > x1) std::swap(x0, x1);
  for (int x = x0; x <= x1; ++x) c.Set(x, y, ink);
}

void VLine(Canvas& c, int x, int y0, int y1, Ink ink) {
  if (y0 > y1) std::swap(y0, y1);
  for (int y = y0; y <= y1; ++y) c.Set(x, y, ink);
}

void Line(Canvas& c, gfx::Point a, gfx::Point b, Ink ink) {
  const int dx = std::abs(b.x - a.x);
  const int dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1;
  const int sy = a.y < b.y ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    c.Set(a.x, a.y, ink);
    if (a.x == b.x && a.y == b.y) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      a.x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      a.y += sy;
    }
  }
}

PixelMask PolygonMask(int width, int height, std::span<const gfx::Point> points) {
  const gfx::Region region = gfx::Region::FromPolygon(points);
  PixelMask m(width, height);
  for (const gfx::Rect& run : region.Runs()) {
    for (int x = run.left; x < run.right(); ++x) m.Put(x, run.top);
  }
  return m;
}

PixelMask PolygonMaskF(int width, int height, std::span<const PointF> points) {
  PixelMask m(width, height);
  const std::size_t n = points.size();
  if (n < 3) return m;
  std::vector<double> xs;
  for (int y = 0; y < height; ++y) {
    const double yc = y + 0.5;
    xs.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const PointF a = points[i];
      const PointF b = points[(i + 1) % n];
      if ((a.y <= yc && b.y > yc) || (b.y <= yc && a.y > yc)) {
        xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int x0 = static_cast<int>(std::ceil(xs[i] - 0.5));
      const int x1 = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
      for (int x = x0; x < x1; ++x) m.Put(x, y);
    }
  }
  return m;
}

void FillPolygon(Canvas& c, std::span<const gfx::Point> points, Ink ink) {
  Fill(c, PolygonMask(c.width(), c.height(), points), ink);
}

void FillPolygonF(Canvas& c, std::span<const PointF> points, Ink ink) {
  Fill(c, PolygonMaskF(c.width(), c.height(), points), ink);
}

PixelMask EllipseMask(int width, int height, gfx::Rect box) {
  PixelMask m(width, height);
  if (box.empty()) return m;
  const double cx = box.left + box.width / 2.0;
  const double cy = box.top + box.height / 2.0;
  const double rx = box.width / 2.0;
  const double ry = box.height / 2.0;
  for (int y = box.top; y < box.bottom(); ++y) {
    for (int x = box.left; x < box.right(); ++x) {
      const double u = (x + 0.5 - cx) / rx;
      const double v = (y + 0.5 - cy) / ry;
      if (u * u + v * v <= 1.0) m.Put(x, y);
    }
  }
  return m;
}

void FillEllipse(Canvas& c, gfx::Rect box, Ink ink) {
  Fill(c, EllipseMask(c.width(), c.height(), box), ink);
}

void FrameEllipse(Canvas& c, gfx::Rect box, Ink ink) {
  const PixelMask m = EllipseMask(c.width(), c.height(), box);
  for (int y = box.top; y < box.bottom(); ++y) {
    for (int x = box.left; x < box.right(); ++x) {
      if (m.Has(x, y) &&
          (!m.Has(x - 1, y) || !m.Has(x + 1, y) || !m.Has(x, y - 1) || !m.Has(x, y + 1))) {
        c.Set(x, y, ink);
      }
    }
  }
}

void CapsuleMask(PixelMask& m, PointF a, PointF b, double radius) {
  const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - radius - 1));
  const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + radius + 1));
  const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - radius - 1));
  const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + radius + 1));
  const double vx = b.x - a.x;
  const double vy = b.y - a.y;
  const double len2 = vx * vx + vy * vy;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double px = x + 0.5 - a.x;
      const double py = y + 0.5 - a.y;
      double t = len2 > 0 ? (px * vx + py * vy) / len2 : 0;
      t = std::clamp(t, 0.0, 1.0);
      const double dx = px - t * vx;
      const double dy = py - t * vy;
      if (dx * dx + dy * dy <= radius * radius) m.Put(x, y);
    }
  }
}

void Capsule(Canvas& c, PointF a, PointF b, double radius, Ink ink) {
  PixelMask m(c.width(), c.height());
  CapsuleMask(m, a, b, radius);
  Fill(c, m, ink);
}

void Fill(Canvas& c, const PixelMask& m, Ink ink) {
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      if (m.Has(x, y)) c.Set(x, y, ink);
    }
  }
}

void Bevel(Canvas& c, const PixelMask& m, Ink light, Ink dark) {
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      if (!m.Has(x, y)) continue;
      if (!m.Has(x, y - 1) || !m.Has(x - 1, y)) {
        c.Set(x, y, light);
      } else if (!m.Has(x, y + 1) || !m.Has(x + 1, y)) {
        c.Set(x, y, dark);
      }
    }
  }
}

PixelMask Grown(const PixelMask& m) {
  PixelMask g(m.width(), m.height());
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      bool on = false;
      for (int dy = -1; dy <= 1 && !on; ++dy) {
        for (int dx = -1; dx <= 1 && !on; ++dx) on = m.Has(x + dx, y + dy);
      }
      g.Put(x, y, on);
    }
  }
  return g;
}

PixelMask Shrunk(const PixelMask& m) {
  PixelMask s(m.width(), m.height());
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      s.Put(
          x, y,
          m.Has(x, y) && m.Has(x - 1, y) && m.Has(x + 1, y) && m.Has(x, y - 1) && m.Has(x, y + 1));
    }
  }
  return s;
}

PixelMask Rim(const PixelMask& m) {
  const PixelMask s = Shrunk(m);
  PixelMask r(m.width(), m.height());
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) r.Put(x, y, m.Has(x, y) && !s.Has(x, y));
  }
  return r;
}

PixelMask HexagonMask(int width, int height, gfx::Rect box, int slant) {
  PixelMask m(width, height);
  if (box.empty()) return m;
  const double mid = (box.height - 1) / 2.0;
  for (int row = 0; row < box.height; ++row) {
    const double t = mid > 0 ? std::abs(row - mid) / mid : 0;
    const int inset = static_cast<int>(std::lround(slant * t));
    for (int x = box.left + inset; x < box.right() - inset; ++x) m.Put(x, box.top + row);
  }
  return m;
}

void Outline(Canvas& c, const PixelMask& m, Ink ink) {
  const PixelMask g = Grown(m);
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      if (g.Has(x, y) && !m.Has(x, y)) c.Set(x, y, ink);
    }
  }
}

void CopyRect(Canvas& dst, gfx::Point at, const Canvas& src, gfx::Rect src_rect) {
  for (int y = 0; y < src_rect.height; ++y) {
    for (int x = 0; x < src_rect.width; ++x) {
      const int sx = src_rect.left + x;
      const int sy = src_rect.top + y;
      if (src.Inside(sx, sy)) dst.Set(at.x + x, at.y + y, src.At(sx, sy));
    }
  }
}

void Replace(Canvas& c, gfx::Rect r, Ink from, Ink to) {
  const gfx::Rect clipped = gfx::Intersect(r, c.bounds());
  for (int y = clipped.top; y < clipped.bottom(); ++y) {
    for (int x = clipped.left; x < clipped.right(); ++x) {
      if (c.At(x, y) == from) c.Set(x, y, to);
    }
  }
}

void DrawSprite(Canvas& c, int x, int y, std::span<const std::string_view> rows, SpriteKey key) {
  std::array<int, 256> map;
  map.fill(-1);
  for (const auto& [ch, ink] : key) map[static_cast<unsigned char>(ch)] = ink;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t col = 0; col < rows[row].size(); ++col) {
      const int ink = map[static_cast<unsigned char>(rows[row][col])];
      if (ink >= 0) {
        c.Set(x + static_cast<int>(col), y + static_cast<int>(row), static_cast<Ink>(ink));
      }
    }
  }
}

void DrawSprite(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows,
                SpriteKey key) {
  DrawSprite(c, x, y, std::span<const std::string_view>(rows.begin(), rows.size()), key);
}

}  // namespace tinto::skin
