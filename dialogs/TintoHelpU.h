// The manual window: the user's guide in a scrollable text, opened with F1 or the mouse
// wheel from every other window.
#pragma once

#include "dialogs/skinned_dialog.h"

namespace tinto {

class TTintoHelpFM : public SkinnedDialog {
 public:
  explicit TTintoHelpFM(Application& app);
  void FormCreate() { CreateWindowAndBuffer(); }
  // Shows the manual modally; the manual's text and its window arrive in a later step,
  // until then nothing opens.
  void ShowManual() {}
};

}  // namespace tinto
