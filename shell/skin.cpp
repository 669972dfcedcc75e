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

// The help pictures of the main window and of the colour picker.
bool IsHelpPicture(int slot) {
  return slot == kBase5 || slot == kBase6;
}

}  // namespace

void Skin::Load() {
  // BASE0..BASE7 into slots 0..7, COLPTN into slot 9, then VORTEL into slot 8.
  for (int slot = kBase0; slot <= kBase7; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    waiting_[i] = IsHelpPicture(slot);
    slots_[i] = waiting_[i] ? gfx::Bitmap() : LoadSlot(kSkinSlots[i]);
  }
  slots_[kColptn] = LoadSlot(kSkinSlots[kColptn]);
  slots_[kVortel] = LoadSlot(kSkinSlots[kVortel]);
}

void Skin::Free() {
  waiting_ = {};
  for (int slot = kBase0; slot <= kBase7; ++slot) slots_[static_cast<std::size_t>(slot)] = {};
  slots_[kColptn] = {};
  slots_[kVortel] = {};
}

gfx::Bitmap& Skin::Slot(int slot) const {
  const auto i = static_cast<std::size_t>(slot);
  if (waiting_[i]) {
    waiting_[i] = false;
    slots_[i] = LoadSlot(kSkinSlots[i]);
  }
  return slots_[i];
}

const gfx::Bitmap* Skin::Find(std::string_view name) const {
  for (std::size_t i = 0; i < kSkinSlots.size(); ++i)
    if (kSkinSlots[i].name == name) return &Slot(static_cast<int>(i));
  return nullptr;
}

}  // namespace tinto
