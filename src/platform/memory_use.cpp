#include "platform/memory_use.h"

#include <cstdlib>  // names the C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace morvadel {

void TuneMemoryReturn() {
#if defined(__GLIBC__)
  constexpr int kOwnMappingFrom = 4 << 20;
  // Set together: setting either keeps both from following the blocks freed.
  mallopt(M_MMAP_THRESHOLD, kOwnMappingFrom);
  mallopt(M_TRIM_THRESHOLD, 2 * kOwnMappingFrom);
#endif
}

void ReturnFreeMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace morvadel
