// The colour picker window: chooses the colour of one part of one colour variant.
#pragma once

#include "dialogs/skinned_dialog.h"

namespace tinto {

class TTintoColFM : public SkinnedDialog {
 public:
  explicit TTintoColFM(Application& app);
  void FormCreate() { CreateWindowAndBuffer(); }
  // Opens the picker for part p of variant v; the picker's window arrives in a later step,
  // until then the variant keeps its colours.
  void ShowColourPicker(int /*v*/, int /*p*/) {}
};

}  // namespace tinto
