// The skin bitmaps: ten slots filled from the program's "BMP" resources and read by every
// window. The two help pictures are decoded when first asked for (most sessions never
// show them: 1.3 MB kept for nothing); the others at start-up.
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

  gfx::Bitmap& operator[](int slot) { return Slot(slot); }
  const gfx::Bitmap& operator[](int slot) const { return Slot(slot); }
  // The slot holding the named bitmap, or nothing.
  const gfx::Bitmap* Find(std::string_view name) const;

 private:
  // The slot, decoded first if it waits for its first use.
  gfx::Bitmap& Slot(int slot) const;

  mutable std::array<gfx::Bitmap, kSkinSlotCount> slots_;
  mutable std::array<bool, kSkinSlotCount> waiting_{};  // decoded at its first use
};

}  // namespace tinto
