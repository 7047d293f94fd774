// Appending to and shortening the packed texts of the solutions list.
#include "store/entry_texts.h"

#include <stdexcept>
#include <string>

namespace tq {

namespace {
constexpr uint64_t LargestOffset = (uint64_t{1} << 40) - 1;
constexpr size_t LargestCount = 0xFFFFFFFEu;  // the index numbers entries in 32 bits
}  // namespace

bool EntryTexts::InArena(std::string_view text) const {
  return !text.empty() && text.data() >= arena_.data() && text.data() < arena_.data() + arena_.size();
}

void EntryTexts::Append(std::string_view layout, std::string_view solution) {
  if (InArena(layout) || InArena(solution)) {
    // A text of this very list (a caller storing what it looked up): the arena may move.
    const std::string layoutCopy(layout), solutionCopy(solution);
    Append(layoutCopy, solutionCopy);
    return;
  }
  if (words_.size() >= LargestCount) throw std::length_error("too many solutions");
  const bool isLong = layout.size() >= ShortLayoutMask || solution.size() >= ShortSolutionMask;
  if (isLong) {
    const uint64_t lengths[2] = {layout.size(), solution.size()};
    const char* bytes = reinterpret_cast<const char*>(lengths);
    arena_.insert(arena_.end(), bytes, bytes + LongHeader);
  }
  const uint64_t offset = arena_.size();
  if (offset + layout.size() + solution.size() > LargestOffset) throw std::length_error("solutions too long");
  arena_.insert(arena_.end(), layout.begin(), layout.end());
  arena_.insert(arena_.end(), solution.begin(), solution.end());
  const uint64_t lengths = isLong ? (ShortLayoutMask << SolutionBits | ShortSolutionMask)
                                  : (uint64_t{layout.size()} << SolutionBits | solution.size());
  words_.push_back(offset << OffsetShift | lengths);
}

void EntryTexts::Shorten(uint32_t entry, std::string_view shorter) {
  uint64_t& word = words_[entry];
  char* text = arena_.data() + (word >> OffsetShift);
  const size_t layout = Layout(entry).size();
  std::memmove(text + layout, shorter.data(), shorter.size());
  if (((word >> SolutionBits) & ShortLayoutMask) == ShortLayoutMask) {
    const uint64_t length = shorter.size();
    std::memcpy(text - LongHeader + sizeof(uint64_t), &length, sizeof length);
  } else {
    word = (word & ~ShortSolutionMask) | shorter.size();
  }
}

void EntryTexts::Reserve(size_t entries, size_t textBytes) {
  words_.reserve(entries);
  arena_.reserve(textBytes);
}

// A list loaded anew reuses the memory: warm pages cost far less than fresh ones.
void EntryTexts::Clear() {
  words_.clear();
  arena_.clear();
}

void EntryTexts::Release() {
  std::vector<uint64_t>().swap(words_);
  std::vector<char>().swap(arena_);
}

}  // namespace tq
