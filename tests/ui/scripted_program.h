// The program run as a child process with a script of key presses, for the exit tests.
#pragma once

#include "tests/support/positions.h"

namespace tq::test {

// When this environment variable names a script, the test binary plays the program instead.
inline constexpr const char* ScriptVariable = "TQ_UI_SCRIPT";

// A position whose search runs far longer than any test waits.
inline constexpr const char* LongSearchLayout = HardLayout;

// Starts the program as usual, presses the script's keys from inside its event loop and
// never returns: the script ends with Escape, which ends the process. Scripts:
//   "solve-stop-quit": keypad 4, keypad 8 (solved at once); then a long search stopped by
//                      Escape; then Escape.
//   "quit":            Escape right away.
[[noreturn]] void RunScriptedProgram(const char* script);

}  // namespace tq::test
