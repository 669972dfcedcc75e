// The program entry on the desktop: the SDL backend runs the program.
#include <cstdio>

#include "app/large_blocks.h"
#include "app/tinto.h"
#include "app/version.h"
#include "platform/sdl/sdl_platform.h"

int main(int argc, char** argv) {
  tinto::GiveLargeBlocksBackToTheSystem();
  // `tinto --version` answers on the command line before anything else: no display, no
  // window, no look for a running copy.
  if (tinto::AsksForVersion({argv + (argc > 0 ? 1 : 0), argv + argc})) {
    std::printf("%s\n", tinto::VersionLine().c_str());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  }
  std::string error;
  std::unique_ptr<tinto::sdl::SdlPlatform> platform =
      tinto::sdl::SdlPlatform::Create(argc, argv, &error);
  if (platform == nullptr) {
    std::fprintf(stderr, "Quiro EDIT: no display to show the windows on (%s)\n", error.c_str());
    return 1;
  }
  return tinto::RunTinto(*platform);
}
