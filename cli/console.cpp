// Error lines on standard error, all in one shape so that scripts can grep for them.
#include "cli/console.h"

#include "cli/shown_text.h"

namespace tq::cli {

// Problems repeat arguments and file names as given: shown escaped, they cannot steer the terminal.
int ReportProblem(Console& console, std::string_view problem) {
  console.Err << "trommelquirl-cli: " << ShownText(problem) << '\n';
  return ExitRefused;
}

int ReportUsage(Console& console, std::string_view problem, std::string_view usage) {
  ReportProblem(console, problem);
  console.Err << "usage: trommelquirl-cli " << usage << '\n';
  return ExitRefused;
}

}  // namespace tq::cli
