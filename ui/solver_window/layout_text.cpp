// Reading pasted layouts in both spellings, and writing the one that is copied.
#include "ui/solver_window/layout_text.h"

#include <algorithm>

namespace tq::solver_window {

LayoutText ReadLayoutText(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  std::string layout(text);
  std::ranges::replace(layout, '_', ' ');
  LayoutText read{layout, FindLayoutFault(layout)};
  if (read.Refused()) read.Layout.clear();
  return read;
}

std::string CopiedLayout(std::string_view layout) {
  std::string copied(layout);
  std::ranges::replace(copied, ' ', '_');
  return copied;
}

}  // namespace tq::solver_window
