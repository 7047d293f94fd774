// The background solver's threads and requests, also under the thread checker: only the newest
// request is answered and its answer replays to solved; every outcome is reported, none dropped;
// a cancelled build says so and leaves no file; the tables are prepared weakest first.
#include "solver/optimal/background_solver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "layout_moves.h"
#include "test_tables.h"
#include "tests/support/temp_directory.h"

namespace tq::optimal::test {
namespace {

// Collects the reports from the solver's threads.
class Recorder {
 public:
  BackgroundCallbacks Callbacks() {
    return {{},
            [this](const TableReport& report) {
              std::lock_guard lock(mutex_);
              tables_.push_back(report);
              changed_.notify_all();
            },
            [this](const SolveReport& report) {
              std::lock_guard lock(mutex_);
              solves_.push_back(report);
              changed_.notify_all();
            }};
  }
  // Waits for the answer to `request` (a minute at most, for the checker's slow builds).
  std::optional<SolveReport> AnswerTo(uint64_t request) {
    std::unique_lock lock(mutex_);
    const auto found = [&] {
      for (const SolveReport& report : solves_) {
        if (report.Request == request) return true;
      }
      return false;
    };
    if (!changed_.wait_for(lock, std::chrono::minutes(1), found)) return std::nullopt;
    for (const SolveReport& report : solves_) {
      if (report.Request == request) return report;
    }
    return std::nullopt;
  }
  std::vector<SolveReport> Solves() {
    std::lock_guard lock(mutex_);
    return solves_;
  }
  std::vector<TableReport> Tables() {
    std::lock_guard lock(mutex_);
    return tables_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<TableReport> tables_;
  std::vector<SolveReport> solves_;
};

TEST(BackgroundSolver, AnswersTheNewestRequestWithASolutionThatReplaysToSolved) {
  Recorder recorder;
  BackgroundSolver solver({{TableKind::Small, TablePath(TableKind::Small)}}, 2, recorder.Callbacks());
  ASSERT_TRUE(solver.Started());
  const std::string first = RandomPosition(3, 60), last = RandomPosition(4, 12);
  solver.Solve(first);
  const uint64_t newest = solver.Solve(last);
  const std::optional<SolveReport> answer = recorder.AnswerTo(newest);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->Outcome, SolveOutcome::Solved);
  EXPECT_EQ(answer->Layout, last);
  EXPECT_TRUE(IsSolvedLayout(Replayed(last, answer->Solution)));
  // Nothing is answered after the newest request's answer, and nothing twice.
  const std::vector<SolveReport> solves = recorder.Solves();
  EXPECT_EQ(solves.back().Request, newest);
  for (size_t i = 1; i < solves.size(); ++i) EXPECT_LT(solves[i - 1].Request, solves[i].Request);
}

TEST(BackgroundSolver, ReportsALayoutTheMovesCannotReachInsteadOfDroppingIt) {
  Recorder recorder;
  BackgroundSolver solver({{TableKind::Small, TablePath(TableKind::Small)}}, 1, recorder.Callbacks());
  const uint64_t request = solver.Solve("300001111 322224444 35555 ");
  const std::optional<SolveReport> answer = recorder.AnswerTo(request);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->Outcome, SolveOutcome::BadLayout);
}

TEST(BackgroundSolver, ACancelledBuildIsSaidAndTheWaitingSolveEndsWithoutATable) {
  tq::test::TempDirectory cache;
  Recorder recorder;
  BackgroundSolver solver({{TableKind::Small, cache.File("small.table")}}, 2, recorder.Callbacks());
  const uint64_t request = solver.Solve(RandomPosition(5, 20));
  solver.CancelBuild();
  const std::optional<SolveReport> answer = recorder.AnswerTo(request);
  ASSERT_TRUE(answer.has_value());
  const std::vector<TableReport> tables = recorder.Tables();
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_FALSE(tables[0].Ready);
  EXPECT_EQ(tables[0].Failure, TableFailure::Cancelled);
  EXPECT_EQ(answer->Outcome, SolveOutcome::NoTable);
  EXPECT_FALSE(std::filesystem::exists(cache / "small.table"));
  EXPECT_FALSE(solver.AnyTableReady());
}

TEST(BackgroundSolver, PreparesTheWeakestTableFirstAndAnswersWithTheStrongestReady) {
  tq::test::TempDirectory cache;
  Recorder recorder;
  // The second table stands for the Full one: built here, it comes seconds after the first.
  BackgroundSolver solver({{TableKind::Small, TablePath(TableKind::Small)}, {TableKind::Small, cache.File("strong.table")}}, 2,
                          recorder.Callbacks());
  const std::string layout = RandomPosition(6, 14);
  const uint64_t request = solver.Solve(layout);
  const std::optional<SolveReport> answer = recorder.AnswerTo(request);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->Outcome, SolveOutcome::Solved);
  EXPECT_TRUE(IsSolvedLayout(Replayed(layout, answer->Solution)));
  // Once the strongest is there, a new request uses it, and gives a solution as short.
  const std::optional<SolveReport> again = [&] {
    for (int tries = 0; tries < 600 && !solver.StrongestReady(); ++tries) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return recorder.AnswerTo(solver.Solve(layout));
  }();
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(again->Solution.size(), answer->Solution.size());
  const std::vector<TableReport> tables = recorder.Tables();
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_FALSE(tables[0].Strongest);
  EXPECT_EQ(tables[0].Source, TableSource::Loaded);
  EXPECT_TRUE(tables[1].Strongest);
  EXPECT_EQ(tables[1].Source, TableSource::BuiltAndSaved);
  EXPECT_TRUE(std::filesystem::exists(cache / "strong.table"));
}

}  // namespace
}  // namespace tq::optimal::test
