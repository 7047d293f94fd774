// Where the program keeps its files: $XDG_DATA_HOME/trommelquirl, or ~/.local/share/trommelquirl.
#pragma once

#include <string>

namespace tq {

// The data directory's path, from the environment; does not create it.
std::string DataDirectoryPath();
// Creates the data directory (and its parents) when missing. Returns true when it exists afterwards.
bool EnsureDataDirectory(const std::string& path);

}  // namespace tq
