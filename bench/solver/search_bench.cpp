// The headless search's speed: trials per second from a hard position, with an empty
// solutions list and with one of a million entries.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "model/field.h"
#include "solver/headless/headless_host.h"
#include "solver/search.h"
#include "store/solutions.h"
#include "tests/support/positions.h"

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
    if (line.starts_with(CorrectColumnsText)) ++correctLines;
    if (line.starts_with(StatusText)) length = std::atoi(std::string(line.substr(StatusText.size())).c_str()) + 1;
  };
  Headless.OnProgress = [trials](int32_t) {
    if (Headless.ProgressCalls == trials) StopRequested = 1;
  };
  PlaceLayout(test::HardLayout);
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = ThreadSeconds();
  Solve(SearchLimit);
  const double seconds = ThreadSeconds() - cpuStart;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  StopRequested = 0;
  return {seconds, wall, Headless.ProgressCalls - 1, correctLines, length};
}

// A million consistent-looking layouts that the search will not meet.
std::string MillionSolutions() {
  std::mt19937 gen(5);
  std::string layout = tq::StartLayout;
  for (int i = 0; i < 1000000; ++i) {
    std::shuffle(layout.begin(), layout.end(), gen);
    tq::StoreSolution(layout, "12345");
  }
  std::string bytes = tq::SolutionsToBytes();
  tq::ClearSolutions();
  return bytes;
}

void Print(const char* what, const Run& r) {
  std::printf("%-22s %lld trials in %.2f s processor time (%.2f s wall): %.2f M trials/s, "
              "length reached %d, correct-column lines %lld\n",
              what, static_cast<long long>(r.Trials), r.Seconds, r.WallSeconds, r.Trials / r.Seconds / 1e6,
              r.Length, static_cast<long long>(r.CorrectColumnLines));
}

double Rate(const Run& r) { return static_cast<double>(r.Trials) / r.Seconds; }

}  // namespace

// Usage: bench_solver [TRIALS [ROUNDS | empty | full]]. Other work on the machine moves both
// rates by more than the list does, so the two runs alternate for a few rounds and the
// ratio counted is the median of the rounds' own ratios, each from two runs side by side.
int main(int argc, char** argv) {
  const int64_t trials = argc > 1 ? std::atoll(argv[1]) : 20000000;
  const std::string mode = argc > 2 ? argv[2] : "";
  const int rounds = mode.empty() ? 7 : std::max(1, std::atoi(mode.c_str()));
  tq::ClearSolutions();
  if (mode == "empty") {
    Print("empty solutions list", SearchFor(trials));
    return 0;
  }
  const std::string million = MillionSolutions();
  if (mode == "full") {  // only the run with a million entries, for profiling
    SearchFor(1);  // whatever a first search prepares, it prepares here
    tq::LoadSolutionsFromBytes(million);
    Print("1,000,000 solutions", SearchFor(trials));
    return 0;
  }
  double bestEmpty = 0;
  double bestFull = 0;
  std::vector<double> ratios;
  for (int round = 1; round <= rounds; ++round) {
    // Every other round runs the million first, so that neither run is always the one
    // right after a load or a clear of the list.
    Run empty{};
    Run full{};
    if (round % 2 == 1) {
      tq::ClearSolutions();
      empty = SearchFor(trials);
      tq::LoadSolutionsFromBytes(million);
      full = SearchFor(trials);
    } else {
      full = SearchFor(trials);
      tq::ClearSolutions();
      empty = SearchFor(trials);
    }
    ratios.push_back(Rate(full) / Rate(empty));
    std::printf("round %d: empty list %.2f, a million entries %.2f M trials/s (%.1f%%)\n", round, Rate(empty) / 1e6,
                Rate(full) / 1e6, 100.0 * ratios.back());
    bestEmpty = std::max(bestEmpty, Rate(empty));
    bestFull = std::max(bestFull, Rate(full));
    if (round == 1) {
      Print("empty solutions list", empty);
      Print("1,000,000 solutions", full);
    }
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("best of %d rounds: empty list %.2f M trials/s, a million entries %.2f M trials/s\n", rounds,
              bestEmpty / 1e6, bestFull / 1e6);
  std::printf("rate with a million entries: %.1f%% of the empty-list rate (median of the rounds' ratios)\n",
              100.0 * ratios[ratios.size() / 2]);
  return 0;
}
