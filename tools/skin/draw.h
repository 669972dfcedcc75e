// Drawing primitives on palette-indexed canvases: rectangles, lines, polygons, ellipses,
// thick strokes, copies between canvases and small sprites written as text.
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

#include "gfx/geometry.h"
#include "tools/skin/canvas.h"

namespace tinto::skin {

struct PointF {
  double x = 0;
  double y = 0;
};

void FillRect(Canvas& c, gfx::Rect r, Ink ink);
void FrameRect(Canvas& c, gfx::Rect r, Ink ink);
void HLine(Canvas& c, int x0, int x1, int y, Ink ink);  // x0..x1 inclusive
void VLine(Canvas& c, int x, int y0, int y1, Ink ink);  // y0..y1 inclusive
void Line(Canvas& c, gfx::Point a, gfx::Point b, Ink ink);

// Polygons cover the pixels whose centres lie inside them (the rule of window regions).
PixelMask PolygonMask(int width, int height, std::span<const gfx::Point> points);
PixelMask PolygonMaskF(int width, int height, std::span<const PointF> points);
void FillPolygon(Canvas& c, std::span<const gfx::Point> points, Ink ink);
void FillPolygonF(Canvas& c, std::span<const PointF> points, Ink ink);

// The ellipse inscribed in a rectangle.
PixelMask EllipseMask(int width, int height, gfx::Rect box);
void FillEllipse(Canvas& c, gfx::Rect box, Ink ink);
void FrameEllipse(Canvas& c, gfx::Rect box, Ink ink);  // its one-pixel rim

// Every pixel whose centre lies within `radius` of the segment a-b.
void Capsule(Canvas& c, PointF a, PointF b, double radius, Ink ink);
void CapsuleMask(PixelMask& m, PointF a, PointF b, double radius);

void Fill(Canvas& c, const PixelMask& m, Ink ink);
// The mask's pixels whose upper or left neighbour lies outside it get `light`, those whose
// lower or right neighbour lies outside get `dark` (light wins at the two odd corners).
void Bevel(Canvas& c, const PixelMask& m, Ink light, Ink dark);
// The pixels just outside the mask (8-neighbourhood) get `ink`.
void Outline(Canvas& c, const PixelMask& m, Ink ink);
PixelMask Grown(const PixelMask& m);   // the mask plus its 8-neighbourhood rim
PixelMask Shrunk(const PixelMask& m);  // the pixels whose four neighbours all lie in the mask
PixelMask Rim(const PixelMask& m);     // the mask's pixels that Shrunk takes away
// A hexagon with flat top and bottom and its two points at the middle of the left and
// right sides, `slant` pixels deep.
PixelMask HexagonMask(int width, int height, gfx::Rect box, int slant);

void CopyRect(Canvas& dst, gfx::Point at, const Canvas& src, gfx::Rect src_rect);
void Replace(Canvas& c, gfx::Rect r, Ink from, Ink to);

// A sprite is rows of characters; each character that the key names is drawn with its
// ink, every other character is transparent.
using SpriteKey = std::initializer_list<std::pair<char, Ink>>;
void DrawSprite(Canvas& c, int x, int y, std::span<const std::string_view> rows, SpriteKey key);
void DrawSprite(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows,
                SpriteKey key);

}  // namespace tinto::skin
