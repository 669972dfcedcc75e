// Painting the wallpapers in full colour (see wallpaper_art.h).
#include "tools/skin/wallpaper_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "tools/skin/palettes.h"
#include "tools/skin/pixel_font.h"

namespace tinto::skin {

namespace {

struct Rgb {
  double r, g, b;
};

Rgb FromPixel(gfx::Pixel p) {
  return {double(gfx::RedOf(p)), double(gfx::GreenOf(p)), double(gfx::BlueOf(p))};
}
gfx::Pixel ToPixel(Rgb c) {
  const auto clamp = [](double v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
  };
  return gfx::MakePixel(clamp(c.r), clamp(c.g), clamp(c.b));
}
Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Blends a colour over a pixel with the given opacity; additive light when glow is set.
void Paint(gfx::Bitmap& b, int x, int y, Rgb colour, double alpha, bool glow = false) {
  if (x < 0 || y < 0 || x >= b.width() || y >= b.height() || alpha <= 0) return;
  const Rgb under = FromPixel(b.at(x, y));
  if (glow) {
    b.set(x, y,
          ToPixel({under.r + colour.r * alpha, under.g + colour.g * alpha,
                   under.b + colour.b * alpha}));
  } else {
    b.set(x, y, ToPixel(Mix(under, colour, std::min(alpha, 1.0))));
  }
}

// A small deterministic generator, so the wallpapers come out the same on every build.
struct Lcg {
  std::uint32_t state;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / double(1u << 24);
  }
};

struct Theme {
  Rgb top, bottom;       // the sky's gradient
  Rgb light_a, light_b;  // the two stage lights
  int pose;              // the heroine's pose, or -1 for none
  bool heroine_left;
  const char* caption;
};

constexpr Rgb kPink{255, 92, 160};
constexpr Rgb kCyan{80, 220, 255};
constexpr Rgb kLavender{184, 168, 240};
constexpr Rgb kGold{255, 208, 96};
constexpr Rgb kWhite{255, 255, 255};

Theme ThemeOf(int n) {
  switch (n) {
    case 1:
      return {{6, 10, 40}, {40, 20, 90}, kCyan, kPink, -1, false, "STAGE 1"};
    case 2:
      return {{20, 6, 40}, {90, 24, 80}, kPink, kGold, 1, true, "STAGE 2"};
    case 3:
      return {{4, 24, 48}, {20, 60, 110}, kCyan, kLavender, 0, true, "STAGE 3"};
    case 4:
      return {{10, 8, 44}, {58, 22, 104}, kPink, kCyan, 0, false, "SECRET 4"};
    default:
      return {{30, 6, 50}, {16, 40, 100}, kCyan, kPink, 1, false, "SECRET 5"};
  }
}

void Sky(gfx::Bitmap& b, const Theme& t) {
  for (int y = 0; y < b.height(); ++y) {
    const Rgb c = Mix(t.top, t.bottom, double(y) / (b.height() - 1));
    for (int x = 0; x < b.width(); ++x) b.set(x, y, ToPixel(c));
  }
}

// Light falling from a point above the stage in a widening cone.
void Beam(gfx::Bitmap& b, double x0, double spread, double lean, Rgb colour) {
  for (int y = 0; y < b.height(); ++y) {
    const double centre = x0 + lean * y;
    const double half = 10 + spread * y;
    for (int x = 0; x < b.width(); ++x) {
      const double d = std::abs(x - centre) / half;
      if (d < 1)
        Paint(b, x, y, colour, 0.10 * (1 - d) * (1 - d) * (1 - 0.5 * y / b.height()), true);
    }
  }
}

void Glow(gfx::Bitmap& b, double cx, double cy, double radius, Rgb colour, double strength) {
  const int x0 = int(cx - radius), x1 = int(cx + radius), y0 = int(cy - radius),
            y1 = int(cy + radius);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double d = std::hypot(x - cx, y - cy) / radius;
      if (d < 1) Paint(b, x, y, colour, strength * (1 - d) * (1 - d), true);
    }
}

