// Feeds any bytes to the solutions loader and checks the list, its index and its saved form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "store/solutions.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

std::vector<tq::SolutionEntry> Listed() {
  std::vector<tq::SolutionEntry> entries;
  for (size_t i = 0; i < tq::SolutionCount(); ++i) entries.push_back(tq::SolutionAt(i));
  return entries;
}

bool Same(const std::vector<tq::SolutionEntry>& a, const std::vector<tq::SolutionEntry>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].Layout != b[i].Layout || a[i].Solution != b[i].Solution) return false;
  }
  return true;
}

// The saved form written without the line reader: every line end, whatever it was, as CR LF.
std::string WithCrLfLineEnds(std::string_view bytes) {
  std::string out;
  size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i++];
    if (c != '\n' && c != '\r' && c != '\0') {
      out += c;
      if (i < bytes.size()) continue;
    } else if (c == '\r' && i < bytes.size() && bytes[i] == '\n') {
      ++i;
    }
    out += "\r\n";
  }
  return out;
}

// Every entry has the shape a line gives, and every layout answers with its first solution.
void CheckEntries(const std::vector<tq::SolutionEntry>& entries) {
  std::map<std::string, std::string> first;
  for (const tq::SolutionEntry& entry : entries) {
    const std::string text = entry.Layout + entry.Solution;
    Require(text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    Require(entry.Layout.size() == 26 || (entry.Layout.size() < 26 && entry.Solution.empty()));
    if (!entry.Solution.empty()) first.emplace(entry.Layout, entry.Solution);
  }
  for (const tq::SolutionEntry& entry : entries) {
    const auto known = first.find(entry.Layout);
    const std::string_view found = tq::FindSolution(entry.Layout);
    Require(known == first.end() ? found.empty() : found == known->second);
  }
}

// A few stores with shorter and longer texts, held against a plain walk of the list.
void CheckStores(std::vector<tq::SolutionEntry> walked) {
  const size_t stores = walked.size() < 8 ? walked.size() : 8;
  for (size_t k = 0; k < stores; ++k) {
    const std::string layout = walked[k].Layout;
    const std::string solution = walked[k].Solution.substr(0, walked[k].Solution.size() / 2);
    bool replaced = false;
    for (tq::SolutionEntry& entry : walked) {
      if (entry.Layout == layout && entry.Solution.size() > solution.size()) entry.Solution = solution, replaced = true;
    }
    if (!replaced) walked.push_back({layout, solution});
    tq::StoreSolution(layout, solution);
  }
  Require(Same(Listed(), walked));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tq::LoadSolutionsFromBytes(bytes);
  const std::vector<tq::SolutionEntry> loaded = Listed();
  const std::string saved = tq::SolutionsToBytes();
  Require(saved == WithCrLfLineEnds(bytes));
  CheckEntries(loaded);

  tq::LoadSolutionsFromBytes(saved);
  Require(Same(Listed(), loaded));
  Require(tq::SolutionsToBytes() == saved);
  CheckStores(loaded);
  return 0;
}
