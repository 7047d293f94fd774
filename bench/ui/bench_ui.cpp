// The search's trial rate with the Qt toolkit (offscreen) against the headless host, and
// the program's memory during a search that lists many lines.
// Usage: bench_ui [RATE_SECONDS [MEMORY_SECONDS]]
#include <sys/resource.h>

#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "bench/ui/search_position.h"
#include "solver/search.h"
#include "ui/qt/event_pump.h"
#include "ui/qt/result_list.h"
#include "ui/startup.h"
#include "ui/window_toolkit.h"

namespace tq::bench {
namespace {

using Clock = std::chrono::steady_clock;

struct Rate {
  long long trials = 0;
  double seconds = 0;
  double PerSecond() const { return seconds > 0 ? static_cast<double>(trials) / seconds : 0; }
};

Rate HeadlessRate(double seconds) {
  QProcess child;
  child.start(QString::fromUtf8(TQ_HEADLESS_SEARCH), {QString::number(seconds)});
  child.waitForFinished(-1);
  Rate rate;
  std::sscanf(child.readAllStandardOutput().constData(), "%lld %lf", &rate.trials, &rate.seconds);
  return rate;
}

// The Qt search until it has run `trials` trials, so both toolkits cover the same candidates.
Rate QtRate(long long trials) {
  SetUpSearch(RateLayout);
  ClearResultList();
  const uint64_t first = DrainEventsCalls();
  std::atomic<bool> done{false};
  std::thread stopper([&] {
    while (!done.load() && DrainEventsCalls() - first < static_cast<uint64_t>(2 * trials)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    StopSolverThread(0);
  });
  const double start = ThreadCpuSeconds();
  Solve(SearchLimit);
  const double took = ThreadCpuSeconds() - start;
  done = true;
  stopper.join();
  return Rate{static_cast<long long>((DrainEventsCalls() - first) / 2), took};
}

// From the moment a stop is due (as an Escape press would be) to the search's return: the
// event has to wait for the next real drain, then the search for its next stop check.
double StopLatencyMs() {
  SetUpSearch(RateLayout);
  constexpr auto after = std::chrono::milliseconds(1000);
  QTimer::singleShot(after, Qt::PreciseTimer, [] { StartStopSolverThread(); });
  const Clock::time_point due = Clock::now() + after;
  Solve(SearchLimit);
  return std::chrono::duration<double, std::milli>(Clock::now() - due).count();
}

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
  }
  return 0;
}

void MemoryRun(double seconds) {
  SetUpSearch(ManyLinesLayout);
  const Clock::time_point start = Clock::now();
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    const double at = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("  %5.0f s: %7.1f MB resident, %zu lines listed\n", at, ResidentKilobytes() / 1024.0,
                ResultList->Lines()->LineCount());
    std::fflush(stdout);
    if (at >= seconds) StartStopSolverThread();
  });
  sampler.start(static_cast<int>(std::max(1.0, seconds / 10) * 1000));
  Solve(SearchLimit);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident: %.1f MB (list capped at %zu lines)\n", usage.ru_maxrss / 1024.0, ResultListCapacity);
}

}  // namespace
}  // namespace tq::bench

int main(int argc, char** argv) {
  using namespace tq::bench;
  const double rateSeconds = argc > 1 ? std::atof(argv[1]) : 3.0;
  const double memorySeconds = argc > 2 ? std::atof(argv[2]) : 30.0;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Export files and the data directory go to a scratch place, not the user's own.
  const std::string home = (std::filesystem::temp_directory_path() / "tq-bench-ui").string();
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  tq::StartToolkit();
  tq::StartProgram();

  // Rates are per CPU second of the searching thread; other work on the machine still
  // disturbs them (caches, clock speed), so the rounds alternate and each toolkit's best counts.
  double bestHeadless = 0;
  double bestQt = 0;
  for (int round = 1; round <= 3; ++round) {
    const Rate headless = HeadlessRate(rateSeconds);
    const Rate qt = QtRate(headless.trials);
    std::printf("round %d, %lld trials: headless %.2f, Qt %.2f million trials per CPU second\n", round, headless.trials,
                headless.PerSecond() / 1e6, qt.PerSecond() / 1e6);
    bestHeadless = std::max(bestHeadless, headless.PerSecond());
    bestQt = std::max(bestQt, qt.PerSecond());
  }
  std::printf("search from \"%s\", best of three rounds\n", RateLayout);
  std::printf("headless host: %.2f million trials/s\n", bestHeadless / 1e6);
  std::printf("Qt toolkit:       %.2f million trials/s\n", bestQt / 1e6);
  std::printf("Qt / headless:    %.1f %% (target at least 90 %%)\n", 100 * bestQt / bestHeadless);

  std::printf("stop latency:     %.1f ms (a stop due during a search, until the search returns)\n", StopLatencyMs());

  std::printf("memory, search from \"%s\" for %.0f s:\n", ManyLinesLayout, memorySeconds);
  MemoryRun(memorySeconds);
  std::filesystem::remove_all(home);
  std::fflush(stdout);
  std::_Exit(0);
}
