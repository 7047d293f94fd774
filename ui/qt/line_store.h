// Compact storage for many short text lines: one character buffer and one offset per line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// Lines in the order added, at most `capacity` of them; adding to a full store first
// drops the oldest line. Dropping is cheap: the dead front is compacted away now and then.
class LineStore {
 public:
  explicit LineStore(size_t capacity) : capacity_(capacity) {}

  void Append(std::string_view text);
  // Removes the `count` oldest lines (all of them when count >= Size()).
  void DropOldest(size_t count);
  void Clear();

  size_t Size() const { return starts_.size() - first_; }
  size_t Capacity() const { return capacity_; }
  std::string_view Line(size_t index) const;

 private:
  void Compact();

  size_t capacity_;
  std::string chars_;
  // Start of every line in chars_, including dropped ones before first_.
  std::vector<uint64_t> starts_;
  size_t first_ = 0;
};

}  // namespace tq
