// Block transfers between bitmaps.
#include "gfx/bitmap.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tinto::gfx {

Bitmap::Bitmap(int width, int height, Pixel fill)
    : width_(width < 0 ? 0 : width),
      height_(height < 0 ? 0 : height),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

namespace {

// Clips a copy of src_rect to dst_at so that both source and destination lie inside their
// bitmaps. Returns false when nothing is left.
bool ClipCopy(Size dst, Point& dst_at, Size src, Rect& src_rect) {
  if (src_rect.left < 0) {
    dst_at.x -= src_rect.left;
    src_rect.width += src_rect.left;
    src_rect.left = 0;
  }
  if (src_rect.top < 0) {
    dst_at.y -= src_rect.top;
    src_rect.height += src_rect.top;
    src_rect.top = 0;
  }
  if (dst_at.x < 0) {
    src_rect.left -= dst_at.x;
    src_rect.width += dst_at.x;
    dst_at.x = 0;
  }
  if (dst_at.y < 0) {
    src_rect.top -= dst_at.y;
    src_rect.height += dst_at.y;
    dst_at.y = 0;
  }
  src_rect.width = std::min({src_rect.width, src.width - src_rect.left, dst.width - dst_at.x});
  src_rect.height = std::min({src_rect.height, src.height - src_rect.top, dst.height - dst_at.y});
  return src_rect.width > 0 && src_rect.height > 0;
}

inline void Put(Pixel& d, Pixel s, RasterOp op) {
  d = (op == RasterOp::kOr) ? (d | s) : s;
}

}  // namespace

void Blit(Bitmap& dst, Point dst_at, const Bitmap& src, Rect src_rect, RasterOp op) {
  if (!ClipCopy(dst.size(), dst_at, src.size(), src_rect)) return;
  const bool same = &dst == &src;
  // Overlapping copies within one bitmap go through a scratch copy of the source rows.
  Bitmap scratch;
  const Bitmap* from = &src;
  if (same) {
    scratch = Bitmap(src_rect.width, src_rect.height);
    for (int y = 0; y < src_rect.height; ++y) {
      const Pixel* s = src.row(src_rect.top + y) + src_rect.left;
      std::copy(s, s + src_rect.width, scratch.row(y));
    }
    from = &scratch;
    src_rect.left = 0;
    src_rect.top = 0;
  }
  for (int y = 0; y < src_rect.height; ++y) {
    const Pixel* s = from->row(src_rect.top + y) + src_rect.left;
    Pixel* d = dst.row(dst_at.y + y) + dst_at.x;
    if (op == RasterOp::kCopy) {
      std::copy(s, s + src_rect.width, d);
    } else {
      for (int x = 0; x < src_rect.width; ++x) d[x] |= s[x];
    }
  }
}

void StretchBlit(Bitmap& dst, Rect dst_rect, const Bitmap& src, Rect src_rect, RasterOp op) {
  if (dst_rect.empty() || src_rect.empty()) return;
  if (dst_rect.width == src_rect.width && dst_rect.height == src_rect.height) {
    Blit(dst, {dst_rect.left, dst_rect.top}, src, src_rect, op);
    return;
  }
  const Bitmap copy = (&dst == &src) ? src : Bitmap();
  const Bitmap& from = (&dst == &src) ? copy : src;
  const Rect visible = Intersect(dst_rect, dst.bounds());
  // The source column of every visible destination column, worked out once (the viewer
  // stretches a movie frame to twice its size a hundred times a second); -1 outside the
  // source.
  std::vector<int> columns(static_cast<std::size_t>(std::max(visible.width, 0)));
  for (int x = visible.left; x < visible.right(); ++x) {
    const std::int64_t sx = src_rect.left + (static_cast<std::int64_t>(x - dst_rect.left) * 2 + 1) *
                                                src_rect.width / (2 * std::int64_t{dst_rect.width});
    columns[static_cast<std::size_t>(x - visible.left)] =
        (sx < 0 || sx >= from.width()) ? -1 : static_cast<int>(sx);
  }
  const bool whole_rows = std::find(columns.begin(), columns.end(), -1) == columns.end();
  const bool doubled = whole_rows && visible == dst_rect && dst_rect.width == 2 * src_rect.width;
  std::int64_t previous_sy = -1;
  for (int y = visible.top; y < visible.bottom(); ++y) {
    const std::int64_t sy = src_rect.top + (static_cast<std::int64_t>(y - dst_rect.top) * 2 + 1) *
                                               src_rect.height /
                                               (2 * std::int64_t{dst_rect.height});
    if (sy < 0 || sy >= from.height()) continue;
    Pixel* d = dst.row(y) + visible.left;
    if (op == RasterOp::kCopy && whole_rows && sy == previous_sy) {
      // An enlarged row repeats the one above it.
      std::copy(d - dst.width(), d - dst.width() + visible.width, d);
      continue;
    }
    previous_sy = sy;
    const Pixel* s = from.row(static_cast<int>(sy));
    if (op == RasterOp::kCopy && doubled) {
      // Exactly twice as wide: each source pixel fills two neighbours.
      const Pixel* in = s + columns[0];
      int i = 0;
#if defined(__SSE2__)
      // Four source pixels at a time, each interleaved with itself.
      for (; i + 8 <= visible.width; i += 8, in += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_unpacklo_epi32(four, four));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 4), _mm_unpackhi_epi32(four, four));
      }
