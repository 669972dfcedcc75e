// Japanese captions drawn with an installed font and quantised to one palette index.
#include "tools/skin/label_font.h"

#include "gfx/bitmap.h"

namespace tinto::skin {

LabelFont::LabelFont(std::string_view face_name, int pixel_height)
    : font_(gfx::Font::Open(face_name, pixel_height)), pixel_height_(pixel_height) {}

int LabelFont::LineHeight() const {
  return font_ ? font_->LineHeight() : pixel_height_;
}

int LabelFont::Width(std::string_view utf8) const {
  return font_ ? font_->TextWidth(utf8) : 0;
}

void LabelFont::Draw(Canvas& c, gfx::Point at, std::string_view utf8, Ink ink) const {
  if (!font_) return;
  const int w = font_->TextWidth(utf8);
  const int h = font_->LineHeight();
  if (w <= 0 || h <= 0) return;
  // The glyphs are drawn in one colour without smoothing: every lit pixel is text.
  gfx::Bitmap scratch(w, h, 0);
  font_->DrawLine(scratch, {0, 0}, utf8, 0xFFFFFF, scratch.bounds());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (scratch.at(x, y) != 0) c.Set(at.x + x, at.y + y, ink);
    }
  }
}

}  // namespace tinto::skin
