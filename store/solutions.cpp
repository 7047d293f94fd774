// The solutions list with its index: the first-match and replace-or-append rules, and its file.
#include "store/solutions.h"

#include <vector>

#include "model/field.h"
#include "store/line_reader.h"
#include "store/safe_file.h"
#include "store/solution_index.h"

namespace tq {

std::string SolutionsFile;

namespace {
constexpr size_t LayoutLength = SlotCount;
constexpr std::string_view LineEnd = "\r\n";

std::vector<SolutionEntry> SolutionList;
SolutionIndex Index;
// Set when the file was there but could not be read whole: writing the list back would
// replace every entry that was not read, so the file is left as it is.
bool FileUnread = false;

// Cuts a line into an entry by position: the first 26 bytes are the layout, the rest the solution.
SolutionEntry EntryFromLine(std::string_view line) {
  const size_t cut = line.size() < LayoutLength ? line.size() : LayoutLength;
  return SolutionEntry{std::string(line.substr(0, cut)), std::string(line.substr(cut))};
}

void AppendEntry(std::string_view layout, std::string_view solution) {
  SolutionList.push_back(SolutionEntry{std::string(layout), std::string(solution)});
  if (!solution.empty()) Index.Add(SolutionList, static_cast<uint32_t>(SolutionList.size() - 1));
}
}  // namespace

size_t SolutionCount() { return SolutionList.size(); }

const SolutionEntry& SolutionAt(size_t index) {
  static const SolutionEntry none;
  return index < SolutionList.size() ? SolutionList[index] : none;
}

void ClearSolutions() {
  SolutionList.clear();
  Index.Clear();
}

int32_t LoadSolutionsFromBytes(std::string_view bytes) {
  ClearSolutions();
  FileUnread = false;
  ForEachLine(bytes, [](std::string_view line) { SolutionList.push_back(EntryFromLine(line)); });
  Index.Build(SolutionList);
  return 0;
}

int32_t LoadSolutions() {
  std::string bytes;
  const int32_t read = ReadFileBytes(SolutionsFile, bytes);
  LoadSolutionsFromBytes(bytes);
  FileUnread = read < 0;
  return read;
}

std::string SolutionsToBytes() {
  size_t size = 0;
  for (const SolutionEntry& entry : SolutionList) size += entry.Layout.size() + entry.Solution.size() + LineEnd.size();
  std::string bytes;
  bytes.reserve(size);
  for (const SolutionEntry& entry : SolutionList) bytes.append(entry.Layout).append(entry.Solution).append(LineEnd);
  return bytes;
}

int32_t SaveSolutions() { return FileUnread ? 0 : WriteFileSafely(SolutionsFile, SolutionsToBytes()); }

// Only entries in the layout's chain can hold a longer text: all others of the layout are empty.
int32_t StoreSolution(std::string_view layout, std::string_view solution) {
  bool replaced = false;
  for (uint32_t i = Index.Head(SolutionList, layout); i != NoEntry; i = Index.Next(i)) {
    std::string& stored = SolutionList[i].Solution;
    if (stored.size() > solution.size()) {
      stored.assign(solution);
      replaced = true;
    }
  }
  if (!replaced) AppendEntry(layout, solution);
  return 0;
}

const std::string* FindSolution(std::string_view layout) {
  const uint32_t head = Index.Head(SolutionList, layout);
  if (head == NoEntry || SolutionList[head].Solution.empty()) return nullptr;
  return &SolutionList[head].Solution;
}

SolutionFilter CurrentSolutionFilter() { return Index.Filter(); }

void KeySolutionFilter(LayoutKey key) { Index.KeyFilter(SolutionList, key); }

std::string LookupSolution(std::string_view layout) {
  const std::string* solution = FindSolution(layout);
  return solution == nullptr ? std::string() : *solution;
}

}  // namespace tq
