// The installed search host, the quiet one that stands in before any is installed, and the clock.
#include "solver/search_host.h"

#include <chrono>

namespace tq {

namespace {
int32_t ShowNothing(std::string_view) { return 0; }
int32_t ShowNoProgress(int32_t) { return 0; }
int32_t DoNothing() { return 0; }

SearchHost Installed{ShowNothing, ShowNoProgress, DoNothing, DoNothing, TickCount};
}  // namespace

void InstallSearchHost(const SearchHost& host) { Installed = host; }

const SearchHost& InstalledSearchHost() { return Installed; }

uint32_t TickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace tq
