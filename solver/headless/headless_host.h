// The search's host without a window: it records what would be shown, for the tests, and hands
// the lines on as they come, for the command-line tool.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

struct HeadlessHost {
  // Lines added, unless KeepLines is off.
  std::vector<std::string> Lines;
  bool KeepLines = true;
  // Every progress value set, when RecordProgress is on; LastProgress always.
  std::vector<int32_t> Progress;
  bool RecordProgress = false;
  int32_t LastProgress = 0;

  int64_t ProgressCalls = 0;
  int64_t DrainCalls = 0;
  int64_t RefreshCalls = 0;

  // Hooks that stand in for what a user could do while events drain.
  std::function<void(std::string_view)> OnLine;
  std::function<void(int32_t)> OnProgress;
  std::function<void()> OnDrain;
  std::function<void()> OnRefresh;
  // Replaces the real millisecond clock when set.
  std::function<uint32_t()> Clock;
};

extern HeadlessHost Headless;

// Back to an empty record with no hooks, installed as the search's host.
void ResetHeadless();

}  // namespace tq
