// trommelquirl-cli: the puzzle, its search and its solutions file from a terminal.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/output.h"

int main(int argc, char** argv) {
  // A file-size limit then fails a save like any other write error instead of killing us.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  tq::cli::CheckedOutput output(1);
  std::ostream out(&output);
  tq::cli::Console console{out, std::cerr, std::cin, ::isatty(STDERR_FILENO) == 1};
  const int status = tq::cli::RunCommandLine(console, args);
  out.flush();
  if (output.Finish()) return status;
  return tq::cli::ReportProblem(console, "cannot write the output: " + output.Problem());
}
