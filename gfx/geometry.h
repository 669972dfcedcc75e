// Points and rectangles in the (left, top, width, height) form the skin layouts use.
#pragma once

#include <algorithm>

namespace tinto::gfx {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int right() const { return left + width; }   // one past the last column
  constexpr int bottom() const { return top + height; }  // one past the last row
  constexpr bool empty() const { return width <= 0 || height <= 0; }
  constexpr bool contains(int x, int y) const {
    return x >= left && x < right() && y >= top && y < bottom();
  }
  constexpr Rect offset(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr Rect Intersect(const Rect& a, const Rect& b) {
  const int l = std::max(a.left, b.left);
  const int t = std::max(a.top, b.top);
  const int r = std::min(a.right(), b.right());
  const int btm = std::min(a.bottom(), b.bottom());
  if (r <= l || btm <= t) return {l, t, 0, 0};
  return {l, t, r - l, btm - t};
}

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

}  // namespace tinto::gfx
