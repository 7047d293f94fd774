// The optimal solver's table for the command line: from the cache directory, or built there.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/console.h"
#include "solver/optimal/optimal_solver.h"

namespace tq::cli {

// Loads the Full table from the cache directory, or builds it on all cores (a progress line on
// standard error when it is a terminal) and keeps it there. A table file that cannot be read,
// and a built table that cannot be kept, are each said in one line with the system's reason;
// the command goes on with the table built in memory.
std::shared_ptr<const optimal::PatternTable> LoadSolverTable(Console& console);

// The lines LoadSolverTable writes for what came of the table kept at `path`: none when it
// loaded or was built and kept without trouble.
std::vector<std::string> TableProblemLines(const optimal::CachedTable& cached, const std::string& path);

}  // namespace tq::cli
