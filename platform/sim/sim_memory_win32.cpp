// Reads the simulator's memory use on Windows: the process's private bytes stand for the
// heap, the working set for the resident set.
// psapi.h needs the types of windows.h, so the order stays as written.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

#include "platform/sim/sim_memory.h"

namespace tinto::sim {

MemoryUse ReadMemoryUse() {
  MemoryUse use;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
    use.heap_bytes = counters.PagefileUsage;  // the committed private bytes
    use.rss_kb = counters.WorkingSetSize / 1024;
  }
  return use;
}

}  // namespace tinto::sim
