// The headless search's speed: trials per second from a hard position, with an empty
// solutions list and with one of a million entries.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <random>
#include <string>

#include "model/field.h"
#include "solver/search.h"
#include "store/solutions.h"
#include "ui/headless/headless_toolkit.h"

namespace {

struct Run {
  double Seconds;     // processor time of this thread, so that other load on the machine counts less
  double WallSeconds;
  int64_t Trials;
  int64_t CorrectColumnLines;
  int32_t Length;
};

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

Run SearchFor(int64_t trials) {
  using namespace tq;
  ResetHeadless();
  Headless.KeepLines = false;
  int64_t correctLines = 0;
  int32_t length = 1;
  Headless.OnLine = [&](std::string_view line) {
    if (line.rfind("Richtige", 0) == 0) ++correctLines;
    if (line.rfind("Status: ", 0) == 0) length = std::atoi(std::string(line.substr(8)).c_str()) + 1;
  };
  Headless.OnProgress = [trials](int32_t) {
    if (Headless.ProgressCalls == trials) StopRequested = 1;
  };
  LayoutToField("31010 452123024 554035412 ");
  SlideState = ReadSlideState();
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = ThreadSeconds();
  Solve(100);
  const double seconds = ThreadSeconds() - cpuStart;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  StopRequested = 0;
  return {seconds, wall, Headless.ProgressCalls - 1, correctLines, length};
}

// A million consistent-looking layouts that the search will not meet.
void FillSolutions(int count) {
  std::mt19937 gen(5);
  std::string layout = tq::StartLayout;
  for (int i = 0; i < count; ++i) {
    std::shuffle(layout.begin(), layout.end(), gen);
    tq::StoreSolution(layout, "12345");
  }
}

void Print(const char* what, const Run& r) {
  std::printf("%-22s %lld trials in %.2f s processor time (%.2f s wall): %.2f M trials/s, "
              "length reached %d, correct-column lines %lld\n",
              what, static_cast<long long>(r.Trials), r.Seconds, r.WallSeconds, r.Trials / r.Seconds / 1e6,
              r.Length, static_cast<long long>(r.CorrectColumnLines));
}

}  // namespace

int main(int argc, char** argv) {
  const int64_t trials = argc > 1 ? std::atoll(argv[1]) : 20000000;
  tq::ClearSolutions();
  const std::string mode = argc > 2 ? argv[2] : "";
  if (mode == "full") {  // only the run with a million entries, for profiling
    FillSolutions(1000000);
    Print("1,000,000 solutions", SearchFor(trials));
    return 0;
  }
  const Run empty = SearchFor(trials);
  Print("empty solutions list", empty);
  if (mode == "empty") return 0;
  FillSolutions(1000000);
  const Run full = SearchFor(trials);
  Print("1,000,000 solutions", full);

  std::printf("rate with a million entries: %.1f%% of the empty-list rate\n",
              100.0 * (full.Trials / full.Seconds) / (empty.Trials / empty.Seconds));
  return 0;
}
