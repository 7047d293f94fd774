// Where the program keeps its files: $XDG_DATA_HOME/trommelquirl, or ~/.local/share/trommelquirl;
// what it can build again: $XDG_CACHE_HOME/trommelquirl, or ~/.cache/trommelquirl; and what it
// keeps between runs that is worth less than data (where a window left off):
// $XDG_STATE_HOME/trommelquirl, or ~/.local/state/trommelquirl.
#pragma once

#include <string>

namespace tq {

// The data directory's path, from the environment; does not create it.
std::string DataDirectoryPath();
// The cache directory's path, from the environment; does not create it.
std::string CacheDirectoryPath();
// The state directory's path, from the environment; does not create it.
std::string StateDirectoryPath();
// Creates the data directory (and its parents) when missing. Returns true when it exists afterwards.
bool EnsureDataDirectory(const std::string& path);
// Creates the directory that holds file (and its parents) when missing, as start-up does for
// the data directory: for a file given by the user, or a data directory removed meanwhile.
// Returns true when it exists afterwards.
bool EnsureDirectoryOf(const std::string& file);

}  // namespace tq
