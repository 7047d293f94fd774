// Solution texts given on the command line: only move digits, refused in one line otherwise.
#pragma once

#include <string>
#include <string_view>

#include "cli/console.h"

namespace tq::cli {

// "" when every character of `text` is a move digit 1 to 5 (the empty text is no moves);
// otherwise the problem, naming the first other character and its position from 1.
std::string SolutionProblem(std::string_view text);

// True for a text of move digits; otherwise reports its problem and gives false.
bool CheckSolutionArgument(Console& console, std::string_view text);

}  // namespace tq::cli
