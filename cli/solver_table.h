// The optimal solver's table for the command line: from the cache directory, or built there.
#pragma once

#include <memory>

#include "cli/console.h"
#include "solver/optimal/optimal_solver.h"

namespace tq::cli {

// Loads the Full table from the cache directory, or builds it on all cores (a progress line on
// standard error when it is a terminal) and keeps it there. Where it cannot be kept, says so in
// one line and goes on with the table built in memory.
std::shared_ptr<const optimal::PatternTable> LoadSolverTable(Console& console);

// The number of threads to build and search with: one per core.
int SolverThreads();

}  // namespace tq::cli
