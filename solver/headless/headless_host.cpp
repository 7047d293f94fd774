// The headless host: the search's operations recorded in memory and passed to the hooks.
#include "solver/headless/headless_host.h"

#include "solver/search_host.h"

namespace tq {

HeadlessHost Headless;

namespace {

int32_t AddLine(std::string_view text) {
  if (Headless.OnLine) Headless.OnLine(text);
  if (Headless.KeepLines) Headless.Lines.emplace_back(text);
  return 0;
}

int32_t SetProgress(int32_t value) {
  ++Headless.ProgressCalls;
  Headless.LastProgress = value;
  if (Headless.RecordProgress) Headless.Progress.push_back(value);
  if (Headless.OnProgress) Headless.OnProgress(value);
  return 0;
}

int32_t Drain() {
  ++Headless.DrainCalls;
  if (Headless.OnDrain) Headless.OnDrain();
  return 0;
}

int32_t Refresh() {
  ++Headless.RefreshCalls;
  if (Headless.OnRefresh) Headless.OnRefresh();
  return Drain();
}

uint32_t Tick() { return Headless.Clock ? Headless.Clock() : TickCount(); }

}  // namespace

void ResetHeadless() {
  Headless = HeadlessHost{};
  InstallSearchHost({AddLine, SetProgress, Drain, Refresh, Tick});
}

}  // namespace tq
