// The keypad and Escape commands, as plain procedures on the Field and the search.
#pragma once

#include <cstdint>

#include "store/solutions.h"

namespace tq {

// Upper half (rings 0 and 1) or lower half (rings 2 and 3) one column; +1 right, -1 left.
int32_t TurnUpperHalf(int32_t direction);
int32_t TurnLowerHalf(int32_t direction);
// Slides the long columns when they stand where `fromState` says; otherwise does nothing.
int32_t SlideFrom(int32_t fromState);
int32_t ScrambleField();
int32_t ResetField();
// Clears the list and, when no column is correct, searches, lists time and result, exports.
int32_t SearchCommand();
// Stops a running search, or saves the solutions and ends the program. A save that waits for
// another program says so in the list; one that fails lists why, reason first, and the file
// at fault, and the program goes on; an Escape right after that ends it without saving.
int32_t EscapeCommand();
// An end asked for from outside (ui/window_toolkit.h): saves and ends, once a running search
// command has stopped its search and finished; a failed save is told on standard error.
void EndRequestCommand(int32_t cause);

// Lists why a save failed: the reason first, on one line with "Solutions not saved:" where
// the list's width allows, and then the file at fault, on lines of its own, as many as the
// list's width needs to show it whole.
void ListSaveFailure(const SolutionsFileFault& fault);
// Start-up's load of the solutions: it does not wait when another program holds the file.
void LoadSolutionsWithoutWaiting();
// When that load found the file held by another program: says so in the list, and reads the
// file once it is free (a save in the meantime merges with it all the same).
void ListUnreadSolutionsFile();

// Runs the command of a virtual-key code; codes without one do nothing. While a search runs,
// only Escape is acted on.
int32_t RunKeyCommand(uint32_t virtualKey);

}  // namespace tq