// The floor: the skin's hexagon cells in perspective rows, their rims lit.
void Floor(gfx::Bitmap& b, const Theme& t) {
  const int horizon = 300;
  for (int y = horizon; y < b.height(); ++y) {
    const double depth = double(y - horizon) / (b.height() - horizon);  // 0 far .. 1 near
    const double cell = 18 + 70 * depth;
    const double row_h = cell * 0.58;
    const double v = (y - horizon) / row_h;
    const int row = int(std::floor(v));
    const double fy = v - row;
    for (int x = 0; x < b.width(); ++x) {
      const double u = (x - b.width() / 2.0) / cell + (row % 2 ? 0.5 : 0.0);
      const double fx = u - std::floor(u);
      // Distance to the nearest edge of the cell, with the hexagon's slanted sides.
      const double edge = std::min({fy, 1 - fy, fx * 1.6, (1 - fx) * 1.6});
      Paint(b, x, y, Mix(t.bottom, {10, 8, 30}, 0.5), 0.35 * depth);
      if (edge < 0.06)
        Paint(b, x, y, Mix(t.light_a, t.light_b, double(x) / b.width()), 0.25 + 0.45 * depth, true);
    }
  }
  // The horizon line.
  for (int x = 0; x < b.width(); ++x) {
    Paint(b, x, horizon, kWhite, 0.35, true);
    Paint(b, x, horizon - 1, t.light_a, 0.25, true);
  }
}

// Hexagon outlines drifting in the sky, like the skin's cells.
void Cells(gfx::Bitmap& b, const Theme& t, Lcg& rng) {
  for (int i = 0; i < 14; ++i) {
    const double cx = rng.Next() * b.width();
    const double cy = 20 + rng.Next() * 250;
    const double r = 14 + rng.Next() * 40;
    const Rgb colour = i % 2 ? t.light_a : t.light_b;
    const double alpha = 0.10 + 0.25 * rng.Next();
    std::array<std::pair<double, double>, 6> p;
    for (int k = 0; k < 6; ++k) {
      const double a = std::numbers::pi / 3 * k;
      p[static_cast<std::size_t>(k)] = {cx + r * std::cos(a), cy + r * 0.87 * std::sin(a)};
    }
    for (int k = 0; k < 6; ++k) {
      const auto [ax, ay] = p[static_cast<std::size_t>(k)];
      const auto [bx, by] = p[static_cast<std::size_t>((k + 1) % 6)];
      const int steps = int(std::hypot(bx - ax, by - ay)) + 1;
      for (int s = 0; s <= steps; ++s) {
        const double f = double(s) / steps;
        Paint(b, int(ax + (bx - ax) * f), int(ay + (by - ay) * f), colour, alpha * 2, true);
      }
    }
    // A faint fill.
    for (int y = int(cy - r); y <= int(cy + r); ++y)
      for (int x = int(cx - r); x <= int(cx + r); ++x) {
        const double dx = std::abs(x - cx) / r, dy = std::abs(y - cy) / (r * 0.87);
        if (dy < 1 && dx + dy * 0.5 < 1) Paint(b, x, y, colour, alpha * 0.25, true);
      }
  }
}

void Sparkle(gfx::Bitmap& b, int cx, int cy, int size, Rgb colour) {
  for (int i = -size; i <= size; ++i) {
    const double a = 1.0 - std::abs(i) / double(size + 1);
    Paint(b, cx + i, cy, colour, a, true);
    Paint(b, cx, cy + i, colour, a, true);
    if (std::abs(i) <= size / 2) {
      Paint(b, cx + i, cy + i, colour, a * 0.5, true);
      Paint(b, cx + i, cy - i, colour, a * 0.5, true);
    }
  }
  Glow(b, cx, cy, size * 1.5, colour, 0.4);
}

// Text from the skin's pixel font, each font pixel a scale x scale block, coloured by a
// vertical ramp, with a dark drop shadow and a soft glow.
void Title(gfx::Bitmap& b, int x, int y, const std::string& text, int scale, Rgb top, Rgb bottom,
           Rgb glow) {
  const int w = PixelTextWidth(text, PixelFont::kSmall, scale);
  const int h = PixelTextHeight(PixelFont::kSmall, scale);
  Canvas letters(w + 2, h + 2, 0);
  DrawPixelText(letters, 0, 0, text, 1, PixelFont::kSmall, scale);
  for (int ly = 0; ly < h; ++ly)
    for (int lx = 0; lx < w; ++lx)
      if (letters.At(lx, ly) == 1) Glow(b, x + lx, y + ly, scale * 2.5, glow, 0.012);
  for (int ly = 0; ly < h; ++ly)
    for (int lx = 0; lx < w; ++lx)
      if (letters.At(lx, ly) == 1)
        Paint(b, x + lx + scale / 2 + 1, y + ly + scale / 2 + 1, {12, 4, 30}, 0.85);
  for (int ly = 0; ly < h; ++ly)
    for (int lx = 0; lx < w; ++lx) {
      if (letters.At(lx, ly) != 1) continue;
      Rgb c = Mix(top, bottom, double(ly) / h);
      if (ly % scale == 0) c = Mix(c, kWhite, 0.35);  // a highlight along each pixel row
      Paint(b, x + lx, y + ly, c, 1.0);
    }
}

