// Drawing text of several lines with any font (Font::Open is the platform's: FreeType
// in freetype_font_posix.cpp, GDI in gdi_font_win32.cpp).
#include "gfx/text.h"

#include <cstdint>

namespace tinto::gfx {

void Font::DrawLines(Bitmap& dst, Rect box, std::string_view utf8, Pixel colour) const {
  const int step = LineHeight();
  std::int64_t top = box.top;
  std::size_t start = 0;
  while (start <= utf8.size() && top < box.bottom()) {
    const std::size_t lf = utf8.find('\n', start);
    const std::size_t end = lf == std::string_view::npos ? utf8.size() : lf;
    std::string_view line = utf8.substr(start, end - start);
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);  // the CR of a CR LF
    }
    DrawLine(dst, {box.left, static_cast<int>(top)}, line, colour, box);
    if (lf == std::string_view::npos) break;
    start = lf + 1;
    top += step;
  }
}

}  // namespace tinto::gfx
