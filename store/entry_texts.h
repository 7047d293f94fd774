// The texts of the solutions list, packed: every layout and solution in one byte arena, and
// one 8-byte word per entry that says where its texts are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace tq {

// Entries are numbered from 0 in list order. An entry costs its own characters and 8 bytes;
// a layout of 255 characters or more, or a solution of 65,535 or more, costs 16 bytes more.
// Not synchronised: one thread at a time may change it; readers may share an unchanging one.
class EntryTexts {
 public:
  size_t Count() const { return words_.size(); }

  std::string_view Layout(uint32_t entry) const {
    const uint64_t word = words_[entry];
    const char* text = TextOf(word);
    size_t length = (word >> SolutionBits) & ShortLayoutMask;
    if (length == ShortLayoutMask) length = LongLength(text, 0);
    return {text, length};
  }

  std::string_view Solution(uint32_t entry) const {
    const uint64_t word = words_[entry];
    const char* text = TextOf(word);
    size_t layout = (word >> SolutionBits) & ShortLayoutMask;
    size_t length = word & ShortSolutionMask;
    if (layout == ShortLayoutMask) {
      layout = LongLength(text, 0);
      length = LongLength(text, 1);
    }
    return {text + layout, length};
  }

  bool HasSolution(uint32_t entry) const { return Solution(entry).size() != 0; }

  // Appends an entry. Throws std::length_error past a terabyte of text or 2^32 - 1 entries.
  void Append(std::string_view layout, std::string_view solution);
  // Writes a shorter solution over the entry's own (shorter.size() < Solution(entry).size()).
  void Shorten(uint32_t entry, std::string_view shorter);
  // Room for this many entries and text bytes, so that a load allocates once.
  void Reserve(size_t entries, size_t textBytes);
  // Empties the texts and keeps their memory for the next load.
  void Clear();
  // Empties the texts and gives their memory back.
  void Release();
  // Memory held, for the measurements of what an entry costs.
  size_t HeldBytes() const { return words_.capacity() * sizeof(uint64_t) + arena_.capacity(); }

 private:
  // word = offset << 24 | layout length << 16 | solution length. A layout length of 255
  // marks a long entry, whose two lengths stand as 64-bit numbers just before its text.
  static constexpr int SolutionBits = 16;
  static constexpr int OffsetShift = 24;
  static constexpr uint64_t ShortLayoutMask = 0xFF;
  static constexpr uint64_t ShortSolutionMask = 0xFFFF;
  static constexpr size_t LongHeader = 2 * sizeof(uint64_t);

  bool InArena(std::string_view text) const;
  const char* TextOf(uint64_t word) const { return arena_.data() + (word >> OffsetShift); }
  static size_t LongLength(const char* text, int which) {
    uint64_t length;
    std::memcpy(&length, text - LongHeader + which * sizeof(uint64_t), sizeof length);
    return static_cast<size_t>(length);
  }

  std::vector<uint64_t> words_;
  std::vector<char> arena_;
};

}  // namespace tq
