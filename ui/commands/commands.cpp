// The commands: moves, scramble, reset, the search with its time line and export, and Escape.
#include "ui/commands/commands.h"

#include <cstdio>
#include <string>

#include "model/field.h"
#include "model/moves.h"
#include "model/scramble.h"
#include "solver/search.h"
#include "store/export.h"
#include "store/solutions.h"
#include "ui/window_toolkit.h"

namespace tq {

namespace {
// The last command was an Escape whose save failed, and its line is showing: the next
// Escape ends the program without saving.
bool SaveFailureShown = false;
// Search commands under way (past the search itself, listing and exporting, too). A second
// one can start inside the first's last redraw.
int32_t SearchCommandsRunning = 0;
// An end asked for from outside while the search command ran, carried out when it is done.
int32_t PendingEnd = 0;

std::string NotSavedLine() { return "Solutions not saved: " + SolutionsFile + ": " + SolutionsFileProblem(); }

// Saves for an end from outside, and says on standard error when that failed: no one may see
// the window any more.
void SaveOrSayWhyNot() {
  if (SaveSolutions() != 1) std::fprintf(stderr, "trommelquirl: %s\n", NotSavedLine().c_str());
}

[[noreturn]] void EndFromOutside(int32_t cause) {
  SaveOrSayWhyNot();
  EndForCause(cause);
}
}  // namespace

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
  if (SaveFailureShown || SaveSolutions() == 1) ShutDown();
  AddListLine(NotSavedLine());
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
  if (SearchCommandsRunning == 0) EndFromOutside(cause);
  // Nested inside the search command: stop the search, and end once the command is done.
  if (PendingEnd == 0 && SolverRunning.load() != 0) StartStopSolverThread();
  PendingEnd = cause;
}

int32_t RunKeyCommand(uint32_t virtualKey) {
  if (virtualKey == VkEscape) return EscapeCommand();
  // Any other command would change the Field or SlideState under the running search, or
  // start a second search inside it.
  if (SolverRunning.load() != 0) return 0;
  SaveFailureShown = false;  // another command came between: the next Escape tries again
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
