// Opening a solutions file named on the command line, and saving it back.
#pragma once

#include <string>

#include "cli/console.h"

namespace tq::cli {

// Makes `path` the solutions file and loads it. `forSaving` is for a run that will add to
// the file: a missing file then gives an empty list, its folder is made when missing, and a
// file whose save could not be made (its folder not writable or not to be made, anything but a
// regular file in its place) is refused now, before any work. Without it a missing file is a
// problem. An unreadable file is always a problem. Gives false after reporting the problem.
bool OpenSolutionsFile(Console& console, const std::string& path, bool forSaving);

// Saves the list back to the solutions file, merged with whatever another program saved
// there meanwhile; gives false after reporting a failure.
bool SaveSolutionsFile(Console& console, const std::string& path);

}  // namespace tq::cli
