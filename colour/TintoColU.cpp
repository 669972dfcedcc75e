// The colour picker window.
#include "colour/TintoColU.h"

namespace tinto {

TTintoColFM::TTintoColFM(Application& app)
    : SkinnedDialog(app, {.name = "picker",
                          .title = "Quiro EDIT - colour",
                          .width = 580,
                          .height = 285,
                          .topmost = true}) {}

}  // namespace tinto
