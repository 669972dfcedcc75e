// The skinned dialog windows' shared behaviour.
#include "shell/skinned_dialog.h"

namespace tinto {

SkinnedDialog::SkinnedDialog(Services& services, WindowSpec spec)
    : app_(services),
      platform_(services.platform()),
      spec_(std::move(spec)),
      surface_(services.platform()) {}

SkinnedDialog::~SkinnedDialog() {
  if (window_ != 0) platform_.DestroyWindow(window_);
}

void SkinnedDialog::CreateWindowAndBuffer() {
  window_ = platform_.CreateWindow(spec_, this);
  surface_.Attach(window_);
  surface_.Create(spec_.width, spec_.height);
}

int SkinnedDialog::ShowCentredModal() {
  const gfx::Size screen = platform_.ScreenSize();
  platform_.MoveWindow(window_,
                       {(screen.width - spec_.width) / 2, (screen.height - spec_.height) / 2});
  drag_.End();
  return platform_.RunModal(window_);
}

void SkinnedDialog::EndModal(int result) {
  platform_.EndModal(window_, result);
}

}  // namespace tinto
