// Opening a solutions file named on the command line.
#pragma once

#include <string>

#include "cli/console.h"

namespace tq::cli {

// Makes `path` the solutions file and loads it. A missing file gives an empty list when
// `missingIsEmpty`, and is a problem otherwise; an unreadable one is always a problem.
// Gives false after reporting the problem.
bool OpenSolutionsFile(Console& console, const std::string& path, bool missingIsEmpty);

// Saves the list back to the solutions file; gives false after reporting a failure.
bool SaveSolutionsFile(Console& console, const std::string& path);

}  // namespace tq::cli
