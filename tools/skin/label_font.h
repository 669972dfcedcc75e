// Japanese captions drawn with an installed font through the program's own text drawing,
// then quantised to one palette index. Without a usable font every call draws nothing,
// so the skins are still made (without their captions).
#pragma once

#include <memory>
#include <string_view>

#include "gfx/geometry.h"
#include "gfx/text.h"
#include "tools/skin/canvas.h"

namespace tinto::skin {

class LabelFont {
 public:
  LabelFont(std::string_view face_name, int pixel_height);

  bool available() const { return font_ != nullptr; }
  int LineHeight() const;
  int Width(std::string_view utf8) const;  // 0 without a font

  // One line of text whose line cell has its top-left corner at `at`.
  void Draw(Canvas& c, gfx::Point at, std::string_view utf8, Ink ink) const;

 private:
  std::unique_ptr<gfx::Font> font_;
  int pixel_height_;
};

}  // namespace tinto::skin
