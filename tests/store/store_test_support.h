// Shared helpers for the store tests: the list as plain pairs, and byte strings with NULs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "store/solutions.h"

namespace tq::test {

using Pairs = std::vector<std::pair<std::string, std::string>>;

inline Pairs ListedEntries() {
  Pairs pairs;
  for (size_t i = 0; i < SolutionCount(); ++i) pairs.emplace_back(SolutionAt(i).Layout, SolutionAt(i).Solution);
  return pairs;
}

// A layout of 26 characters: text, then spaces.
inline std::string Layout(const std::string& text) { return (text + std::string(26, ' ')).substr(0, 26); }

}  // namespace tq::test
