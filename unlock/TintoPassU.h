// The password window: a narrow strip where the tournament passwords are typed.
#pragma once

#include "dialogs/skinned_dialog.h"

namespace tinto {

class TTintoPassFM : public SkinnedDialog {
 public:
  explicit TTintoPassFM(Application& app);
  void FormCreate() { CreateWindowAndBuffer(); }
};

}  // namespace tinto