#endif
      for (; i < visible.width; i += 2, ++in) d[i] = d[i + 1] = *in;
      continue;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const int sx = columns[i];
      if (sx < 0) continue;
      if (op == RasterOp::kCopy) {
        d[i] = s[sx];
      } else {
        Put(d[i], s[sx], op);
      }
    }
  }
}

void Fill(Bitmap& dst, Rect rect, Pixel colour) {
  const Rect r = Intersect(rect, dst.bounds());
  for (int y = r.top; y < r.bottom(); ++y) {
    Pixel* d = dst.row(y);
    std::fill(d + r.left, d + r.right(), colour);
  }
}

Mask MaskFromKey(const Bitmap& src, Rect src_rect, Pixel key) {
  Mask mask(src.width(), src.height());
  const Rect r = Intersect(src_rect, src.bounds());
  for (int y = r.top; y < r.bottom(); ++y) {
    const Pixel* s = src.row(y);
    for (int x = r.left; x < r.right(); ++x) mask.set(x, y, s[x] == key);
  }
  return mask;
}

void ExpandMask(Bitmap& dst, Point dst_at, const Mask& mask, Rect src_rect, Pixel text_colour,
                Pixel bk_colour, RasterOp op) {
  if (!ClipCopy(dst.size(), dst_at, {mask.width(), mask.height()}, src_rect)) return;
  for (int y = 0; y < src_rect.height; ++y) {
    Pixel* d = dst.row(dst_at.y + y) + dst_at.x;
    for (int x = 0; x < src_rect.width; ++x) {
      const bool on = mask.at(src_rect.left + x, src_rect.top + y);
      Put(d[x], on ? bk_colour : text_colour, op);
    }
  }
}

void OrKeyColour(Bitmap& dst, Point dst_at, const Bitmap& src, Rect src_rect, Pixel key,
                 Pixel colour) {
  if (!ClipCopy(dst.size(), dst_at, src.size(), src_rect)) return;
  for (int y = 0; y < src_rect.height; ++y) {
    const Pixel* s = src.row(src_rect.top + y) + src_rect.left;
    Pixel* d = dst.row(dst_at.y + y) + dst_at.x;
    for (int x = 0; x < src_rect.width; ++x)
      if (s[x] == key) d[x] |= colour;
  }
}

namespace {

// The keys in a small open-addressed table: a pixel is found in one or two probes.
class KeyTable {
 public:
  explicit KeyTable(std::span<const KeyPaint> keys) {
    for (const KeyPaint& k : keys) {
      std::size_t i = Slot(k.key);
      while (Used(i) && keys_[i] != k.key) i = (i + 1) % kSlots;
      if (!Used(i)) {
        used_ |= std::uint32_t{1} << i;
        keys_[i] = k.key;
        paints_[i] = 0;
      }
      paints_[i] |= k.paint;
    }
  }
  Pixel PaintOf(Pixel p) const {
    for (std::size_t i = Slot(p); Used(i); i = (i + 1) % kSlots)
      if (keys_[i] == p) return paints_[i];
    return 0;
  }

 private:
  // At least twice as many slots as keys, so that a free slot ends every probe.
  static constexpr std::size_t kSlots = 32;

 public:
  static constexpr std::size_t kMostKeys = kSlots / 2;

 private:
  static std::size_t Slot(Pixel p) { return (p * 0x9E3779B1u) >> 27; }
  bool Used(std::size_t i) const { return (used_ >> i) & 1; }
  std::uint32_t used_ = 0;
  std::array<Pixel, kSlots> keys_{};
  std::array<Pixel, kSlots> paints_{};
};

}  // namespace

