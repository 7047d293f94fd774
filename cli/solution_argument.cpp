// A digit that is no move would otherwise be skipped without a word, and the user would take
// the layout reached, or the names listed, for the whole solution's.
#include "cli/solution_argument.h"

#include <string>

namespace tq::cli {

std::string SolutionProblem(std::string_view text) {
  const size_t bad = text.find_first_not_of("12345");
  if (bad == std::string_view::npos) return "";
  return "solution character " + std::to_string(bad + 1) + " is '" + std::string(1, text[bad]) +
         "', not a move 1 to 5";
}

bool CheckSolutionArgument(Console& console, std::string_view text) {
  const std::string problem = SolutionProblem(text);
  if (problem.empty()) return true;
  ReportProblem(console, problem);
  return false;
}

}  // namespace tq::cli
