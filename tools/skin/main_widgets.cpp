// The looks of the main window's buttons.
#include "tools/skin/main_widgets.h"

#include <algorithm>
#include <vector>

#include "tools/skin/draw.h"
#include "tools/skin/palettes.h"

namespace tinto::skin {

ButtonInks PushInks(Look look) {
  if (look == Look::kPressed) return {ink::kViolet, ink::kNight, ink::kLavender, ink::kWhite, 1};
  return {ink::kSilver, ink::kPearl, ink::kSteel, ink::kNavy, 0};
}

ButtonInks ToggleInks(Look look) {
  switch (look) {
    case Look::kPressed:
      return {ink::kViolet, ink::kNight, ink::kLavender, ink::kWhite, 1};
    case Look::kLit:
      return {ink::kCyan, ink::kWhite, ink::kSteel, ink::kNavy, 0};
    case Look::kNormal:
      break;
  }
  return {ink::kIndigo, ink::kSteel, ink::kNight, ink::kLavender, 0};
}

PixelMask RectShape(const Canvas& on, gfx::Rect r, int corner_cut) {
  PixelMask m(on.width(), on.height());
  for (int y = r.top; y < r.bottom(); ++y) {
    for (int x = r.left; x < r.right(); ++x) {
      const int dx = std::min(x - r.left, r.right() - 1 - x);
      const int dy = std::min(y - r.top, r.bottom() - 1 - y);
      if (dx + dy >= corner_cut) m.Put(x, y);
    }
  }
  return m;
}

PixelMask EllipseShape(const Canvas& on, gfx::Rect box) {
  return EllipseMask(on.width(), on.height(), box);
}

PixelMask PolygonShape(const Canvas& on, std::initializer_list<gfx::Point> points) {
  const std::vector<gfx::Point> pts(points);
  return PolygonMask(on.width(), on.height(), pts);
}

PixelMask HexagonShape(const Canvas& on, gfx::Rect box, int slant) {
  return HexagonMask(on.width(), on.height(), box, slant);
}

PixelMask Union(const PixelMask& a, const PixelMask& b) {
  PixelMask u(a.width(), a.height());
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) u.Put(x, y, a.Has(x, y) || b.Has(x, y));
  }
  return u;
}

void PaintButton(Canvas& c, const PixelMask& shape, const ButtonInks& inks) {
  Fill(c, shape, inks.face);
  Bevel(c, shape, inks.light, inks.dark);
}

void DrawPictogram(Canvas& c, int x, int y, std::span<const std::string_view> rows,
                   const ButtonInks& inks) {
  DrawSprite(c, x + inks.shift, y + inks.shift, rows, {{'#', inks.glyph}});
}

void DrawPictogram(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows,
                   const ButtonInks& inks) {
  DrawPictogram(c, x, y, std::span<const std::string_view>(rows.begin(), rows.size()), inks);
}

void DrawPictogram(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows, Ink ink) {
  DrawSprite(c, x, y, rows, {{'#', ink}});
}

void PaintPlate(Canvas& c, const PixelMask& shape) {
  Fill(c, shape, ink::kIndigo);
  Bevel(c, shape, ink::kNight, ink::kLavender);
}

}  // namespace tinto::skin
