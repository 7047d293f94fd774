// One solutions list with its index: the first-match and replace-or-append rules, and the
// list's text form. The process-wide list of store/solutions.h is one of these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/entry_texts.h"
#include "store/solution_filter.h"
#include "store/solution_index.h"

namespace tq {

// An ordered list of (layout, solution) entries. Texts are copied in; the views it gives
// stay valid until the list next changes. Not synchronised: one thread at a time may change
// it; readers may share an unchanging one.
class SolutionTable {
 public:
  size_t Count() const { return texts_.Count(); }
  // An index out of range gives two empty texts.
  std::string_view LayoutAt(size_t index) const;
  std::string_view SolutionAt(size_t index) const;

  // Empties the list; Clear keeps its memory for the next load, Release gives it back.
  void Clear();
  void Release();
  // Empties the list and reads bytes as the content of a solutions file, one entry per line:
  // the first 26 bytes of a line are the layout, the rest the solution.
  void LoadBytes(std::string_view bytes);
  // The list as the solutions file holds it: layout, solution and CR LF for every entry.
  std::string ToBytes() const;

  // Replaces every longer solution of the layout in place, or appends a new entry.
  void Store(std::string_view layout, std::string_view solution);
  // The first non-empty solution stored for the layout; empty when there is none.
  std::string_view Find(std::string_view layout) const;

  // The filter in front of Find (store/solution_filter.h), keyed by HashLayout unless
  // KeyFilter chose another key.
  SolutionFilter Filter() const { return index_.Filter(); }
  void KeyFilter(LayoutKey key) { index_.KeyFilter(texts_, key); }

  // Memory held by the texts and the index, for measuring what an entry costs.
  size_t HeldBytes() const { return texts_.HeldBytes() + index_.HeldBytes(); }

 private:
  void Append(std::string_view layout, std::string_view solution);

  EntryTexts texts_;
  SolutionIndex index_;
};

}  // namespace tq
