// The list rules on the packed texts, and the list's text form.
#include "store/solution_table.h"

#include "model/field.h"
#include "store/line_reader.h"

namespace tq {

namespace {
constexpr size_t LayoutLength = SlotCount;
constexpr std::string_view LineEnd = "\r\n";
}  // namespace

std::string_view SolutionTable::LayoutAt(size_t index) const {
  return index < Count() ? texts_.Layout(static_cast<uint32_t>(index)) : std::string_view();
}

std::string_view SolutionTable::SolutionAt(size_t index) const {
  return index < Count() ? texts_.Solution(static_cast<uint32_t>(index)) : std::string_view();
}

void SolutionTable::Clear() {
  texts_.Clear();
  index_.Clear();
}

void SolutionTable::Release() {
  texts_.Release();
  index_.Release();
}

void SolutionTable::LoadBytes(std::string_view bytes) {
  Clear();
  // Counted first, so that the texts are allocated once and hold no room to spare.
  size_t lines = 0, characters = 0;
  ForEachLine(bytes, [&](std::string_view line) {
    ++lines;
    characters += line.size();
  });
  texts_.Reserve(lines, characters);
  ForEachLine(bytes, [this](std::string_view line) {
    const size_t cut = line.size() < LayoutLength ? line.size() : LayoutLength;
    texts_.Append(line.substr(0, cut), line.substr(cut));
  });
  index_.Build(texts_);
}

std::string SolutionTable::ToBytes() const {
  const auto count = static_cast<uint32_t>(Count());
  size_t size = 0;
  for (uint32_t i = 0; i < count; ++i) size += texts_.Layout(i).size() + texts_.Solution(i).size() + LineEnd.size();
  std::string bytes;
  bytes.reserve(size);
  for (uint32_t i = 0; i < count; ++i) bytes.append(texts_.Layout(i)).append(texts_.Solution(i)).append(LineEnd);
  return bytes;
}

void SolutionTable::Append(std::string_view layout, std::string_view solution) {
  texts_.Append(layout, solution);
  if (!solution.empty()) index_.Add(texts_, static_cast<uint32_t>(Count() - 1));
}

// Only entries in the layout's chain can hold a longer text: all others of the layout are empty.
void SolutionTable::Store(std::string_view layout, std::string_view solution) {
  bool replaced = false;
  for (uint32_t i = index_.Head(texts_, layout); i != NoEntry; i = index_.Next(i)) {
    if (texts_.Solution(i).size() > solution.size()) {
      texts_.Shorten(i, solution);
      replaced = true;
    }
  }
  if (!replaced) Append(layout, solution);
}

std::string_view SolutionTable::Find(std::string_view layout) const {
  const uint32_t head = index_.Head(texts_, layout);
  return head == NoEntry ? std::string_view() : texts_.Solution(head);
}

}  // namespace tq
