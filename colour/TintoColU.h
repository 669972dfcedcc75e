// The colour picker window: chooses the colour of one part of one colour variant.
#pragma once

#include "dialogs/skinned_dialog.h"

namespace tinto {

class TTintoColFM : public SkinnedDialog {
 public:
  explicit TTintoColFM(Application& app);
  void FormCreate() { CreateWindowAndBuffer(); }
};

}  // namespace tinto
