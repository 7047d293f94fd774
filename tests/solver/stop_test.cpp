// The stop thread against a running search: one stop, two stops, a search right after.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "search_fixture.h"

namespace tq {
namespace {

const std::string Hard = test::HardLayout;

bool WaitForStopCleared() {
  for (int k = 0; k < 5000 && StopRequested != 0; ++k) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return StopRequested == 0;
}

TEST_F(SearchTest, StopThreadEndsARunningSearchAndTakesTheRequestBack) {
  SetPosition(Hard);
  Headless.OnDrain = [] {
    if (Headless.DrainCalls == 2000) StartStopSolverThread();
  };
  EXPECT_EQ(Solve(100), "No Result");
  EXPECT_EQ(FieldToLayout(), Hard);
  EXPECT_TRUE(WaitForStopCleared());
  EXPECT_EQ(SolutionCount(), 0u);
}

TEST_F(SearchTest, TwoStopThreadsBothEndWhenTheSearchEnds) {
  SetPosition(Hard);
  std::thread first, second;
  Headless.OnDrain = [&] {
    if (Headless.DrainCalls == 1000) first = std::thread(StopSolverThread, 0);
    if (Headless.DrainCalls == 1001) second = std::thread(StopSolverThread, 0);
  };
  EXPECT_EQ(Solve(100), "No Result");
  first.join();
  second.join();
  EXPECT_EQ(StopRequested, 0);
}

TEST_F(SearchTest, NextSearchRunsNormallyOnceTheStopIsTakenBack) {
  SetPosition(Hard);
  Headless.OnDrain = [] {
    if (Headless.DrainCalls == 500) StartStopSolverThread();
  };
  EXPECT_EQ(Solve(100), "No Result");
  ASSERT_TRUE(WaitForStopCleared());
  Headless.OnDrain = nullptr;
  SetPosition(test::OneLeftLayout);
  EXPECT_EQ(Solve(100), "1");
}

}  // namespace
}  // namespace tq
