// The program entry: a second copy hands the focus to the running one and ends; the first
// creates its five windows and runs until the main window closes.
#include "app/tinto.h"

#include "app/application.h"

namespace tinto {

int RunTinto(Platform& platform) {
  if (platform.ActivateRunningCopy(kApplicationTitle)) return 0;
  platform.ClaimTitle(kApplicationTitle);
  Application app(platform);
  PlatformInspector* inspector = platform.inspector();
  if (inspector)
    inspector->SetSkinLookup([&app](std::string_view name) { return app.skin().Find(name); });
  app.CreateWindows();
  platform.RunMessageLoop();
  if (inspector) inspector->SetSkinLookup({});
  return 0;
}

}  // namespace tinto
