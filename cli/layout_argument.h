// Layouts given on the command line: read, checked, and refused in one line when wrong.
#pragma once

#include <string>
#include <string_view>

#include "cli/console.h"

namespace tq::cli {

// A layout as typed: "_" stands for a space, which a shell argument makes awkward.
std::string LayoutFromArgument(std::string_view text);

// A layout as the command line prints it: "_" for an empty slot, so that it can be passed on
// as one shell word.
std::string ShownLayout(std::string_view layout);

// Reads a layout argument into `layout`, or reports its problem, after `where` (such as
// "line 3: "), and gives false.
bool ReadLayoutArgument(Console& console, std::string_view text, std::string& layout, std::string_view where = "");

}  // namespace tq::cli
