// What the allocator does with large blocks once main() has tuned it.
#include "platform/memory_use.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "resident_pages.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace morvadel {
namespace {

using test::ResidentPages;

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
// A block the compiler may not leave out, touched as a picture is.
void* Block(size_t bytes) {
  void* p = std::malloc(bytes);
  std::memset(p, 1, bytes);
  asm volatile("" : : "r"(p) : "memory");
  return p;
}

size_t MappedBytes() { return mallinfo2().hblkhd; }
#endif

// After the buffers of one printed page were freed, the pictures of the
// next page are still mapped for themselves and go back when freed; blocks
// of a window's size stay in the heap.
TEST(MemoryUse, PicturesOfEveryPrintGoBackToTheSystem) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the C library's allocator is not the one in use";
#else
  TuneMemoryReturn();
  std::free(Block(16 << 20));  // the PDF writer's buffer of a page
  const size_t before = MappedBytes();
  void* picture = Block(6 << 20);
  EXPECT_GE(MappedBytes(), before + (6 << 20));
  std::free(picture);
  EXPECT_EQ(MappedBytes(), before);
  void* window = Block(1 << 20);
  EXPECT_EQ(MappedBytes(), before);
  std::free(window);
#endif
}

// Blocks freed amid blocks still in use (a closed dialog's) go back to the
// system when asked; until then the heap keeps them resident.
TEST(MemoryUse, FreedRoomAmidTheHeapGoesBackToTheSystem) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the C library's allocator is not the one in use";
#else
  TuneMemoryReturn();
  constexpr size_t kBlock = 2 << 20;  // a window's image: from the heap
  void* image = Block(kBlock);
  const auto at = reinterpret_cast<uintptr_t>(image);
  void* stays = Block(256 << 10);
  std::free(image);
  EXPECT_GT(ResidentPages(at, kBlock), 0u);
  ReturnFreeMemory();
  EXPECT_EQ(ResidentPages(at, kBlock), 0u);
  std::free(stays);
#endif
}

}  // namespace
}  // namespace morvadel
