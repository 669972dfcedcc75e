// The skin bitmaps: ten slots filled once at start-up from the program's "BMP" resources
// and read by every window.
#pragma once

#include <array>
#include <string_view>

#include "gfx/bitmap.h"

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

struct SkinSlotInfo {
  std::string_view name;
  int width;
  int height;
};

inline constexpr std::array<SkinSlotInfo, 10> kSkinSlots = {{
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
}};

class Skin {
 public:
  // Decodes the ten resources in the order the main window loads them (BASE0..BASE7,
  // COLPTN, then VORTEL). A resource that is missing or cannot be decoded leaves a black
  // bitmap of the slot's size, so the windows still work.
  void Load();
  // Releases every slot (the main window's destruction).
  void Free();

  gfx::Bitmap& operator[](int slot) { return slots_[static_cast<std::size_t>(slot)]; }
  const gfx::Bitmap& operator[](int slot) const { return slots_[static_cast<std::size_t>(slot)]; }
  // The slot holding the named bitmap, or nothing.
  const gfx::Bitmap* Find(std::string_view name) const;

 private:
  std::array<gfx::Bitmap, 10> slots_;
};

}  // namespace tinto