// The heroine from the colour pattern at twice her size, her colours the host game's
// normal row, with a pink halo behind her.
void Heroine(gfx::Bitmap& b, const ColourPattern& pattern, int pose, int x, int y, const Theme& t) {
  const Palette colours = PatternPalette();
  const gfx::Point origin = PoseOrigin(pose);
  Glow(b, x + kPoseWidth, y + kPoseHeight * 0.9, 200, t.light_a, 0.35);
  Glow(b, x + kPoseWidth, y + kPoseHeight * 2 - 10, 90, kWhite, 0.25);
  for (int py = 0; py < kPoseHeight; ++py)
    for (int px = 0; px < kPoseWidth; ++px) {
      const int sx = origin.x + px, sy = origin.y + py;
      if (!pattern.poses[static_cast<std::size_t>(pose)].Has(sx, sy)) continue;
      const gfx::Pixel p = colours[pattern.pattern.At(sx, sy)];
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
          b.set(std::clamp(x + 2 * px + dx, 0, b.width() - 1),
                std::clamp(y + 2 * py + dy, 0, b.height() - 1), p);
    }
}

}  // namespace

gfx::Bitmap DrawWallpaper(const ColourPattern& pattern, int n) {
  const Theme t = ThemeOf(n);
  gfx::Bitmap b(kBigWallpaperWidth, kBigWallpaperHeight);
  Lcg rng{static_cast<std::uint32_t>(0x51A7E000u + static_cast<unsigned>(n))};
  Sky(b, t);
  Beam(b, 120, 0.55, 0.35, t.light_a);
  Beam(b, 520, 0.55, -0.35, t.light_b);
  Beam(b, 320, 0.30, 0.0, kWhite);
  Cells(b, t, rng);
  Floor(b, t);
  for (int i = 0; i < 40; ++i) {
    const int x = int(rng.Next() * b.width()), y = int(rng.Next() * 290);
    Paint(b, x, y, kWhite, 0.5 + 0.5 * rng.Next(), true);
  }
  for (int i = 0; i < 7; ++i) {
    const int x = 30 + int(rng.Next() * 580), y = 20 + int(rng.Next() * 260);
    Sparkle(b, x, y, 3 + int(rng.Next() * 6),
            i % 3 == 0 ? kGold : (i % 3 == 1 ? kWhite : t.light_b));
  }
  const int hero_x = t.heroine_left ? 40 : 640 - 40 - 2 * kPoseWidth;
  if (t.pose >= 0) Heroine(b, pattern, t.pose, hero_x, 480 - 2 * kPoseHeight - 12, t);
  // The title block on the other side.
  const bool title_left = t.pose < 0 || !t.heroine_left;
  const int title_scale = 5;
  const std::string title = "QUIRO EDIT";
  const int title_w = PixelTextWidth(title, PixelFont::kSmall, title_scale);
  const int title_x = t.pose < 0 ? (640 - title_w) / 2 : (title_left ? 36 : 640 - 36 - title_w);
  Title(b, title_x, 118, title, title_scale, {255, 200, 230}, kPink, kPink);
  const std::string caption = t.caption;
  const int cap_w = PixelTextWidth(caption, PixelFont::kSmall, 2);
  Title(b, title_x + title_w - cap_w, 168, caption, 2, kWhite, kCyan, kCyan);
  Sparkle(b, title_x + title_w + 8, 114, 8, kGold);
  Sparkle(b, title_x - 6, 160, 5, kWhite);
  return b;
}

gfx::Bitmap HalfSize(const gfx::Bitmap& picture) {
  gfx::Bitmap out(picture.width() / 2, picture.height() / 2);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      int r = 0, g = 0, bl = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
          const gfx::Pixel p = picture.at(2 * x + dx, 2 * y + dy);
          r += gfx::RedOf(p);
          g += gfx::GreenOf(p);
          bl += gfx::BlueOf(p);
        }
      out.set(x, y, gfx::MakePixel((r + 2) / 4, (g + 2) / 4, (bl + 2) / 4));
    }
  return out;
}

}  // namespace tinto::skin
