// The skin bitmaps: ten slots filled once at start-up from the program's "BMP" resources
// and read by every window.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "gfx/bitmap.h"
#include "resources/skin_slots.h"

namespace tinto {

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
  std::array<gfx::Bitmap, kSkinSlotCount> slots_;
};

}  // namespace tinto
