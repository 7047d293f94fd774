// Watching a search from the outside: its listed lines, its trials, and when to stop it.
#pragma once

#include <cstdint>
#include <string>

#include "cli/console.h"

namespace tq::cli {

struct TrialWatch {
  int64_t Trials = 0;
  int64_t StopAfter = 0;  // 0: never ask for a stop after a number of trials
  bool AllLines = false;  // the correct-column lines too, not only the status lines
  // Written to standard error once the search has finished all sequences of HintAfter moves;
  // nothing when empty.
  std::string LongSearchHint = {};
  int32_t FinishedLengths = 0;
  bool StopAsked = false;  // at most once per search
};

// From this many moves on, the search's count grows past what a person waits for.
inline constexpr int32_t HintAfter = 12;

// Makes a fresh headless host the search's host and hooks it: the lines a person reads (every
// line with AllLines) go to standard output as they are added, and every trial is counted in
// `watch`. A stop is asked for at trial StopAfter, when the output fails, and when an end
// signal came (cli/end_signals.h).
void WatchSearch(Console& console, TrialWatch& watch);

}  // namespace tq::cli
