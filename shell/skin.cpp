// Loading the skin bitmaps from the program's resources.
#include "shell/skin.h"

#include "gfx/bmp.h"
#include "resources/resources.h"

namespace tinto {

namespace {

gfx::Bitmap LoadSlot(const SkinSlotInfo& info) {
  const auto bytes = resources::Find("BMP", info.name);
  if (!bytes.empty()) {
    if (auto bitmap = gfx::DecodeBmp(bytes)) return std::move(*bitmap);
  }
  return gfx::Bitmap(info.width, info.height);
}

}  // namespace

void Skin::Load() {
  // BASE0..BASE7 into slots 0..7, COLPTN into slot 9, then VORTEL into slot 8.
  for (int slot = kBase0; slot <= kBase7; ++slot)
    slots_[static_cast<std::size_t>(slot)] = LoadSlot(kSkinSlots[static_cast<std::size_t>(slot)]);
  slots_[kColptn] = LoadSlot(kSkinSlots[kColptn]);
  slots_[kVortel] = LoadSlot(kSkinSlots[kVortel]);
}

void Skin::Free() {
  for (int slot = kBase0; slot <= kBase7; ++slot) slots_[static_cast<std::size_t>(slot)] = {};
  slots_[kColptn] = {};
  slots_[kVortel] = {};
}

const gfx::Bitmap* Skin::Find(std::string_view name) const {
  for (std::size_t i = 0; i < kSkinSlots.size(); ++i)
    if (kSkinSlots[i].name == name) return &slots_[i];
  return nullptr;
}

}  // namespace tinto
