// What a search shows, returns, stores and leaves behind.
#include <gtest/gtest.h>

#include "model/field.h"
#include "model/moves.h"
#include "model/random.h"
#include "model/scramble.h"
#include "search_fixture.h"
#include "solver/notation.h"

namespace tq {
namespace {

// The start position after the given move codes.
std::string StartAfter(std::string_view codes) {
  LayoutToField(StartLayout);
  int32_t slide = ReadSlideState();
  ApplySolution(codes, slide);
  return FieldToLayout();
}

// A position with no column correct that no short sequence solves.
const std::string Hard = test::HardLayout;

TEST_F(SearchTest, OneMoveSolutionInTheFirstTrial) {
  const std::string p = StartAfter("2");
  SetPosition(p);
  Headless.RecordProgress = true;
  EXPECT_EQ(Solve(100), "1");
  EXPECT_TRUE(Headless.Lines.empty());
  EXPECT_EQ(Headless.Progress, (std::vector<int32_t>{100, 0}));
  ASSERT_EQ(SolutionCount(), 1u);
  EXPECT_EQ(SolutionAt(0).Layout, p);
  EXPECT_EQ(SolutionAt(0).Solution, "1");
}

TEST_F(SearchTest, TwoMoveSolutionAfterTheFirstStatusLine) {
  SetPosition(StartAfter("11"));
  Headless.RecordProgress = true;
  EXPECT_EQ(Solve(100), "22");
  EXPECT_EQ(Headless.Lines, (std::vector<std::string>{"Status: 1/100 Time: 0 ms"}));
  EXPECT_EQ(Headless.Progress.size(), 11u);  // ten trials and the reset at the end
}

TEST_F(SearchTest, ProgressValuesAndStatusLineTrials) {
  SetPosition(Hard);
  Headless.RecordProgress = true;
  std::vector<int64_t> statusTrials;
  Headless.OnLine = [&](std::string_view line) {
    if (line.substr(0, 7) == "Status:") statusTrials.push_back(Headless.ProgressCalls + 1);
  };
  StopAtTrial(300);
  EXPECT_EQ(Solve(100), "No Result");
  const auto& p = Headless.Progress;
  EXPECT_EQ(p[0], 100);
  EXPECT_EQ(p[4], 500);
  EXPECT_EQ(p[5], 0);
  EXPECT_EQ(p[25], 666);
  EXPECT_EQ(p.back(), 0);
  EXPECT_EQ(statusTrials, (std::vector<int64_t>{6, 27, 76, 238}));
  EXPECT_EQ(Headless.Lines.front(), "Status: 1/100 Time: 0 ms");
}

TEST_F(SearchTest, StatusLineTimesWhatTheLengthTook) {
  SetPosition(Hard);
  uint32_t now = 100;
  Headless.Clock = [&] { return now += 7; };
  StopAtTrial(30);
  Solve(100);
  std::vector<std::string> status;
  for (const auto& l : Headless.Lines)
    if (l.rfind("Status:", 0) == 0) status.push_back(l);
  // Each read of the clock adds 7: the mark and the next status line are one read apart.
  EXPECT_EQ(status, (std::vector<std::string>{"Status: 1/100 Time: 7 ms", "Status: 2/100 Time: 7 ms"}));
}

TEST_F(SearchTest, KnownStartPositionIsAnsweredAtOnce) {
  SetPosition(Hard);
  StoreSolution(Hard, "stored as it was, 1 2");
  EXPECT_EQ(Solve(100), "stored as it was, 1 2");
  EXPECT_EQ(Headless.Lines, (std::vector<std::string>{"Saved Field..."}));
  EXPECT_EQ(SolutionCount(), 1u);
  EXPECT_EQ(FieldToLayout(), Hard);
  EXPECT_EQ(Headless.ProgressCalls, 1);  // only the reset at the end
}

TEST_F(SearchTest, ReachingAStoredPositionEndsTheSearchWithBothParts) {
  const std::string known = StartAfter("11");  // solved by 22
  const std::string start = StartAfter("112");  // move 1 reaches `known`
  StoreSolution(known, "22");
  SetPosition(start);
  EXPECT_EQ(Solve(100), "122");
  ASSERT_EQ(SolutionCount(), 2u);
  EXPECT_EQ(SolutionAt(1).Layout, start);
  EXPECT_EQ(SolutionAt(1).Solution, "122");
}

TEST_F(SearchTest, EveryWayOutRestoresThePositionAndRedrawsOnce) {
  const std::string cases[] = {StartAfter("2"), Hard};
  for (const std::string& layout : cases) {
    ResetHeadless();
    Headless.Clock = [] { return 0u; };
    SetPosition(layout);
    StopAtTrial(500);
    Solve(100);
    EXPECT_EQ(FieldToLayout(), layout);
    EXPECT_EQ(SlideState, ReadSlideState());
    EXPECT_EQ(Headless.RefreshCalls, 1);
    EXPECT_EQ(Headless.LastProgress, 0);
    EXPECT_EQ(SolverRunning, 0);
  }
}

TEST_F(SearchTest, StopEndsTheSearchWithoutStoringAnything) {
  SetPosition(Hard);
  StopAtTrial(1000);
  EXPECT_EQ(Solve(100), "No Result");
  EXPECT_EQ(Headless.ProgressCalls, 1001);
  EXPECT_EQ(SolutionCount(), 0u);
}

TEST_F(SearchTest, TrialThatSucceedsWinsOverAPendingStop) {
  SetPosition(StartAfter("2"));
  StopRequested = 1;
  EXPECT_EQ(Solve(100), "1");
  SetPosition(StartAfter("1"));
  EXPECT_EQ(Solve(100), "No Result");  // the first trial fails and sees the stop
  EXPECT_EQ(Headless.ProgressCalls, 4);
}

TEST_F(SearchTest, LimitWithoutRoomForAMoveGivesNoResult) {
  for (int32_t limit : {0, -1, -100}) {
    SetPosition(Hard);
    EXPECT_EQ(Solve(limit), "No Result");
    EXPECT_EQ(FieldToLayout(), Hard);
    EXPECT_EQ(SolverRunning, 0);
  }
}

TEST_F(SearchTest, SmallLimitsRunOutOfCandidates) {
  SetPosition(Hard);
  EXPECT_EQ(Solve(1), "No Result");
  EXPECT_EQ(Headless.ProgressCalls, 5);  // codes 1 to 4, then the reset
}

TEST_F(SearchTest, EverySolutionReplaysToASolvedField) {
  Headless.KeepLines = false;
  SeedRandom(20261208);
  int searched = 0;
  for (int k = 0; k < 300; ++k) {
    SetPosition(StartLayout);
    Scramble(1 + k % 6);
    if (IsSolved() != 0) continue;
    const std::string start = FieldToLayout();
    const std::string result = Solve(100);  // the store grows, so later answers reuse earlier ones
    ++searched;
    LayoutToField(start);
    int32_t slide = ReadSlideState();
    ASSERT_GT(ApplySolution(result, slide), 0) << start;
    ASSERT_EQ(IsSolved(), 5) << start << " " << result;
  }
  EXPECT_GT(searched, 100);
}

}  // namespace
}  // namespace tq
