// The search's two shared flags and the thread that asks a running search to stop.
#include <chrono>
#include <thread>

#include "solver/search.h"

namespace tq {

std::atomic<int32_t> SolverRunning{0};
std::atomic<int32_t> StopRequested{0};

int32_t StopSolverThread(int32_t /*parameter*/) {
  StopRequested.store(1);
  while (SolverRunning.load() != 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  StopRequested.store(0);
  return 0;
}

void StartStopSolverThread() { std::thread(StopSolverThread, 0).detach(); }

bool AwaitStopTakenBack(std::chrono::milliseconds limit) {
  using namespace std::chrono;
  const auto start = steady_clock::now();
  while (StopRequested.load() != 0) {
    if (duration_cast<milliseconds>(steady_clock::now() - start) >= limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace tq
