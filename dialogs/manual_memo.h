// Memo1 of the manual window: the manual's lines in a read-only text area, white on black
// in the fixed-pitch face, with a vertical scroll bar on its right and no word wrap (a long
// line is cut at the edge). It knows only its lines, its size and where it is scrolled to,
// and draws itself into a bitmap, so every backend shows the same picture.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "gfx/text.h"

namespace tinto {

class ManualMemo {
 public:
  static constexpr int kScrollBarWidth = 16;
  static constexpr int kMargin = 3;      // blank pixels left of the text
  static constexpr int kWheelLines = 3;  // lines scrolled by one notch of the wheel
  static constexpr int kMinThumb = 8;

  // What a press on the scroll bar does.
  enum class BarPart { kNone, kLineUp, kLineDown, kPageUp, kPageDown, kThumb };

  ManualMemo();

  // The text, one line per CR LF (or LF).
  void SetText(std::string_view utf8);
  void SetFont(std::unique_ptr<gfx::Font> font) { font_ = std::move(font); }
  // The memo fills the whole client area and follows its size.
  void SetSize(int width, int height);

  int line_count() const { return static_cast<int>(lines_.size()); }
  const std::vector<std::string>& lines() const { return lines_; }
  int top_line() const { return top_; }
  int line_height() const;
  // Lines that fit whole on the page (at least 1).
  int page_lines() const;
  int max_top() const;

  // Scrolling; each keeps the first line within 0..max_top. True when it moved.
  bool ScrollTo(int top_line);
  bool ScrollBy(int lines) { return ScrollTo(top_ + lines); }
  bool Page(int direction) { return ScrollBy(direction * page_lines()); }

  gfx::Rect bar() const { return {width_ - kScrollBarWidth, 0, kScrollBarWidth, height_}; }
  gfx::Rect thumb() const;
  BarPart HitBar(int x, int y) const;
  // Dragging the thumb: where it was grabbed, then the pointer's y.
  void BeginThumbDrag(int y) { drag_from_y_ = y, drag_from_top_ = top_; }
  bool DragThumbTo(int y);

  // Draws the memo whole into dst (of the memo's size).
  void Draw(gfx::Bitmap& dst) const;

 private:
  int TrackLength() const;  // pixels the thumb can travel

  std::vector<std::string> lines_;
  std::unique_ptr<gfx::Font> font_;
  int width_ = 0;
  int height_ = 0;
  int top_ = 0;
  int drag_from_y_ = 0;
  int drag_from_top_ = 0;
};

}  // namespace tinto
