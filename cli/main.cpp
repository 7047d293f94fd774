// trommelquirl-cli: the puzzle, its search and its solutions file from a terminal.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  tq::cli::Console console{std::cout, std::cerr};
  return tq::cli::RunCommandLine(console, args);
}
