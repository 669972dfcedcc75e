// The password window.
#include "unlock/TintoPassU.h"

namespace tinto {

TTintoPassFM::TTintoPassFM(Application& app)
    : SkinnedDialog(app, {.name = "password",
                          .title = "Quiro EDIT - password",
                          .width = 780,
                          .height = 43,
                          .topmost = true}) {}

}  // namespace tinto
