// Where a command writes, its exit statuses, and the two ways it refuses input.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

namespace tq::cli {

struct Console {
  std::ostream& Out;
  std::ostream& Err;
  std::istream& In;
  bool ErrIsTerminal = false;  // progress lines go to standard error only when someone watches
};

inline constexpr int ExitOk = 0;
// "No Result" from solve, failed entries from verify.
inline constexpr int ExitNegative = 1;
// Bad input or a file that cannot be read or saved.
inline constexpr int ExitRefused = 2;

// One line "trommelquirl-cli: problem" on standard error, with the problem's unprintable
// bytes escaped (cli/shown_text.h); gives ExitRefused.
int ReportProblem(Console& console, std::string_view problem);
// The problem line followed by the usage line of the command; gives ExitRefused.
int ReportUsage(Console& console, std::string_view problem, std::string_view usage);

}  // namespace tq::cli
