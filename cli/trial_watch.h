// Watching a search from the outside: its listed lines, its trials, and a stop after N trials.
#pragma once

#include <cstdint>
#include <ostream>

namespace tq::cli {

struct TrialWatch {
  int64_t Trials = 0;
  int64_t StopAfter = 0;  // 0: never ask for a stop
};

// Makes a fresh headless host the search's host and hooks it: every listed line goes to `out`
// as it is added, and every trial is counted in `watch`, with a stop asked for at trial StopAfter.
void WatchSearch(std::ostream& out, TrialWatch& watch);

}  // namespace tq::cli
