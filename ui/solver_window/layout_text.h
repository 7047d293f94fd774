// Layouts as the user gives and takes them: pasted or on the command line, and copied.
#pragma once

#include <string>
#include <string_view>

#include "model/layout_check.h"

namespace tq::solver_window {

struct LayoutText {
  // The layout with spaces for empty slots; empty when refused.
  std::string Layout;
  // Length or Character when the text is no layout at all and so refused; otherwise what
  // keeps the layout from being solved, or Kind::None.
  LayoutFault Fault;
  bool Refused() const { return Fault.What == LayoutFault::Kind::Length || Fault.What == LayoutFault::Kind::Character; }
};

// Reads a layout in either spelling (a space or "_" for an empty slot). The line end a copy
// from a terminal or an editor brings along is dropped; nothing else is trimmed, since a layout
// may end in an empty slot.
LayoutText ReadLayoutText(std::string_view text);

// The layout to copy: "_" for every empty slot, so that it survives being pasted where spaces
// are trimmed.
std::string CopiedLayout(std::string_view layout);

}  // namespace tq::solver_window
