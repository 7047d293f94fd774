// A big block of zeroed memory that asks the system for large pages, since the table is read
// at random all over and each read would otherwise need a page of its own in the address cache.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tq::optimal {

class LargeBlock {
 public:
  // Throws std::bad_alloc when the memory cannot be had.
  explicit LargeBlock(size_t bytes);
  ~LargeBlock();
  LargeBlock(const LargeBlock&) = delete;
  LargeBlock& operator=(const LargeBlock&) = delete;

  uint8_t* Bytes() const { return bytes_; }

 private:
  uint8_t* bytes_;
  [[maybe_unused]] size_t mapped_;  // what the mapping spans; the heap's block needs no record
};

}  // namespace tq::optimal
