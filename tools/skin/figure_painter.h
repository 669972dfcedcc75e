// A small painter for the heroine: parts are laid on top of each other, each with a thin
// black line where it overlaps what lies beneath, shaded in three tones with the light
// from the upper left; at the end the whole figure gets its black outline.
#pragma once

#include <initializer_list>
#include <span>

#include "tools/skin/canvas.h"
#include "tools/skin/draw.h"

namespace tinto::skin {

struct Tones {
  Ink shadow;
  Ink mid;
  Ink light;
};

class FigurePainter {
 public:
  // A figure of the given size whose column 0 lies `left_margin` columns into its canvas
  // (the figure may reach that far to the left).
  FigurePainter(int width, int height, int left_margin);

  // Shapes in figure coordinates.
  PixelMask Limb(PointF a, PointF b, double radius_a, double radius_b) const;
  PixelMask Poly(std::initializer_list<PointF> points) const;
  PixelMask Poly(std::span<const PointF> points) const;
  PixelMask Oval(PointF centre, double rx, double ry) const;

  // Lays a part: first a black line where its rim overlaps earlier parts (unless
  // `line` is false), then the part in one ink.
  void Lay(const PixelMask& part, Ink ink, bool line = true);
  // Lays a limb shaded like a cylinder lit from the upper left.
  void LayLimb(PointF a, PointF b, double radius_a, double radius_b, Tones tones, bool line = true);
  // Lays a part shaded by its edges: `light` along the edges that face the upper left
  // (depth `light_depth`), `shadow` along those facing the lower right (`shadow_depth`).
  void LayShaded(const PixelMask& part, Tones tones, int light_depth, int shadow_depth,
                 bool line = true);
  // Single pixels and sprites on top of what is drawn (they count as figure).
  void Dot(int x, int y, Ink ink);
  void Sprite(int x, int y, std::initializer_list<std::string_view> rows, SpriteKey key);

  // Adds the black outline round the whole figure and returns the finished picture.
  void Finish();
  const Canvas& canvas() const { return canvas_; }
  const PixelMask& drawn() const { return drawn_; }
  int left_margin() const { return margin_; }

 private:
  void Put(int cx, int cy, Ink ink);  // canvas coordinates
  Canvas canvas_;
  PixelMask drawn_;
  int margin_;
};

}  // namespace tinto::skin
