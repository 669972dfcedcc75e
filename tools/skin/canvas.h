// A palette-indexed picture: every pixel is an index into the palette of the skin bitmap
// it becomes. All drawing of the skin tool happens on canvases like this one.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/geometry.h"

namespace tinto::skin {

using Ink = std::uint8_t;  // a palette index

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Ink fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  gfx::Rect bounds() const { return {0, 0, width_, height_}; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Reading outside the canvas gives `outside`; writing outside is ignored.
  Ink At(int x, int y, Ink outside = 0) const {
    return Inside(x, y) ? pixels_[Index(x, y)] : outside;
  }
  void Set(int x, int y, Ink ink) {
    if (Inside(x, y)) pixels_[Index(x, y)] = ink;
  }
  const std::vector<Ink>& pixels() const { return pixels_; }

  friend bool operator==(const Canvas&, const Canvas&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<Ink> pixels_;
};

// A set of pixels on a canvas-sized grid: the shape of a button, a figure's silhouette.
class PixelMask {
 public:
  PixelMask() = default;
  PixelMask(int width, int height) : width_(width), height_(height), bits_(Count(), 0) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool Has(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[Index(x, y)] != 0;
  }
  void Put(int x, int y, bool on = true) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[Index(x, y)] = on ? 1 : 0;
  }
  int Area() const;

 private:
  std::size_t Count() const {
    return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  }
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bits_;
};

}  // namespace tinto::skin
