// The program entry on the desktop: the SDL backend runs the program.
#include <cstdio>

#include "app/tinto.h"
#include "platform/sdl/sdl_platform.h"

int main(int argc, char** argv) {
  std::string error;
  std::unique_ptr<tinto::sdl::SdlPlatform> platform =
      tinto::sdl::SdlPlatform::Create(argc, argv, &error);
  if (platform == nullptr) {
    std::fprintf(stderr, "Quiro EDIT: no display to show the windows on (%s)\n", error.c_str());
    return 1;
  }
  return tinto::RunTinto(*platform);
}
