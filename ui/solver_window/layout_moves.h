// Which way the long columns stand in a layout held as text: for naming and drawing a slide.
// (The moves themselves are the solving session's: session/solving_session.h.)
#pragma once

#include <string_view>

namespace tq::solver_window {

// True when the long columns stand up (their empty slots in row 5), so that a slide moves them
// down. Reads the text only; any thread.
bool LongColumnsUp(std::string_view layout);

}  // namespace tq::solver_window
