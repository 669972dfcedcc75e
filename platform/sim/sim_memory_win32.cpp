// Reads the simulator's memory use on Windows: the process's private bytes stand for the
// heap, the working set for the resident set.
#include <windows.h>
// psapi.h uses the types windows.h declares.
#include <psapi.h>

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
