// Layout arguments: underscores for spaces, then the model's check of what the moves can reach.
#include "cli/layout_argument.h"

#include <algorithm>

#include "model/layout_check.h"

namespace tq::cli {

std::string LayoutFromArgument(std::string_view text) {
  std::string layout(text);
  std::ranges::replace(layout, '_', ' ');
  return layout;
}

std::string ShownLayout(std::string_view layout) {
  std::string shown(layout);
  std::ranges::replace(shown, ' ', '_');
  return shown;
}

bool ReadLayoutArgument(Console& console, std::string_view text, std::string& layout, std::string_view where) {
  layout = LayoutFromArgument(text);
  const std::string problem = LayoutProblem(layout);
  if (problem.empty()) return true;
  ReportProblem(console, std::string(where) + problem);
  return false;
}

}  // namespace tq::cli
