// Window regions: sets of pixels built from rectangles and polygons, combined by union
// and difference. A region is plain geometry; only the platform layer turns it into the
// shape of a window.
//
// A polygon covers the pixels whose centres (x + 0.5, y + 0.5) lie inside it by the
// winding rule; a centre exactly on an edge counts when the inside lies to its right or
// below it, so polygons that share an edge never share a pixel.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"

namespace tinto::gfx {

class Region {
 public:
  Region() = default;
  static Region FromRect(Rect rect);
  static Region FromPolygon(std::span<const Point> points);  // winding fill

  void Union(const Region& other);
  void Subtract(const Region& other);
  Region Translated(int dx, int dy) const;

  bool Contains(int x, int y) const;
  std::int64_t Area() const;
  bool empty() const { return rows_.empty(); }
  Rect Bounds() const;

  // The region as horizontal runs, one rectangle of height 1 per run, top to bottom and
  // left to right within a row.
  std::vector<Rect> Runs() const;
  // The region as the fewest rectangles of maximal height whose rows carry the same runs.
  std::vector<Rect> Bands() const;
  // The region as a mask of the given size (pixels outside it are 0).
  Mask ToMask(int width, int height) const;

  friend bool operator==(const Region&, const Region&) = default;

 private:
  struct Span {
    int x0;  // first pixel
    int x1;  // one past the last pixel
    friend bool operator==(const Span&, const Span&) = default;
  };
  struct Row {
    int y;
    std::vector<Span> spans;  // sorted, disjoint, not touching
    friend bool operator==(const Row&, const Row&) = default;
  };
  template <typename Op>
  void Combine(const Region& other, Op op);

  std::vector<Row> rows_;  // sorted by y, no empty rows
};

}  // namespace tinto::gfx
