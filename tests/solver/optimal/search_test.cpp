// The search's contract: solved and refused layouts, stopping, progress, and answers that do
// not depend on the number of threads.
#include <gtest/gtest.h>

#include <vector>

#include "layout_moves.h"
#include "test_tables.h"

namespace tq::optimal::test {
namespace {

TEST(SmallTableSearch, AnswersASolvedPositionWithTheEmptySolution) {
  // The colours may stand in any columns, and the long columns either way.
  for (const std::string& layout : {Start, SlidSolved, std::string("31111 000032222 555534444 ")}) {
    const SearchResult result = Solve(SmallTable(), layout);
    EXPECT_EQ(result.Status, SearchStatus::Solved) << layout;
    EXPECT_EQ(result.Solution, "") << layout;
  }
}

TEST(SmallTableSearch, RefusesLayoutsTheMovesCannotReach) {
  std::string rowsZeroAndFive = Start;
  std::swap(rowsZeroAndFive[0], rowsZeroAndFive[5]);
  const std::vector<std::string> refused = {
      "",
      "30000 111132222 444435555",    // too short
      "30000 111132222 444435555  ",  // too long
      "30000_111132222_444435555_",   // the command line's "_" is no layout character
      "30000 111132222 44443555x ",   // no colour
      "30000 111133222 444435555 ",   // four balls of colour 3
      "3000 0111132222 444435555 ",   // an empty slot in a middle row
      rowsZeroAndFive,                // empty slots in rows 0 and 5
  };
  for (const std::string& layout : refused) {
    const SearchResult result = Solve(SmallTable(), layout);
    EXPECT_EQ(result.Status, SearchStatus::BadLayout) << '"' << layout << '"';
    EXPECT_EQ(result.Solution, "");
  }
}

TEST(SmallTableSearch, StopsWhenAskedAndReportsEachFinishedDepth) {
  const std::string layout = RandomPosition(7, 2000);
  std::vector<SearchProgress> progress;
  SearchOptions options;
  options.ShouldStop = [&progress] { return progress.size() == 3; };
  options.Progress = [&progress](const SearchProgress& p) { progress.push_back(p); };
  const SearchResult stopped = Solve(SmallTable(), layout, options);
  EXPECT_EQ(stopped.Status, SearchStatus::Stopped);
  EXPECT_EQ(stopped.Solution, "");
  ASSERT_EQ(progress.size(), 3u);
  for (size_t i = 1; i < progress.size(); ++i) {
    EXPECT_EQ(progress[i].Depth, progress[i - 1].Depth + 1);
    EXPECT_GE(progress[i].Nodes, progress[i - 1].Nodes);
  }
  EXPECT_GE(progress[0].Depth, SmallTable().Estimate(layout));
}

TEST(SmallTableSearch, GivesOneAnswerWhateverTheNumberOfThreads) {
  // 22 to 25 moves from solved: the last depths are big enough to be shared among threads.
  for (uint64_t seed : {5, 15, 24}) {
    const std::string layout = RandomPosition(seed, 60);
    const SearchResult one = Solve(SmallTable(), layout);
    ASSERT_EQ(one.Status, SearchStatus::Solved);
    ASSERT_TRUE(IsSolvedLayout(Replayed(layout, one.Solution))) << layout;
    for (int threads : {2, 3}) {
      SearchOptions options;
      options.Threads = threads;
      EXPECT_EQ(Solve(SmallTable(), layout, options).Solution, one.Solution) << layout << " on " << threads;
    }
    SearchOptions fast;
    fast.Fast = true;
    const SearchResult quick = Solve(SmallTable(), layout, fast);
    EXPECT_TRUE(IsSolvedLayout(Replayed(layout, quick.Solution))) << layout;
    EXPECT_GE(quick.Solution.size(), one.Solution.size()) << layout;
  }
}

TEST(SmallTableSearch, EveryCopyOfTheSearchGivesTheSameAnswerAndVisitsAsMuch) {
  // Each instruction set the processor has (a copy left out of the build is the baseline's).
  for (uint64_t seed : {3, 11}) {
    const std::string layout = RandomPosition(seed, 60);
    for (const bool fast : {false, true}) {
      SearchOptions options;
      options.Fast = fast;
      options.Instructions = InstructionSet::Baseline;
      const SearchResult baseline = Solve(SmallTable(), layout, options);
      ASSERT_EQ(baseline.Status, SearchStatus::Solved) << layout;
      for (auto set = static_cast<int>(InstructionSet::V2); set <= static_cast<int>(ProcessorInstructionSet()); ++set) {
        options.Instructions = static_cast<InstructionSet>(set);
        const SearchResult other = Solve(SmallTable(), layout, options);
        EXPECT_EQ(other.Solution, baseline.Solution) << layout << " on set " << set;
        EXPECT_EQ(other.Nodes, baseline.Nodes) << layout << " on set " << set;
      }
    }
  }
}

}  // namespace
}  // namespace tq::optimal::test
