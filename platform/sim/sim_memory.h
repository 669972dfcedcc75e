// The simulator's own memory use, for long runs that watch for growth: the bytes the
// heap holds now and the resident set of the process.
#pragma once

#include <cstdint>

namespace tinto::sim {

struct MemoryUse {
  std::uint64_t heap_bytes = 0;  // allocated and not yet freed
  std::uint64_t rss_kb = 0;      // VmRSS of the process
};

MemoryUse ReadMemoryUse();

}  // namespace tinto::sim
