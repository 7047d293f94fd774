// The headless toolkit: the search's window operations recorded in memory.
#include "ui/headless/headless_toolkit.h"

#include <chrono>

#include "ui/toolkit.h"

namespace tq {

HeadlessToolkit Headless;

void ResetHeadless() { Headless = HeadlessToolkit{}; }

int32_t AddListLine(std::string_view text) {
  if (Headless.OnLine) Headless.OnLine(text);
  if (Headless.KeepLines) Headless.Lines.emplace_back(text);
  return 0;
}

int32_t ClearResultList() {
  ++Headless.ClearCalls;
  Headless.Lines.clear();
  return 0;
}

int32_t SetSearchProgress(int32_t value) {
  ++Headless.ProgressCalls;
  Headless.LastProgress = value;
  if (Headless.RecordProgress) Headless.Progress.push_back(value);
  if (Headless.OnProgress) Headless.OnProgress(value);
  return 0;
}

int32_t DrainEvents() {
  ++Headless.DrainCalls;
  if (Headless.OnDrain) Headless.OnDrain();
  return 0;
}

int32_t RefreshField() {
  ++Headless.RefreshCalls;
  if (Headless.OnRefresh) Headless.OnRefresh();
  return DrainEvents();
}

uint32_t TickCount() {
  if (Headless.Clock) return Headless.Clock();
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace tq
