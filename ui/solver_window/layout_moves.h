// The model's moves on a layout held as text, for a window that keeps many positions at once.
#pragma once

#include <string>
#include <string_view>

namespace tq::solver_window {

// The layout after move code 1 to 5; any other code leaves it as it is. Works through the
// model's one Field, so call it from one thread only.
std::string LayoutAfterMove(std::string_view layout, int code);
// True when the long columns stand up (their empty slots in row 5), so that a slide moves them down.
bool LongColumnsUp(std::string_view layout);
// The layout after `count` random moves, drawn by the model's scrambler.
std::string ScrambledLayout(std::string_view layout, int count);

}  // namespace tq::solver_window
