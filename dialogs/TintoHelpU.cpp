// The manual window.
#include "dialogs/TintoHelpU.h"

namespace tinto {

TTintoHelpFM::TTintoHelpFM(Application& app)
    : SkinnedDialog(app, {.name = "manual",
                          .title = "QUIRO EDIT MANUAL",
                          .width = 452,
                          .height = 528,
                          .resizable = true}) {}

}  // namespace tinto
