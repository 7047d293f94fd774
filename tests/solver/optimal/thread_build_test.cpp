// The solver's threads, for the thread checker: a table built on two threads.
#include <gtest/gtest.h>

#include <cstring>

#include "solver/optimal/optimal_solver.h"

namespace tq::optimal::test {
namespace {

TEST(OptimalThreads, BuildTheSameTableOnOneThreadAndOnTwo) {
  const auto one = PatternTable::Build(TableKind::Small, 1);
  const auto two = PatternTable::Build(TableKind::Small, 2);
  EXPECT_EQ(std::memcmp(one->Entries(), two->Entries(), one->EntryCount()), 0);
}

}  // namespace
}  // namespace tq::optimal::test
