// Compact line storage for the result list.
#include "ui/qt/line_store.h"

namespace tq {

void LineStore::Append(std::string_view text) {
  if (capacity_ == 0) return;
  if (Size() == capacity_) DropOldest(1);
  starts_.push_back(chars_.size());
  chars_.append(text);
}

void LineStore::DropOldest(size_t count) {
  if (count >= Size()) {
    Clear();
    return;
  }
  first_ += count;
  // Compacting only once the dead front outweighs the live part keeps a drop O(1) on average.
  if (first_ > 4096 && first_ > Size()) Compact();
}

void LineStore::Clear() {
  chars_.clear();
  starts_.clear();
  first_ = 0;
}

std::string_view LineStore::Line(size_t index) const {
  const size_t at = first_ + index;
  const uint64_t begin = starts_[at];
  const uint64_t end = at + 1 < starts_.size() ? starts_[at + 1] : chars_.size();
  return std::string_view(chars_).substr(begin, end - begin);
}

void LineStore::Compact() {
  const uint64_t dead = starts_[first_];
  chars_.erase(0, dead);
  starts_.erase(starts_.begin(), starts_.begin() + static_cast<std::ptrdiff_t>(first_));
  for (uint64_t& start : starts_) start -= dead;
  first_ = 0;
}

}  // namespace tq
