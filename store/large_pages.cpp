// Large pages where the system offers them (transparent huge pages on Linux); the hint is
// only a hint, and the block is ordinary memory wherever it is not taken.
#include "store/large_pages.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tq {

namespace {
size_t RoundedUp(size_t bytes) { return (bytes + LargePageBytes - 1) / LargePageBytes * LargePageBytes; }
}  // namespace

void* AllocateLargePaged(size_t bytes) {
  if (bytes < LargePageBytes) return ::operator new(bytes);
  if (bytes > RoundedUp(bytes)) throw std::bad_alloc();  // rounding up wrapped around
  void* block = std::aligned_alloc(LargePageBytes, RoundedUp(bytes));
  if (block == nullptr) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  madvise(block, RoundedUp(bytes), MADV_HUGEPAGE);  // before the pages are touched
#endif
  return block;
}

void FreeLargePaged(void* block, size_t bytes) {
  if (bytes < LargePageBytes) {
    ::operator delete(block);
  } else {
    std::free(block);
  }
}

}  // namespace tq
