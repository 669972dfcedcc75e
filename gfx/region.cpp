// Region arithmetic on sorted rows of pixel runs.
#include "gfx/region.h"

#include <algorithm>
#include <cmath>

namespace tinto::gfx {

Region Region::FromRect(Rect rect) {
  Region r;
  if (rect.empty()) return r;
  r.rows_.reserve(static_cast<std::size_t>(rect.height));
  for (int y = rect.top; y < rect.bottom(); ++y)
    r.rows_.push_back({y, {{rect.left, rect.right()}}});
  return r;
}

Region Region::FromPolygon(std::span<const Point> points) {
  Region r;
  const std::size_t n = points.size();
  if (n < 3) return r;
  int min_y = points[0].y;
  int max_y = points[0].y;
  for (const Point& p : points) {
    min_y = std::min(min_y, p.y);
    max_y = std::max(max_y, p.y);
  }
  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> crossings;
  for (int y = min_y; y < max_y; ++y) {
    const double yc = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const Point a = points[i];
      const Point b = points[(i + 1) % n];
      if (a.y == b.y) continue;
      const bool down = b.y > a.y;
      const Point top = down ? a : b;
      const Point bottom = down ? b : a;
      if (yc < top.y || yc >= bottom.y) continue;
      const double x = top.x + (yc - top.y) * (bottom.x - top.x) / double(bottom.y - top.y);
      crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& rr) { return l.x < rr.x; });
    Row row{y, {}};
    int winding = 0;
    double start = 0;
    for (const Crossing& c : crossings) {
      const int before = winding;
      winding += c.dir;
      if (before == 0 && winding != 0) {
        start = c.x;
      } else if (before != 0 && winding == 0) {
        // Pixels whose centres x + 0.5 lie in [start, c.x).
        const int x0 = static_cast<int>(std::ceil(start - 0.5));
        const int x1 = static_cast<int>(std::ceil(c.x - 0.5));
        if (x1 > x0) {
          if (!row.spans.empty() && row.spans.back().x1 >= x0) {
            row.spans.back().x1 = std::max(row.spans.back().x1, x1);
          } else {
            row.spans.push_back({x0, x1});
          }
        }
      }
    }
    if (!row.spans.empty()) r.rows_.push_back(std::move(row));
  }
  return r;
}

template <typename Op>
void Region::Combine(const Region& other, Op op) {
  std::vector<Row> out;
  out.reserve(rows_.size() + other.rows_.size());
  std::size_t i = 0;
  std::size_t j = 0;
  static const std::vector<Span> kNone;
  while (i < rows_.size() || j < other.rows_.size()) {
    int y;
    const std::vector<Span>* a = &kNone;
    const std::vector<Span>* b = &kNone;
    if (j >= other.rows_.size() || (i < rows_.size() && rows_[i].y < other.rows_[j].y)) {
      y = rows_[i].y;
      a = &rows_[i++].spans;
    } else if (i >= rows_.size() || other.rows_[j].y < rows_[i].y) {
      y = other.rows_[j].y;
      b = &other.rows_[j++].spans;
    } else {
      y = rows_[i].y;
      a = &rows_[i++].spans;
      b = &other.rows_[j++].spans;
    }
    // Walk the sorted edges of both rows and keep the stretches where op(inA, inB) holds.
    std::vector<int> edges;
    for (const Span& s : *a) edges.insert(edges.end(), {s.x0, s.x1});
    for (const Span& s : *b) edges.insert(edges.end(), {s.x0, s.x1});
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    auto inside = [](const std::vector<Span>& spans, int x) {
      for (const Span& s : spans)
        if (x >= s.x0 && x < s.x1) return true;
      return false;
    };
    Row row{y, {}};
    for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
      const int x = edges[k];
      if (!op(inside(*a, x), inside(*b, x))) continue;
      if (!row.spans.empty() && row.spans.back().x1 == x) {
        row.spans.back().x1 = edges[k + 1];
      } else {
        row.spans.push_back({x, edges[k + 1]});
      }
    }
    if (!row.spans.empty()) out.push_back(std::move(row));
  }
  rows_ = std::move(out);
}

void Region::Union(const Region& other) {
  Combine(other, [](bool a, bool b) { return a || b; });
}

void Region::Subtract(const Region& other) {
  Combine(other, [](bool a, bool b) { return a && !b; });
}

Region Region::Translated(int dx, int dy) const {
  Region r = *this;
  for (Row& row : r.rows_) {
    row.y += dy;
    for (Span& s : row.spans) {
      s.x0 += dx;
      s.x1 += dx;
    }
  }
  return r;
}

bool Region::Contains(int x, int y) const {
  auto it = std::lower_bound(rows_.begin(), rows_.end(), y,
                             [](const Row& row, int yy) { return row.y < yy; });
  if (it == rows_.end() || it->y != y) return false;
  for (const Span& s : it->spans)
    if (x >= s.x0 && x < s.x1) return true;
  return false;
}

std::int64_t Region::Area() const {
  std::int64_t area = 0;
  for (const Row& row : rows_)
    for (const Span& s : row.spans) area += s.x1 - s.x0;
  return area;
}

Rect Region::Bounds() const {
  if (rows_.empty()) return {};
  int x0 = rows_.front().spans.front().x0;
  int x1 = rows_.front().spans.back().x1;
  for (const Row& row : rows_) {
    x0 = std::min(x0, row.spans.front().x0);
    x1 = std::max(x1, row.spans.back().x1);
  }
  return {x0, rows_.front().y, x1 - x0, rows_.back().y + 1 - rows_.front().y};
}

std::vector<Rect> Region::Runs() const {
  std::vector<Rect> runs;
  for (const Row& row : rows_)
    for (const Span& s : row.spans) runs.push_back({s.x0, row.y, s.x1 - s.x0, 1});
  return runs;
}

std::vector<Rect> Region::Bands() const {
  std::vector<Rect> bands;
  std::size_t i = 0;
  while (i < rows_.size()) {
    std::size_t j = i + 1;
    while (j < rows_.size() && rows_[j].y == rows_[j - 1].y + 1 && rows_[j].spans == rows_[i].spans)
      ++j;
    const int height = static_cast<int>(j - i);
    for (const Span& s : rows_[i].spans) bands.push_back({s.x0, rows_[i].y, s.x1 - s.x0, height});
    i = j;
  }
  return bands;
}

Mask Region::ToMask(int width, int height) const {
  Mask mask(width, height);
  for (const Row& row : rows_) {
    if (row.y < 0 || row.y >= height) continue;
    for (const Span& s : row.spans)
      for (int x = std::max(0, s.x0); x < std::min(width, s.x1); ++x) mask.set(x, row.y, true);
  }
  return mask;
}

}  // namespace tinto::gfx
