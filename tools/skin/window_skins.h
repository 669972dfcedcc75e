// The skins of the other windows and pictures: the message window (BASE3), the colour
// picker and its help picture (BASE4, BASE6), the main window's help picture (BASE5), the
// password window (BASE7) and the viewer's logo (VORTEL).
#pragma once

#include <string>
#include <vector>

#include "tools/skin/bmp_writer.h"
#include "tools/skin/canvas.h"
#include "tools/skin/colour_pattern.h"
#include "tools/skin/label_font.h"

namespace tinto::skin {

struct IndexedPicture {
  Canvas canvas;
  Palette palette;
};

IndexedPicture DrawMessageSkin(const ColourPattern& pattern);  // 447 x 162, 256 colours
// A caption that a line crosses or a cell's edge cuts is named in *faults.
Canvas DrawMainHelp(const LabelFont& font,
                    std::vector<std::string>* faults);  // 414 x 410, black on white
Canvas DrawPickerSkin();                                // 580 x 285, main inks
// 580 x 285, black on white; a caption crossed by a line or cut by the window's shape is
// reported in *faults.
Canvas DrawPickerHelp(const LabelFont& font, std::vector<std::string>* faults);
Canvas DrawPasswordSkin();  // 780 x 57, main inks
IndexedPicture DrawLogo();  // 127 x 145, 16 colours

}  // namespace tinto::skin
