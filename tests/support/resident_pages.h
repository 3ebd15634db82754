#pragma once
// Whether memory the program freed is still held by it or back with the
// system: the pages of a block that are resident.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvadel::test {

// Pages of the bytes from an address that are resident, the first and last
// page left out (the allocator keeps its own words there); bytes no longer
// mapped have none.
inline size_t ResidentPages(uintptr_t from, size_t bytes) {
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const uintptr_t begin = (from / page + 2) * page;
  const uintptr_t end = ((from + bytes) / page - 1) * page;
  if (end <= begin) return 0;
  std::vector<unsigned char> in((end - begin) / page);
  if (::mincore(reinterpret_cast<void*>(begin), end - begin, in.data()) != 0) return 0;
  size_t n = 0;
  for (unsigned char c : in) n += c & 1;
  return n;
}

}  // namespace morvadel::test
