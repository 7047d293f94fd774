// trommelquirl-cli: the puzzle, its search and its solutions file from a terminal.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/end_signals.h"
#include "cli/input.h"
#include "cli/output.h"

int main(int argc, char** argv) {
  // Before any thread starts, so that only the watching thread takes these signals.
  tq::cli::WatchEndSignals();
  // A file-size limit then fails a save like any other write error instead of killing us, and
  // a reader that went away fails the output: the command stops and saves what it found.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  tq::cli::CheckedOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  tq::cli::WakeableInput input(STDIN_FILENO, tq::cli::EndSignalWakeFd());
  std::istream in(&input);
  tq::cli::Console console{out, std::cerr, in, ::isatty(STDERR_FILENO) == 1};
  const int status = tq::cli::RunCommandLine(console, args);
  out.flush();
  if (output.Finish()) return status;
  return tq::cli::ReportProblem(console, "cannot write the output: " + output.Problem());
}
