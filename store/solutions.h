// The remembered solutions: an ordered list in memory, kept in a text file between runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/file_lock.h"
#include "store/solution_filter.h"

namespace tq {

struct SolutionEntry {
  std::string Layout;
  std::string Solution;
};

// Absolute path of the solutions file ("Loesungen.txt" in the data directory); set by start-up.
extern std::string SolutionsFile;

// The ordered list, read only: a copy of one entry. An index out of range gives an empty entry.
size_t SolutionCount();
SolutionEntry SolutionAt(size_t index);

// Empties the list and reads the solutions file into it, one entry per line.
// Returns 1 when a file was read, 0 when there was none, -1 when it exists but cannot be read
// (not a regular file, no permission, a read error part way: SolutionsFileProblem says why).
int32_t LoadSolutions();
// Empties the list and reads bytes as the content of a solutions file. Returns 0. The list
// then counts as the caller's own: a save writes it as it stands.
int32_t LoadSolutionsFromBytes(std::string_view bytes);
// The list as the solutions file holds it: layout, solution and CR LF for every entry.
std::string SolutionsToBytes();
// Writes the list to the solutions file so that the old file survives any failure. When
// another program saved the file since LoadSolutions read it, or it could not be read then,
// the list first becomes the file's current entries with this run's StoreSolution calls
// applied again in their order. Returns 1 when the new file is in place, 0 when nothing was
// changed (SolutionsFileProblem says why).
int32_t SaveSolutions();
// Why the last LoadSolutions, RereadSolutions or SaveSolutions failed, in the system's words
// (naming the lock file when the fault is its); "" after success.
std::string SolutionsFileProblem();
// The same in parts, for a reader who sees the reason first and the file after it.
struct SolutionsFileFault {
  std::string Reason;       // the system's words, "" after success
  std::string File;         // the file at fault: SolutionsFile, or its lock file
  bool InLockFile = false;  // File is the lock file
  bool LockHeld = false;    // another program held the lock all the while
};
SolutionsFileFault LastSolutionsFileFault();
// After a LoadSolutions that could not read the file (another program held it, say): reads
// it now and applies this run's StoreSolution calls to it again, in their order. Returns 1
// when it was read, 0 when it had been read already, -1 when it still cannot be read. Call
// it only while nothing holds views into the list (no search runs).
int32_t RereadSolutions();
// Called while LoadSolutions, RereadSolutions or SaveSolutions waits for another program's
// lock (store/file_lock.h); by default they wait without it, for 30 s at most.
void WhileSolutionsFileLocked(LockWaitCall whileWaiting);
// Replaces every longer solution of the layout in place, or appends a new entry. Returns 0.
// The texts may be the list's own, as FindSolution gives them.
int32_t StoreSolution(std::string_view layout, std::string_view solution);
// The first non-empty solution stored for the layout, or "".
std::string LookupSolution(std::string_view layout);
// The same answer without a copy: an empty view where LookupSolution gives "". Never
// allocates. The view stays valid until the list next changes.
std::string_view FindSolution(std::string_view layout);
// The filter in front of FindSolution, for a caller who knows many layouts' keys early and
// wants to fetch and test their words itself. Keyed by HashLayout (store/layout_hash.h)
// unless KeySolutionFilter chose another key.
SolutionFilter CurrentSolutionFilter();
// Keys the filter by `key` from now on (nullptr: by HashLayout again), filling it anew.
void KeySolutionFilter(LayoutKey key);
// Empties the list and gives its memory back (for tests and tools); the list then counts as
// the caller's own.
void ClearSolutions();
// Memory the list holds, for measuring what an entry costs.
size_t SolutionsHeldBytes();

}  // namespace tq
