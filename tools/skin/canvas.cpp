// Construction of canvases and pixel masks.
#include "tools/skin/canvas.h"

namespace tinto::skin {

Canvas::Canvas(int width, int height, Ink fill)
    : width_(width < 0 ? 0 : width),
      height_(height < 0 ? 0 : height),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

int PixelMask::Area() const {
  int n = 0;
  for (std::uint8_t b : bits_) n += b;
  return n;
}

}  // namespace tinto::skin
