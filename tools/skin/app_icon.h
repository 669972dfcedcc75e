// The program's icon: the skin's hexagon in its violet and pink, with a pink heart-shaped
// "Q" for the heroine, drawn at every size Windows asks for (16, 32, 48 and 256 pixels) and
// written as one .ico file for the resource script.
#pragma once

#include <cstdint>
#include <vector>

namespace tinto::skin {

// One square picture of the icon, 32-bit BGRA rows from the top, alpha straight.
std::vector<std::uint8_t> DrawAppIconPixels(int size);

// The whole .ico file: one 32-bit entry for each size, each with its transparency mask.
std::vector<std::uint8_t> EncodeAppIcon();

}  // namespace tinto::skin
