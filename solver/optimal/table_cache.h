// Where the programs keep the optimal solver's table, and how many threads they give it: the
// same for the command line and the windows, so that one program's build serves the others.
#pragma once

#include <string>

#include "solver/optimal/optimal_solver.h"

namespace tq::optimal {

// Threads for a build or a search: one per core (at least one where the count is unknown).
int SolverThreads();

// The table's file of a kind in the cache directory ($XDG_CACHE_HOME/trommelquirl, or
// ~/.cache/trommelquirl), read from the environment at each call; the folder may not exist yet.
std::string CachedTablePath(TableKind kind);

}  // namespace tq::optimal
