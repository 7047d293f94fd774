// The native side of the web page's benchmark: the same positions the WebAssembly solver is
// timed on, solved here on one thread, and the Full table's build on one thread, so that the
// driver (run-bench.mjs) can set the two side by side. Prints one JSON object.
//
//   bench_web_native [--build] [--table FILE] [POSITIONS]
//
// POSITIONS (default 20) positions of 2,000 random moves from the start, seeds 1 to POSITIONS.
// The table is loaded from FILE (default: the cache directory's, as the command line keeps it)
// or built there when missing; --build times a build on one thread as well. Times are the
// thread's processor time, which other work on the machine stretches less than the clock, and
// the clock's, to set beside a browser's, which gives only the clock.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "model/field.h"
#include "model/moves.h"
#include "solver/optimal/optimal_solver.h"
#include "store/data_directory.h"

namespace {

using tq::optimal::PatternTable;
using tq::optimal::TableKind;

constexpr int RandomMoves = 2000;

double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return 1e3 * static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_nsec);
}

double ClockMs() { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// As bench_optimal draws them, so that the figures of both compare.
std::string RandomLayout(uint64_t seed) {
  std::mt19937_64 random(seed);
  tq::LayoutToField(tq::StartLayout);
  int32_t slide = tq::ReadSlideState();
  for (int i = 0; i < RandomMoves; ++i) tq::ApplyMoveCode(static_cast<int32_t>(1 + random() % 5), slide);
  return tq::FieldToLayout();
}

}  // namespace

int main(int argc, char** argv) {
  bool build = false;
  int positions = 20;
  std::string path = tq::CacheDirectoryPath() + "/" + tq::optimal::TableFileName(TableKind::Full);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--build") {
      build = true;
    } else if (arg == "--table" && i + 1 < argc) {
      path = argv[++i];
    } else {
      positions = std::max(1, std::atoi(arg.c_str()));
    }
  }
  std::printf("{\"table\": \"%s\"", path.c_str());
  if (build) {
    const double start = ThreadMs(), clock = ClockMs();
    const auto table = PatternTable::Build(TableKind::Full, 1);
    std::printf(", \"buildMs\": %.0f, \"buildClockMs\": %.0f", ThreadMs() - start, ClockMs() - clock);
  }
  const tq::optimal::CachedTable cached = tq::optimal::LoadOrBuild(path, TableKind::Full, 2);
  std::printf(", \"solves\": [");
  for (int seed = 1; seed <= positions; ++seed) {
    const std::string layout = RandomLayout(static_cast<uint64_t>(seed));
    const double start = ThreadMs(), clock = ClockMs();
    const tq::optimal::SearchResult result = tq::optimal::Solve(*cached.Table, layout);
    const double ms = ThreadMs() - start, clockMs = ClockMs() - clock;
    std::printf("%s\n  {\"layout\": \"%s\", \"moves\": \"%s\", \"ms\": %.3f, \"clockMs\": %.3f}", seed == 1 ? "" : ",",
                layout.c_str(), result.Solution.c_str(), ms, clockMs);
  }
  std::printf("]}\n");
  return 0;
}
