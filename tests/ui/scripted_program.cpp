// Scripts of key presses played inside the program's own event loop.
#include "tests/ui/scripted_program.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/field.h"
#include "store/data_directory.h"
#include "tests/support/whole_file.h"
#include "tests/ui/ui_support.h"
#include "ui/startup.h"
#include "ui/window_toolkit.h"

namespace tq::test {

namespace {

void SolveOneLeft() {
  PressKeypad(4);
  PressKeypad(8);
}

void StartLongSearch(void (*duringIt)()) {
  LayoutToField(LongSearchLayout);
  SlideState = ReadSlideState();
  QTimer::singleShot(200, duringIt);  // fires inside the search's event draining
  PressKeypad(8);
}

void SolveStopQuit() {
  SolveOneLeft();
  StartLongSearch([] { PressEscape(); });
  PressEscape();
}

// Escape, the listed lines on standard output, Escape: for saves that fail.
void QuitTwice() {
  if (const char* limit = std::getenv(FileLimitVariable)) {
    const rlim_t bytes = std::strtoull(limit, nullptr, 10);
    const rlimit fileSize{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
  }
  PressEscape();
  for (const std::string& line : ListedLines()) std::printf("%s\n", line.c_str());
  std::fflush(stdout);
  PressEscape();
}

// Tells the test it has found its solution, then waits for the test's word to quit.
void SolveWaitQuit() {
  SolveOneLeft();
  const std::filesystem::path directory = DataDirectoryPath();
  WriteWholeFile(directory / "ready", "");
  while (!std::filesystem::exists(directory / "go")) {
    DrainEventsNow();
    ::usleep(5000);
  }
  PressEscape();
}

// Escape while the test holds the lock: the list's last line on standard output and a file
// "waiting" in the data directory, from inside the save's wait.
void QuitWhileHeld() {
  SolveOneLeft();
  QTimer::singleShot(300, [] {
    std::printf("%s\n", ListedLines().back().c_str());
    std::fflush(stdout);
    WriteWholeFile(std::filesystem::path(DataDirectoryPath()) / "waiting", "");
  });
  PressEscape();
}

// The signal scripts leave the ending to the signal.
void PlayScript(std::string_view name) {
  if (name == "solve-then-signal") {
    SolveOneLeft();
    std::raise(SIGTERM);
    return;
  }
  if (name == "solve-then-signal-in-search") {
    SolveOneLeft();
    StartLongSearch([] { std::raise(SIGTERM); });
    return;
  }
  if (name == "solve-stop-quit") SolveStopQuit();
  if (name == "quit-twice") QuitTwice();
  if (name == "solve-wait-quit") SolveWaitQuit();
  if (name == "quit-while-held") QuitWhileHeld();
  if (name == "remove-folder-quit") {
    SolveOneLeft();
    std::filesystem::remove_all(DataDirectoryPath());
  }
  PressEscape();
}

}  // namespace

void RunScriptedProgram(const char* script) {
  // As root, an unprivileged account, so that permissions bind.
  if (std::getenv(UnprivilegedVariable) != nullptr && ::geteuid() == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(97);
  }
  StartToolkit();
  StartProgram();
  const std::string_view name = script;
  QTimer::singleShot(0, [name] { PlayScript(name); });
  for (;;) WaitForEvent();
}

}  // namespace tq::test
