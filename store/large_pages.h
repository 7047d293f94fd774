// Memory for a table that is read at random all over, such as the solutions filter: big
// blocks ask the system for large pages, so that each read does not need a page of its own
// in the processor's address cache.
#pragma once

#include <cstddef>

namespace tq {

// Bytes from which a block is worth large pages: one large page.
inline constexpr size_t LargePageBytes = size_t{2} << 20;

// Like ::operator new and delete; `bytes` must be the same for both.
void* AllocateLargePaged(size_t bytes);
void FreeLargePaged(void* block, size_t bytes);

template <typename T>
struct LargePageAllocator {
  using value_type = T;
  LargePageAllocator() = default;
  template <typename U>
  LargePageAllocator(const LargePageAllocator<U>&) {}

  T* allocate(size_t n) { return static_cast<T*>(AllocateLargePaged(n * sizeof(T))); }
  void deallocate(T* p, size_t n) { FreeLargePaged(p, n * sizeof(T)); }
  friend bool operator==(const LargePageAllocator&, const LargePageAllocator&) { return true; }
};

}  // namespace tq
