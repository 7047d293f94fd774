// Telling a layout that the moves can reach from one they cannot.
#pragma once

#include <string>
#include <string_view>

namespace tq {

// "" for a layout of 26 spaces and digits 0 to 5 with the start position's ball counts and its
// three empty slots all in row 0 or all in row 5 of the long columns: exactly the layouts some
// moves make from the start. Otherwise what is wrong, in words such as "layout has 25
// characters, needs 26".
std::string LayoutProblem(std::string_view layout);

}  // namespace tq
