// The program entry on the desktop: the SDL backend runs the program.
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/tinto.h"
#include "app/version.h"
#include "platform/sdl/sdl_platform.h"

int main(int argc, char** argv) {
#ifdef __GLIBC__
  // Pictures of a megabyte or more get memory of their own from the system and give it
  // back when freed. By itself the allocator raises that bound to the largest block freed
  // so far: after the first movie strip every later one would come from the heap, which
  // keeps what was freed, and a strip larger than the hole of the last one would add to
  // it.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
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
