// Resources built into the program: the skin bitmaps (type "BMP"), the wallpapers of its
// own (type "JPG") and the manual's text (type "TXT", Shift-JIS), looked up by type and name as the
// program's module holds them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tinto::resources {

// The raw bytes of a resource, or an empty span when there is none of that type and name.
std::span<const std::uint8_t> Find(std::string_view type, std::string_view name);

}  // namespace tinto::resources
