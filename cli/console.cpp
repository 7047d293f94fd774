// Error lines on standard error, all in one shape so that scripts can grep for them.
#include "cli/console.h"

namespace tq::cli {

int ReportProblem(Console& console, std::string_view problem) {
  console.Err << "trommelquirl-cli: " << problem << '\n';
  return ExitRefused;
}

int ReportUsage(Console& console, std::string_view problem, std::string_view usage) {
  ReportProblem(console, problem);
  console.Err << "usage: trommelquirl-cli " << usage << '\n';
  return ExitRefused;
}

}  // namespace tq::cli
