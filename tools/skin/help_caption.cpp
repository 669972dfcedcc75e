// Checked captions of the help pictures.
#include "tools/skin/help_caption.h"

#include "tools/skin/draw.h"

namespace tinto::skin {

void DrawCaption(Canvas& c, const Canvas& others, const LabelFont& font, gfx::Point at,
                 std::string_view text, const PixelMask& inside, Ink paper, Ink line,
                 std::vector<std::string>* faults) {
  Canvas drawn(c.width(), c.height(), paper);
  font.Draw(drawn, at, text, line);
  PixelMask letters(c.width(), c.height());
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) letters.Put(x, y, drawn.At(x, y) == line);
  }
  const PixelMask margin = Grown(letters);
  bool crossed = false, cut = false;
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      if (!margin.Has(x, y)) continue;
      crossed |= others.At(x, y) == line;
      cut |= !inside.Has(x, y);
    }
  }
  if (faults != nullptr && (crossed || cut))
    faults->push_back(std::string(text) + (crossed ? " crossed by a line" : " cut by the shape"));
  Fill(c, margin, paper);
  Fill(c, letters, line);
}

}  // namespace tinto::skin
