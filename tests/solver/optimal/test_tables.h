// The tables the tests share: each built at most once per test run, through its file.
#pragma once

#include <string>

#include "solver/optimal/optimal_solver.h"

namespace tq::optimal::test {

// Where the tables are kept: the Full one where the command line's tests find it too.
std::string TablePath(TableKind kind);
// The Small table, kept in the build tree once built.
const PatternTable& SmallTable();
// The Full table that the test run's set-up step built into the build tree (or built here,
// when the tests run without it).
const PatternTable& FullTable();

}  // namespace tq::optimal::test
