// The program run as a child process with a script of key presses, for the exit tests.
#pragma once

#include "tests/support/positions.h"

namespace tq::test {

// When this environment variable names a script, the test binary plays the program instead.
inline constexpr const char* ScriptVariable = "TQ_UI_SCRIPT";
// When set, the program runs as an unprivileged account (when started as root).
inline constexpr const char* UnprivilegedVariable = "TQ_UI_UNPRIVILEGED";
// When set to a number of bytes, "quit-twice" limits the size of files it writes.
inline constexpr const char* FileLimitVariable = "TQ_UI_FILE_LIMIT";

// A position whose search runs far longer than any test waits.
inline constexpr const char* LongSearchLayout = HardLayout;

// Starts the program as usual, presses the script's keys from inside its event loop and
// never returns: the script ends the process with Escape, or with a signal. Scripts:
//   "solve-stop-quit": keypad 4, keypad 8 (solved at once); then a long search stopped by
//                      Escape; then Escape.
//   "quit":            Escape right away.
//   "quit-twice":      Escape, the listed lines on standard output, Escape.
//   "solve-wait-quit": keypad 4, keypad 8, a file "ready" in the data directory, and Escape
//                      once a file "go" is there.
//   "quit-while-held": keypad 4, keypad 8, Escape; inside the save's wait for the lock, the
//                      list's last line on standard output and a file "waiting" in the data
//                      directory.
//   "remove-folder-quit": keypad 4, keypad 8, the data directory removed, Escape.
//   "solve-then-signal": keypad 4, keypad 8, then SIGTERM.
//   "solve-then-signal-in-search": keypad 4, keypad 8, then a long search and SIGTERM in it.
[[noreturn]] void RunScriptedProgram(const char* script);

}  // namespace tq::test
