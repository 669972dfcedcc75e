// The skin's slots: the ten "BMP" resources every window draws from, by name and size, in
// slot order.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tinto {

enum SkinSlot : int {
  kBase0 = 0,   // main window, normal look; the back buffer starts as a copy of it
  kBase1 = 1,   // main window, pressed look; digit glyph strip
  kBase2 = 2,   // main window, alternate look
  kBase3 = 3,   // message window
  kBase4 = 4,   // colour picker window
  kBase5 = 5,   // main window help picture
  kBase6 = 6,   // colour picker help picture
  kBase7 = 7,   // password window
  kVortel = 8,  // logo of the viewer's placeholder
  kColptn = 9,  // colour pattern of the character previews
};
inline constexpr std::size_t kSkinSlotCount = kColptn + 1;

struct SkinSlotInfo {
  std::string_view name;
  int width;
  int height;
};

inline constexpr auto kSkinSlots = std::to_array<SkinSlotInfo>({
    {"BASE0", 414, 410},
    {"BASE1", 414, 410},
    {"BASE2", 414, 410},
    {"BASE3", 447, 162},
    {"BASE4", 580, 285},
    {"BASE5", 414, 410},
    {"BASE6", 580, 285},
    {"BASE7", 780, 57},
    {"VORTEL", 127, 145},
    {"COLPTN", 243, 189},
});
static_assert(kSkinSlots.size() == kSkinSlotCount, "one row of kSkinSlots per skin slot");

}  // namespace tinto
