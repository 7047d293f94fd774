// The solver's threads, for the thread checker: searches on two threads each sharing one table.
#include <gtest/gtest.h>

#include <thread>

#include "layout_moves.h"
#include "test_tables.h"

namespace tq::optimal::test {
namespace {

TEST(OptimalThreads, SearchesShareOneTable) {
  const PatternTable& table = SmallTable();
  // 25 moves from solved: the last depths are big enough to be shared among threads.
  const std::string layouts[2] = {RandomPosition(5, 60), RandomPosition(15, 60)};
  std::string alone[2], together[2];
  for (int i = 0; i < 2; ++i) alone[i] = Solve(table, layouts[i]).Solution;
  std::thread others([&] {
    SearchOptions options;
    options.Threads = 2;
    together[1] = Solve(table, layouts[1], options).Solution;
  });
  SearchOptions options;
  options.Threads = 2;
  together[0] = Solve(table, layouts[0], options).Solution;
  others.join();
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(together[i], alone[i]);
    EXPECT_TRUE(IsSolvedLayout(Replayed(layouts[i], together[i])));
  }
}

}  // namespace
}  // namespace tq::optimal::test
