// The main window's three skins of one layout: BASE0 (normal look), BASE1 (pressed look,
// plus the digit glyph strip and the lamp cells) and BASE2 (alternate look), with the
// colour panels' blank halves in their hidden corners.
#pragma once

#include <span>

#include "app/main_hotspots.h"
#include "tools/skin/canvas.h"
#include "tools/skin/colour_pattern.h"

namespace tinto::skin {

struct MainSkins {
  Canvas base0;
  Canvas base1;
  Canvas base2;
};

// The pressed skin holds the pressed look of every row of the hotspot table given (the
// window's own table unless a test moves a row).
MainSkins DrawMainSkins(const ColourPattern& pattern,
                        std::span<const MainHotspot> hotspots = kMainHotspots);

}  // namespace tinto::skin
