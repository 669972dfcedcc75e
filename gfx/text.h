// Text drawn into bitmaps with an installed font. Windows name their faces by their
// Japanese names ("ＭＳ Ｐゴシック" for the proportional face, "ＭＳ ゴシック" for the
// fixed-pitch one); fontconfig finds the closest Japanese face installed (the IPA Gothic
// family serves). Glyphs are drawn without smoothing, in one colour, on a transparent
// background, so that text on a skin keeps the skin's exact colours.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"

namespace tinto::gfx {

class Font {
 public:
  virtual ~Font() = default;

  // Opens the installed face closest to face_name at a cell height of pixel_height;
  // nothing when no usable font is installed.
  static std::unique_ptr<Font> Open(std::string_view face_name, int pixel_height);

  // The file that was chosen (for diagnostics).
  virtual std::string FilePath() const = 0;
  // Height of one line of text in pixels.
  virtual int LineHeight() const = 0;
  // Advance width of a UTF-8 text on one line.
  virtual int TextWidth(std::string_view utf8) const = 0;
  // True when the face has a glyph for every character of the text.
  virtual bool HasGlyphs(std::string_view utf8) const = 0;
  // Draws one line of UTF-8 text whose line cell has its top-left corner at `at`, clipped
  // to `clip` (and to the bitmap).
  virtual void DrawLine(Bitmap& dst, Point at, std::string_view utf8, Pixel colour,
                        Rect clip) const = 0;
  // Draws text broken into lines at each CR LF (or lone LF), one line cell below the
  // other, starting at the top-left of `box` and clipped to it; lines are not wrapped.
  void DrawLines(Bitmap& dst, Rect box, std::string_view utf8, Pixel colour) const;
};

}  // namespace tinto::gfx
