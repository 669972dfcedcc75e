// The allocator's set-up for large blocks (glibc only).
#include "app/large_blocks.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tinto {

void GiveLargeBlocksBackToTheSystem() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

}  // namespace tinto
