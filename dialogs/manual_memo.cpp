// Memo1 of the manual window: its lines, its scrolling and its picture.
#include "dialogs/manual_memo.h"

#include <algorithm>

namespace tinto {

namespace {
constexpr gfx::Pixel kText = gfx::MakePixel(255, 255, 255);
constexpr gfx::Pixel kBackground = gfx::MakePixel(0, 0, 0);
constexpr gfx::Pixel kTrack = gfx::MakePixel(48, 48, 48);
constexpr gfx::Pixel kButton = gfx::MakePixel(112, 112, 112);
constexpr gfx::Pixel kThumb = gfx::MakePixel(160, 160, 160);
constexpr gfx::Pixel kArrow = gfx::MakePixel(255, 255, 255);
// Used while no font could be opened: the scrolling still works line by line.
constexpr int kFallbackLineHeight = 12;

// A small filled triangle pointing up or down, centred in box.
void DrawArrow(gfx::Bitmap& dst, gfx::Rect box, bool up) {
  const int cx = box.left + box.width / 2;
  const int cy = box.top + box.height / 2;
  for (int row = 0; row < 4; ++row) {
    const int y = up ? cy - 2 + row : cy + 1 - row;
    gfx::Fill(dst, {cx - row, y, 2 * row + 1, 1}, kArrow);
  }
}
}  // namespace

ManualMemo::ManualMemo() = default;

void ManualMemo::SetText(std::string_view utf8) {
  lines_.clear();
  std::size_t start = 0;
  while (start < utf8.size()) {
    std::size_t end = utf8.find('\n', start);
    if (end == std::string_view::npos) end = utf8.size();
    std::string_view line = utf8.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.emplace_back(line);
    start = end + 1;
  }
  ScrollTo(top_);
}

void ManualMemo::SetSize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  ScrollTo(top_);
}

int ManualMemo::line_height() const {
  return font_ ? std::max(1, font_->LineHeight()) : kFallbackLineHeight;
}

int ManualMemo::page_lines() const {
  return std::max(1, height_ / line_height());
}

int ManualMemo::max_top() const {
  return std::max(0, line_count() - page_lines());
}

bool ManualMemo::ScrollTo(int top_line) {
  const int top = std::clamp(top_line, 0, max_top());
  if (top == top_) return false;
  top_ = top;
  return true;
}

int ManualMemo::TrackLength() const {
  return std::max(0, height_ - 2 * kScrollBarWidth);
}

gfx::Rect ManualMemo::thumb() const {
  const int track = TrackLength();
  const int total = std::max(line_count(), page_lines());
  const int size = std::min(track, std::max(kMinThumb, track * page_lines() / total));
  const int travel = track - size;
  const int offset = max_top() == 0 ? 0 : travel * top_ / max_top();
  return {width_ - kScrollBarWidth, kScrollBarWidth + offset, kScrollBarWidth, size};
}

ManualMemo::BarPart ManualMemo::HitBar(int x, int y) const {
  if (x < width_ - kScrollBarWidth || x >= width_ || y < 0 || y >= height_) return BarPart::kNone;
  if (y < kScrollBarWidth) return BarPart::kLineUp;
  if (y >= height_ - kScrollBarWidth) return BarPart::kLineDown;
  const gfx::Rect t = thumb();
  if (y < t.top) return BarPart::kPageUp;
  if (y >= t.bottom()) return BarPart::kPageDown;
  return BarPart::kThumb;
}

bool ManualMemo::DragThumbTo(int y) {
  const int travel = TrackLength() - thumb().height;
  if (travel <= 0) return false;
  // Round to the nearest line so that the thumb sits where the pointer left it.
  const int moved = (y - drag_from_y_) * max_top();
  const int lines = moved >= 0 ? (moved + travel / 2) / travel : -((-moved + travel / 2) / travel);
  return ScrollTo(drag_from_top_ + lines);
}

void ManualMemo::Draw(gfx::Bitmap& dst) const {
  const gfx::Rect text_area{0, 0, std::max(0, width_ - kScrollBarWidth), height_};
  gfx::Fill(dst, {0, 0, width_, height_}, kBackground);
  if (font_) {
    const int step = line_height();
    for (int i = top_, y = 0; i < line_count() && y < height_; ++i, y += step)
      font_->DrawLine(dst, {kMargin, y}, lines_[static_cast<std::size_t>(i)], kText, text_area);
  }
  const gfx::Rect b = bar();
  gfx::Fill(dst, b, kTrack);
  const gfx::Rect up{b.left, 0, kScrollBarWidth, kScrollBarWidth};
  const gfx::Rect down{b.left, height_ - kScrollBarWidth, kScrollBarWidth, kScrollBarWidth};
  for (const gfx::Rect& r : {up, down})
    gfx::Fill(dst, {r.left + 1, r.top + 1, r.width - 2, r.height - 2}, kButton);
  DrawArrow(dst, up, true);
  DrawArrow(dst, down, false);
  const gfx::Rect t = thumb();
  if (t.height > 0) gfx::Fill(dst, {t.left + 2, t.top + 1, t.width - 4, t.height - 2}, kThumb);
}

}  // namespace tinto
