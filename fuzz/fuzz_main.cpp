// The libFuzzer driver: one program for every target, the target named by the environment
// variable TINTO_FUZZ_TARGET (a name from kTargets).
//
// Built without sanitizers (TINTO_FUZZ_PEAK_MB set), it checks after every input that the
// process has never held more than that many megabytes: the kernel's high-water mark
// catches a short peak that libFuzzer's once-a-second look at the memory would miss.
#include <sys/resource.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_entries.h"

namespace {

tinto::fuzz::Entry chosen = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* name = std::getenv("TINTO_FUZZ_TARGET");
  for (const tinto::fuzz::Target& target : tinto::fuzz::kTargets)
    if (name && target.name == name) chosen = target.entry;
  if (!chosen) {
    std::fprintf(stderr, "tinto-fuzz: set TINTO_FUZZ_TARGET to one of:");
    for (const tinto::fuzz::Target& target : tinto::fuzz::kTargets)
      std::fprintf(stderr, " %.*s", static_cast<int>(target.name.size()), target.name.data());
    std::fprintf(stderr, "\n");
    std::exit(2);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  chosen({data, size});
#ifdef TINTO_FUZZ_PEAK_MB
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  if (usage.ru_maxrss > long{TINTO_FUZZ_PEAK_MB} * 1024) {
    std::fprintf(stderr, "tinto-fuzz: peak memory %ld kB passed %d MB\n", usage.ru_maxrss,
                 TINTO_FUZZ_PEAK_MB);
    std::abort();
  }
#endif
  return 0;
}
