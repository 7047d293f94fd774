// Telling a layout that the moves can reach from one they cannot, and placing it on the Field.
#pragma once

#include <string>
#include <string_view>

#include "cli/console.h"

namespace tq::cli {

// A layout as typed: "_" stands for a space, which a shell argument makes awkward.
std::string LayoutFromArgument(std::string_view text);

// "" for a layout of 26 spaces and digits 0 to 5 with the start position's ball counts and its
// three empty slots all in row 0 or all in row 5 of the long columns; otherwise what is wrong,
// worded to follow "trommelquirl-cli: ".
std::string LayoutProblem(std::string_view layout);

// Reads a layout argument into `layout`, or reports its problem and gives false.
bool ReadLayoutArgument(Console& console, std::string_view text, std::string& layout);

// Sets the Field from a layout and SlideState from the Field.
void PlaceLayout(std::string_view layout);

}  // namespace tq::cli
