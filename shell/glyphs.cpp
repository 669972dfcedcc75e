// Glyph-strip number drawing.
#include "shell/glyphs.h"

#include <string>

#include "shell/pad.h"

namespace tinto {

namespace {

template <typename Draw>
void ForEachDigit(const GlyphStrip& s, Draw draw) {
  const std::string text = ZeroPad(s.digits, s.value);
  for (int i = 0; i < s.digits; ++i) {
    const int d = text[static_cast<std::size_t>(i)] - '0';
    draw(gfx::Rect{s.strip_x + d * s.pitch, s.strip_y, s.glyph_width, s.glyph_height},
         gfx::Point{s.dest_x + i * s.pitch, s.dest_y});
  }
}

}  // namespace

void DrawGlyphs(WindowSurface& target, const gfx::Bitmap& source, const GlyphStrip& strip) {
  ForEachDigit(strip,
               [&](gfx::Rect src, gfx::Point dst) { gfx::Blit(target.back(), dst, source, src); });
  ForEachDigit(strip, [&](gfx::Rect src, gfx::Point dst) {
    target.Present({dst.x, dst.y, src.width, src.height});
  });
}

void DrawGlyph(WindowSurface& target, const gfx::Bitmap& source, const GlyphStrip& strip) {
  const gfx::Rect src{strip.strip_x + strip.value * strip.pitch, strip.strip_y, strip.glyph_width,
                      strip.glyph_height};
  target.Copy(source, src, {strip.dest_x, strip.dest_y});
}

}  // namespace tinto
