// How the program entries set up the C library's allocator.
#pragma once

namespace tinto {

// Pictures of a megabyte or more get memory of their own from the system and give it
// back when freed. By itself the allocator raises that bound to the largest block freed
// so far: after the first movie strip every later one would come from the heap, which
// keeps what was freed, and a strip larger than the hole of the last one would add to it.
// Nothing to do where the C library is not glibc.
void GiveLargeBlocksBackToTheSystem();

}  // namespace tinto
