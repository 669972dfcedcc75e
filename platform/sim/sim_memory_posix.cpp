// Reads the heap in use (from the address sanitizer's allocator when it is built in,
// otherwise from glibc's mallinfo2) and the resident set from /proc/self/status.
#include <malloc.h>

#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/sim/sim_memory.h"

#if defined(__SANITIZE_ADDRESS__)
#define TINTO_SIM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TINTO_SIM_ASAN 1
#endif
#endif

#ifdef TINTO_SIM_ASAN
// From the sanitizer runtime's allocator interface (GCC installs no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace tinto::sim {

MemoryUse ReadMemoryUse() {
  MemoryUse use;
#ifdef TINTO_SIM_ASAN
  use.heap_bytes = __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  use.heap_bytes = info.uordblks + info.hblkhd;
#endif
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) {
      std::istringstream(line.substr(6)) >> use.rss_kb;
      break;
    }
  }
  return use;
}

}  // namespace tinto::sim
