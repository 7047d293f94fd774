// Speed of the solutions store: lookups that hit and miss, and loading and saving a big file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "store/layout_hash.h"
#include "store/solutions.h"

namespace {

constexpr size_t LayoutLength = 26;
constexpr size_t ProbeCount = size_t{1} << 16;
constexpr size_t MillionEntries = 1000000;

// Layouts as the search makes them: 26 characters from " 012345", all distinct in practice.
std::string RandomLayout(std::mt19937_64& random) {
  static constexpr char Characters[] = " 012345";
  std::string layout(LayoutLength, ' ');
  for (char& c : layout) c = Characters[random() % 7];
  return layout;
}

std::string RandomSolution(std::mt19937_64& random) {
  std::string solution(8 + random() % 10, '1');
  for (char& c : solution) c = static_cast<char>('1' + random() % 5);
  return solution;
}

// Probe layouts side by side in one buffer, as a caller holds its layout in a local array.
struct Probes {
  std::string bytes;
  void Add(const std::string& layout) { bytes += layout; }
  size_t Count() const { return bytes.size() / LayoutLength; }
  std::string_view At(size_t i) const { return std::string_view(bytes).substr(i * LayoutLength, LayoutLength); }
  void Clear() { bytes.clear(); }
};

// Fills the list with entries random layouts, once per size; gives back probes that hit or miss.
const Probes& ListWithProbes(size_t entries, bool hits) {
  static size_t filled = ~size_t{0};
  static Probes hitProbes, missProbes;
  if (filled != entries || tq::SolutionCount() != entries) {
    std::mt19937_64 random(entries);
    tq::ClearSolutions();
    hitProbes.Clear();
    for (size_t i = 0; i < entries; ++i) {
      std::string layout = RandomLayout(random);
      tq::StoreSolution(layout, RandomSolution(random));
      if (i % (entries / std::min(entries, ProbeCount)) == 0) hitProbes.Add(layout);
    }
    missProbes.Clear();
    while (missProbes.Count() < ProbeCount) missProbes.Add(RandomLayout(random));
    filled = entries;
  }
  return hits ? hitProbes : missProbes;
}

void Lookup(benchmark::State& state, bool hits) {
  const Probes& probes = ListWithProbes(static_cast<size_t>(state.range(0)), hits);
  size_t i = 0, found = 0;
  for (auto _ : state) {
    const std::string_view solution = tq::FindSolution(probes.At(i));
    found += !solution.empty();
    benchmark::DoNotOptimize(solution);
    if (++i == probes.Count()) i = 0;
  }
  state.counters["found"] = benchmark::Counter(static_cast<double>(found) / static_cast<double>(state.iterations()));
}

void BM_FindSolutionHit(benchmark::State& state) { Lookup(state, true); }
void BM_FindSolutionMiss(benchmark::State& state) { Lookup(state, false); }
BENCHMARK(BM_FindSolutionHit)->Arg(10)->Arg(MillionEntries);
BENCHMARK(BM_FindSolutionMiss)->Arg(10)->Arg(MillionEntries);

void BM_FindSolutionEmptyList(benchmark::State& state) {
  tq::ClearSolutions();
  const std::string layout(LayoutLength, '1');
  for (auto _ : state) benchmark::DoNotOptimize(tq::FindSolution(layout));
  state.SetLabel("empty list");
}
BENCHMARK(BM_FindSolutionEmptyList);

// The hash alone, to tell its share of a lookup from the memory's.
void BM_HashLayout(benchmark::State& state) {
  const Probes& probes = ListWithProbes(10, false);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tq::HashLayout(probes.At(i)));
    if (++i == probes.Count()) i = 0;
  }
}
BENCHMARK(BM_HashLayout);

std::string MillionEntryFile() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("tq-bench-" + std::to_string(::getpid()) + ".txt")).string();
    ListWithProbes(MillionEntries, true);
    tq::SolutionsFile = file;
    tq::SaveSolutions();
    std::atexit([] { std::filesystem::remove(tq::SolutionsFile); });
    return file;
  }();
  return path;
}

void BM_LoadMillionEntries(benchmark::State& state) {
  tq::SolutionsFile = MillionEntryFile();
  for (auto _ : state) benchmark::DoNotOptimize(tq::LoadSolutions());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(tq::SolutionsFile)));
  // What an entry costs beyond its own characters (the line ends are not kept), loaded afresh.
  tq::ClearSolutions();
  tq::LoadSolutions();
  const double entries = static_cast<double>(tq::SolutionCount());
  const double characters = static_cast<double>(std::filesystem::file_size(tq::SolutionsFile)) - 2 * entries;
  state.counters["bytes_per_entry"] = (static_cast<double>(tq::SolutionsHeldBytes()) - characters) / entries;
}
BENCHMARK(BM_LoadMillionEntries)->Unit(benchmark::kMillisecond);

void BM_SaveMillionEntries(benchmark::State& state) {
  tq::SolutionsFile = MillionEntryFile();
  tq::LoadSolutions();
  for (auto _ : state) benchmark::DoNotOptimize(tq::SaveSolutions());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(tq::SolutionsFile)));
}
BENCHMARK(BM_SaveMillionEntries)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
