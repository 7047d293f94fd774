// The commands: moves, scramble, reset, the search with its time line and export, and Escape.
#include "ui/commands/commands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "model/field.h"
#include "model/moves.h"
#include "model/scramble.h"
#include "solver/search.h"
#include "solver/search_host.h"
#include "store/data_directory.h"
#include "store/export.h"
#include "store/solutions.h"
#include "ui/commands/windows_1252.h"
#include "ui/window_toolkit.h"

namespace tq {

namespace {
// The last command was an Escape whose save failed, and its line is showing: the next
// Escape ends the program without saving.
bool SaveFailureShown = false;
// Search commands under way (past the search itself, listing and exporting, too). A second
// one can start inside the first's last redraw.
int32_t SearchCommandsRunning = 0;
// An end asked for from outside while the search command or a save ran, carried out when it
// is done.
int32_t PendingEnd = 0;

// How a save or load may wait for another program's lock on the solutions file.
enum class LockWait {
  None,       // not at all: start-up and the later tries to read the file
  InWindow,   // the Escape's save: says so in the list and keeps the window alive meanwhile
  Briefly,    // an end from outside: a few seconds, with no window to show it
};
LockWait LockWaitNow = LockWait::None;
bool LockWaitListed = false;
// When, in the wait, an end from outside was asked for.
std::optional<std::chrono::milliseconds> EndAskedAt;
// A save is under way: key commands wait, and an end from outside gives the save up soon.
bool SaveUnderWay = false;
// The line that says the file could not be read at start-up is the only one listed.
bool HeldLineShowing = false;

// An end from outside waits this long for another program's lock: a save holds it for
// seconds at most, and a session that is ending will not wait much longer.
constexpr std::chrono::seconds EndLockPatience{3};
// The file is tried again this often while another program holds it.
constexpr int32_t RereadInterval = 250;

constexpr const char* HeldLine = "Solutions file held by another program";
constexpr const char* SaveWaitsLine = "Saving waits for another program";

bool WhileLockHeld(std::chrono::milliseconds waited) {
  switch (LockWaitNow) {
    case LockWait::None: return false;
    case LockWait::Briefly: return waited < EndLockPatience;
    case LockWait::InWindow: break;
  }
  if (!LockWaitListed) {
    AddListLine(SaveWaitsLine);
    LockWaitListed = true;
  }
  DrainEventsNow();  // shows the line, and takes an end request that comes meanwhile
  if (PendingEnd != 0 && !EndAskedAt) EndAskedAt = waited;
  return !EndAskedAt || waited - *EndAskedAt < EndLockPatience;
}

// Saves into the data directory, made again when it was removed while the program ran.
int32_t SaveWaiting(LockWait wait) {
  EnsureDirectoryOf(SolutionsFile);
  LockWaitNow = wait;
  LockWaitListed = false;
  EndAskedAt.reset();
  SaveUnderWay = true;
  const int32_t saved = SaveSolutions();
  SaveUnderWay = false;
  LockWaitNow = LockWait::None;
  return saved;
}

// Saves for an end from outside, and says on standard error when that failed: no one may see
// the window any more.
void SayNotSaved() {
  const SolutionsFileFault fault = LastSolutionsFileFault();
  std::fprintf(stderr, "trommelquirl: Solutions not saved: %s: %s\n", fault.File.c_str(), fault.Reason.c_str());
}

void SaveOrSayWhyNot() {
  if (SaveWaiting(LockWait::Briefly) != 1) SayNotSaved();
}

[[noreturn]] void EndFromOutside(int32_t cause) {
  SaveOrSayWhyNot();
  EndForCause(cause);
}

// Tries the file again until it is read; never while a search or a save may hold views into
// the list or be merging it.
bool RereadWhenFree() {
  if (SolverRunning.load() != 0 || SearchCommandsRunning != 0 || SaveUnderWay) return true;
  if (RereadSolutions() < 0 && LastSolutionsFileFault().LockHeld) return true;
  if (HeldLineShowing) ClearResultList();
  HeldLineShowing = false;
  return false;
}

// Lists a path on as many lines as the list's width needs, since the list cannot scroll
// sideways: each line as long as fits, broken after a slash where one fits, else between two
// characters. Nothing is dropped: the lines together are the path.
void ListPath(std::string_view path) {
  while (!path.empty()) {
    size_t fits = 0, afterSlash = 0;
    while (fits < path.size() && ListLineFits(path.substr(0, fits + 1))) {
      ++fits;
      if (path[fits - 1] == '/') afterSlash = fits;
    }
    const size_t cut = fits == path.size() ? fits : afterSlash > 0 ? afterSlash : std::max<size_t>(fits, 1);
    AddListLine(path.substr(0, cut));
    path.remove_prefix(cut);
  }
}
}  // namespace

void ListSaveFailure(const SolutionsFileFault& fault) {
  const std::string reason = fault.InLockFile && !fault.LockHeld ? "Lock file: " + fault.Reason : fault.Reason;
  // Word by word, onto a new line where the list's width ends.
  std::string line = "Solutions not saved:";
  for (size_t at = 0; at < reason.size();) {
    const size_t space = reason.find(' ', at);
    const std::string word = reason.substr(at, space == std::string::npos ? std::string::npos : space - at);
    at = space == std::string::npos ? reason.size() : space + 1;
    if (!ListLineFits(line + " " + word)) {
      AddListLine(line);
      line = word;
    } else {
      line += " " + word;
    }
  }
  AddListLine(line);
  ListPath(Windows1252FromUtf8(fault.File));
  HeldLineShowing = false;
}

void LoadSolutionsWithoutWaiting() {
  WhileSolutionsFileLocked(WhileLockHeld);
  LockWaitNow = LockWait::None;
  LoadSolutions();
}

void ListUnreadSolutionsFile() {
  if (!LastSolutionsFileFault().LockHeld) return;
  AddListLine(HeldLine);
  HeldLineShowing = true;
  RepeatEvery(RereadInterval, RereadWhenFree);
}

int32_t TurnUpperHalf(int32_t direction) {
  RotateRing(0, direction);
  RotateRing(1, direction);
  return RefreshField();
}

int32_t TurnLowerHalf(int32_t direction) {
  RotateRing(2, direction);
  RotateRing(3, direction);
  return RefreshField();
}

int32_t SlideFrom(int32_t fromState) {
  if (SlideState != fromState) return 0;
  SlideState = SlideColumns(SlideState);
  return RefreshField();
}

int32_t ScrambleField() {
  Scramble(3);
  return RefreshField();
}

int32_t ResetField() {
  PlaceLayout(StartLayout);
  return RefreshField();
}

int32_t SearchCommand() {
  ClearResultList();
  if (IsSolved() != 0) return 0;
  ++SearchCommandsRunning;
  const TimedSearch search = SolveTimed(SearchLimit);
  AddListLine(TimeLine(search.Milliseconds));
  AddListLine(search.Result);
  ExportSolution(search.Result);
  --SearchCommandsRunning;
  if (PendingEnd != 0 && SearchCommandsRunning == 0) EndFromOutside(PendingEnd);
  return 0;
}

int32_t EscapeCommand() {
  if (SolverRunning.load() != 0) {
    // This runs nested inside the search it stops, so it cannot wait for it here.
    StartStopSolverThread();
    return 0;
  }
  if (SaveFailureShown || SaveWaiting(LockWait::InWindow) == 1) ShutDown();
  if (PendingEnd != 0) {
    // Asked to end while the save waited for another program: the signal's way, at once.
    SayNotSaved();
    EndForCause(PendingEnd);
  }
  ListSaveFailure(LastSolutionsFileFault());
  SaveFailureShown = true;
  return 0;
}

void EndRequestCommand(int32_t cause) {
  if (cause == DisplayLost) {
    // The process ends when this returns, search or not; a search never changes the list
    // between its drains, so the list is whole wherever the search stands.
    SaveOrSayWhyNot();
    return;
  }
  if (SaveUnderWay) {
    // Nested inside the Escape's wait for the lock: that save gives up soon and ends.
    if (PendingEnd == 0) PendingEnd = cause;
    return;
  }
  if (SearchCommandsRunning == 0) EndFromOutside(cause);
  // Nested inside the search command: stop the search, and end once the command is done.
  if (PendingEnd == 0 && SolverRunning.load() != 0) StartStopSolverThread();
  PendingEnd = cause;
}

int32_t RunKeyCommand(uint32_t virtualKey) {
  // The Escape's save is waiting for another program: it ends the program or lists why not.
  if (SaveUnderWay) return 0;
  if (virtualKey == VkEscape) return EscapeCommand();
  // Any other command would change the Field or SlideState under the running search, or
  // start a second search inside it.
  if (SolverRunning.load() != 0) return 0;
  SaveFailureShown = false;  // another command came between: the next Escape tries again
  if (virtualKey == VkNumpad0 + 8) HeldLineShowing = false;  // the search clears the list
  switch (virtualKey) {
    case VkNumpad0 + 4: return TurnUpperHalf(-1);
    case VkNumpad0 + 6: return TurnUpperHalf(+1);
    case VkNumpad0 + 1: return TurnLowerHalf(-1);
    case VkNumpad0 + 3: return TurnLowerHalf(+1);
    case VkNumpad0 + 5: return SlideFrom(1);
    case VkNumpad0 + 2: return SlideFrom(0);
    case VkNumpad0 + 7: return ScrambleField();
    case VkNumpad0 + 8: return SearchCommand();
    case VkNumpad0 + 9: return ResetField();
    default: return 0;
  }
}

}  // namespace tq
