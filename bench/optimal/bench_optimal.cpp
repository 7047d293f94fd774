// The optimal solver's figures: the table's build, load and memory, and the time per position
// (median, p90, p99, largest) with nodes per second, for shortest and fast solutions, on one
// thread and on two, over random positions from fixed seeds.
//
//   bench_optimal [POSITIONS] [--table FILE]
//
// POSITIONS (default 100) positions of 2,000 random moves from the start, seeds 1 to POSITIONS.
// The table is built on two threads, saved to a temporary file and loaded back from it; with
// --table FILE it is loaded from FILE when that holds one (no build is timed then) and built
// and saved there otherwise. Timings are wall-clock; the machine's load average is printed
// before and after, since other work on the machine stretches them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/field.h"
#include "model/moves.h"
#include "solver/notation.h"
#include "solver/optimal/optimal_solver.h"

namespace {

using tq::optimal::PatternTable;

constexpr int RandomMoves = 2000;

double Seconds() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

double ProcessorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

std::string LoadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one, five, fifteen;
  in >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

// A line of /proc/self/status, such as VmRSS, in MiB.
double StatusMiB(const std::string& field) {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(field + ":", 0) == 0) return std::atof(line.c_str() + field.size() + 1) / 1024.0;
  }
  return 0;
}

std::string RandomLayout(uint64_t seed) {
  std::mt19937_64 random(seed);
  tq::LayoutToField(tq::StartLayout);
  int32_t slide = tq::ReadSlideState();
  for (int i = 0; i < RandomMoves; ++i) tq::ApplyMoveCode(static_cast<int32_t>(1 + random() % 5), slide);
  return tq::FieldToLayout();
}

bool Solves(const std::string& layout, const std::string& solution) {
  tq::LayoutToField(layout);
  int32_t slide = tq::ReadSlideState();
  tq::ApplySolution(solution, slide);
  return tq::IsSolved() == 5;
}

struct Run {
  double Seconds;
  double ThreadSeconds;  // of the calling thread: the whole search when it runs on one
  uint64_t Nodes;
  std::string Solution;
};

std::vector<Run> SolveAll(const PatternTable& table, const std::vector<std::string>& layouts, bool fast, int threads) {
  std::vector<Run> runs;
  tq::optimal::SearchOptions options;
  options.Fast = fast;
  options.Threads = threads;
  for (const std::string& layout : layouts) {
    const double start = Seconds(), thread = ThreadSeconds();
    const tq::optimal::SearchResult result = tq::optimal::Solve(table, layout, options);
    runs.push_back({Seconds() - start, ThreadSeconds() - thread, result.Nodes, result.Solution});
  }
  return runs;
}

// The nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double share) {
  const auto rank = static_cast<size_t>(std::ceil(share * static_cast<double>(sorted.size())));
  return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

void PrintRow(const char* mode, int threads, const std::vector<Run>& runs) {
  std::vector<double> times;
  double total = 0, nodes = 0, length = 0;
  for (const Run& run : runs) {
    times.push_back(run.Seconds);
    total += run.Seconds;
    nodes += static_cast<double>(run.Nodes);
    length += static_cast<double>(run.Solution.size());
  }
  std::sort(times.begin(), times.end());
  const auto n = static_cast<double>(runs.size());
  std::printf("%-8s %7d %8.3f %8.3f %8.3f %8.3f %9.0f %9.2f %8.2f %8.2f\n", mode, threads, Percentile(times, 0.5),
              Percentile(times, 0.9), Percentile(times, 0.99), times.back(), nodes / n, nodes / total / 1e6, length / n, total);
}

// One thread's processor time, which other work on the machine stretches much less than the
// wall-clock time.
void PrintProcessorRow(const char* mode, const std::vector<Run>& runs) {
  std::vector<double> times;
  for (const Run& run : runs) times.push_back(run.ThreadSeconds);
  std::sort(times.begin(), times.end());
  std::printf("%-8s %7s %8.3f %8.3f %8.3f %8.3f  (processor time of the one thread)\n", mode, "1 cpu", Percentile(times, 0.5),
              Percentile(times, 0.9), Percentile(times, 0.99), times.back());
}

int Failures(const std::vector<std::string>& layouts, const std::vector<Run>& runs) {
  int failed = 0;
  for (size_t i = 0; i < runs.size(); ++i) failed += Solves(layouts[i], runs[i].Solution) ? 0 : 1;
  return failed;
}