void OrKeyColours(Bitmap& dst, Point dst_at, const Bitmap& src, Rect src_rect,
                  std::span<const KeyPaint> keys) {
  if (keys.size() > KeyTable::kMostKeys) {
    for (const KeyPaint& k : keys) OrKeyColour(dst, dst_at, src, src_rect, k.key, k.paint);
    return;
  }
  if (!ClipCopy(dst.size(), dst_at, src.size(), src_rect)) return;
  const KeyTable table(keys);
  for (int y = 0; y < src_rect.height; ++y) {
    const Pixel* s = src.row(src_rect.top + y) + src_rect.left;
    Pixel* d = dst.row(dst_at.y + y) + dst_at.x;
    // Pictures run in spans of one colour: a colour is looked up once per span.
    Pixel last = s[0];
    Pixel paint = table.PaintOf(last);
    for (int x = 0; x < src_rect.width; ++x) {
      if (s[x] != last) {
        last = s[x];
        paint = table.PaintOf(last);
      }
      d[x] |= paint;
    }
  }
}

KeyRuns::KeyRuns(const Bitmap& src, Rect src_rect, std::span<const Pixel> keys) {
  // The distinct key colours: keys of one colour share its runs and OR their paints.
  std::vector<Pixel> colours;
  colour_of_key_.reserve(keys.size());
  for (const Pixel key : keys) {
    const auto found = std::find(colours.begin(), colours.end(), key);
    colour_of_key_.push_back(static_cast<std::uint32_t>(found - colours.begin()));
    if (found == colours.end()) colours.push_back(key);
  }
  colours_ = static_cast<std::uint32_t>(colours.size());
  // The part of the region inside src; the destination is clipped when painting.
  const int left = std::max(src_rect.left, 0);
  const int top = std::max(src_rect.top, 0);
  const int right = std::min(src_rect.right(), src.width());
  const int bottom = std::min(src_rect.bottom(), src.height());
  if (right <= left || bottom <= top) return;
  offset_ = {left - src_rect.left, top - src_rect.top};
  size_ = {right - left, bottom - top};
  // Each distinct colour is its own paint (its number + 1, 0 for no key), so the table
  // finds a pixel's colour in one probe sequence; past the table's size, a search.
  constexpr std::uint32_t kNone = 0;
  std::vector<KeyPaint> numbered;
  for (std::uint32_t i = 0; i < colours_; ++i) numbered.push_back({colours[i], i + 1});
  const bool use_table = numbered.size() <= KeyTable::kMostKeys;
  const KeyTable table(use_table ? std::span<const KeyPaint>(numbered)
                                 : std::span<const KeyPaint>{});
  const auto number_of = [&](Pixel p) -> std::uint32_t {
    if (use_table) return table.PaintOf(p);
    const auto found = std::find(colours.begin(), colours.end(), p);
    return found == colours.end() ? kNone : static_cast<std::uint32_t>(found - colours.begin()) + 1;
  };
  row_ends_.reserve(static_cast<std::size_t>(size_.height));
  for (int y = 0; y < size_.height; ++y) {
    const Pixel* s = src.row(top + y) + left;
    for (int x = 0; x < size_.width;) {
      int end = x + 1;
      while (end < size_.width && s[end] == s[x]) ++end;
      const std::uint32_t number = number_of(s[x]);
      if (number != kNone) runs_.push_back({.x = x, .length = end - x, .colour = number - 1});
      x = end;
    }
    row_ends_.push_back(runs_.size());
  }
}

void KeyRuns::Or(Bitmap& dst, Point dst_at, std::span<const Pixel> paints) const {
  // Each distinct colour's paint: the OR of its keys' paints.
  std::array<Pixel, KeyTable::kMostKeys> few{};
  std::vector<Pixel> many;
  Pixel* paint = few.data();
  if (colours_ > few.size()) {
    many.assign(colours_, 0);
    paint = many.data();
  }
  for (std::size_t k = 0; k < colour_of_key_.size() && k < paints.size(); ++k)
    paint[colour_of_key_[k]] |= paints[k];
  // The part of the region that lands inside dst.
  Point at = {dst_at.x + offset_.x, dst_at.y + offset_.y};
  Rect region{0, 0, size_.width, size_.height};
  if (!ClipCopy(dst.size(), at, size_, region)) return;
  const int left = region.left;
  const int right = region.left + region.width;
  for (int y = region.top; y < region.top + region.height; ++y) {
    Pixel* d = dst.row(at.y + y - region.top) + at.x;
    const std::size_t begin = y == 0 ? 0 : row_ends_[static_cast<std::size_t>(y - 1)];
    const std::size_t end = row_ends_[static_cast<std::size_t>(y)];
    for (std::size_t r = begin; r < end; ++r) {
      const Run& run = runs_[r];
      const Pixel p = paint[run.colour];
      const int from = std::max(run.x, left);
      const int to = std::min(run.x + run.length, right);
      for (int x = from; x < to; ++x) d[x - left] |= p;
    }
  }
}

}  // namespace tinto::gfx
