// Writes the first-paint marker (see paint_mark.h).
#include "platform/paint_mark.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace tinto {

void MarkFirstPaint() {
  static bool marked = false;
  if (marked) return;
  marked = true;
  const char* path = std::getenv("TINTO_FIRST_PAINT_FILE");
  if (path == nullptr || *path == '\0') return;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  if (std::FILE* f = std::fopen(path, "wb"); f != nullptr) {
    std::fprintf(f, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fclose(f);
  }
}

}  // namespace tinto
