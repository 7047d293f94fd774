// The large-page blocks behind the solutions filter: any size holds what is written to it,
// and every block goes back the way it came (the sanitizer build checks the pairing).
#include "store/large_pages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tq {
namespace {

TEST(LargePagesTest, BlocksOfEverySizeHoldTheirWords) {
  for (size_t words : {size_t{1}, size_t{1000}, LargePageBytes / 8 - 1, LargePageBytes / 8, LargePageBytes / 8 * 3 + 5}) {
    std::vector<uint64_t, LargePageAllocator<uint64_t>> table(words);
    for (size_t i = 0; i < words; ++i) table[i] = i * 0x9E3779B97F4A7C15ull;
    table.resize(words * 2);  // moves to a block of the other kind for the sizes near the line
    for (size_t i = 0; i < words; ++i) ASSERT_EQ(table[i], i * 0x9E3779B97F4A7C15ull) << words;
    if (table.size() * 8 >= LargePageBytes) {
      EXPECT_EQ(reinterpret_cast<uintptr_t>(table.data()) % LargePageBytes, 0u) << "a large block starts on a page";
    }
  }
}

TEST(LargePagesTest, ASizeNoBlockCanHaveIsRefused) {
  LargePageAllocator<uint64_t> allocator;
  EXPECT_THROW(allocator.allocate(~size_t{0} / 8), std::bad_alloc);
}

}  // namespace
}  // namespace tq
