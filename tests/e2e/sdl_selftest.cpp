// The desktop backend on SDL2 and X11 on its own, for its end-to-end test.
//   sdl_selftest TITLE [--wave FILE] [--music FILE]
// (see backend_selftest.cpp for what it shows and logs).
#include <cstdio>
#include <string>

#include "platform/sdl/sdl_platform.h"
#include "tests/e2e/backend_selftest.h"

int main(int argc, char** argv) {
  std::string error;
  auto platform = tinto::sdl::SdlPlatform::Create(argc, argv, &error);
  if (!platform) {
    std::printf("no display: %s\n", error.c_str());
    return 1;
  }
  return RunBackendSelftest(*platform, argc, argv);
}