void PrintFastExcess(const std::vector<Run>& shortest, const std::vector<Run>& fast) {
  std::map<size_t, int> excess;
  double sum = 0;
  for (size_t i = 0; i < fast.size(); ++i) {
    const size_t over = fast[i].Solution.size() - shortest[i].Solution.size();
    ++excess[over];
    sum += static_cast<double>(over);
  }
  std::printf("fast: %.2f moves longer than the shortest on average; positions by moves longer:", sum / static_cast<double>(fast.size()));
  for (const auto& [over, count] : excess) std::printf(" %zu:%d", over, count);
  std::printf("\n");
}

// Where the time goes: the time per position by the length of its shortest solution.
void PrintByLength(const std::vector<Run>& runs) {
  std::map<size_t, std::vector<double>> byLength;
  for (const Run& run : runs) byLength[run.Solution.size()].push_back(run.Seconds);
  std::printf("shortest, two threads, by length: length positions median-s largest-s\n");
  for (auto& [length, times] : byLength) {
    std::sort(times.begin(), times.end());
    std::printf("  %2zu %4zu %8.3f %8.3f\n", length, times.size(), Percentile(times, 0.5), times.back());
  }
}

std::shared_ptr<const PatternTable> TableFor(const std::string& given) {
  const std::string path = given.empty() ? (std::filesystem::temp_directory_path() / "bench-optimal.table").string() : given;
  std::shared_ptr<const PatternTable> table;
  if (!given.empty()) table = PatternTable::Load(path, tq::optimal::TableKind::Full).Table;
  if (table == nullptr) {
    const double start = Seconds(), processor = ProcessorSeconds();
    table = PatternTable::Build(tq::optimal::TableKind::Full, 2);
    std::printf("table: built in %.2f s on two threads (%.2f s of processor time)\n", Seconds() - start,
                ProcessorSeconds() - processor);
    if (!table->Save(path)) std::printf("table: cannot save to %s\n", path.c_str());
  } else {
    std::printf("table: taken from %s, no build timed\n", path.c_str());
  }
  table.reset();  // so that the memory figures show one table
  const double start = Seconds();
  const tq::optimal::TableLoad load = PatternTable::Load(path, tq::optimal::TableKind::Full);
  const double loaded = Seconds() - start;
  if (given.empty()) std::filesystem::remove(path);
  if (load.Status != tq::optimal::LoadStatus::Loaded) {
    std::printf("table: cannot load it back from %s; building it again\n", path.c_str());
    return PatternTable::Build(tq::optimal::TableKind::Full, 2);
  }
  std::printf("table: loaded from the file in %.3f s; %llu entries, %.1f MiB\n", loaded,
              static_cast<unsigned long long>(load.Table->EntryCount()), static_cast<double>(load.Table->EntryCount()) / 1048576.0);
  return load.Table;
}

}  // namespace

int main(int argc, char** argv) {
  int positions = 100;
  std::string tableFile;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--table" && i + 1 < argc) tableFile = argv[++i];
    else positions = std::max(1, std::atoi(arg.c_str()));
  }
  std::printf("optimal solver: %d positions of %d random moves (seeds 1 to %d)\nload average before: %s\n", positions,
              RandomMoves, positions, LoadAverage().c_str());
  std::vector<std::string> layouts;
  for (int seed = 1; seed <= positions; ++seed) layouts.push_back(RandomLayout(static_cast<uint64_t>(seed)));
  const std::shared_ptr<const PatternTable> table = TableFor(tableFile);
  std::printf("memory: %.1f MiB resident after the load (peak %.1f MiB)\n\n", StatusMiB("VmRSS"), StatusMiB("VmHWM"));

  std::printf("mode     threads   median      p90      p99  largest nodes/pos  Mnodes/s mean-len  total-s\n");
  std::vector<Run> shortest[2], fast[2];
  for (int threads = 1; threads <= 2; ++threads) {
    shortest[threads - 1] = SolveAll(*table, layouts, false, threads);
    PrintRow("optimal", threads, shortest[threads - 1]);
  }
  for (int threads = 1; threads <= 2; ++threads) {
    fast[threads - 1] = SolveAll(*table, layouts, true, threads);
    PrintRow("fast", threads, fast[threads - 1]);
  }
  PrintProcessorRow("optimal", shortest[0]);
  PrintProcessorRow("fast", fast[0]);
  std::printf("\n");
  int failed = 0;
  for (int t = 0; t < 2; ++t) failed += Failures(layouts, shortest[t]) + Failures(layouts, fast[t]);
  std::printf("solutions that do not solve their position: %d\n", failed);
  PrintFastExcess(shortest[0], fast[0]);
  PrintByLength(shortest[1]);
  std::printf("load average after: %s\n", LoadAverage().c_str());
  return failed == 0 ? 0 : 1;
}
