// The window operations the search and the commands need. The desktop program implements
// them on Qt; the headless implementation serves the tests and the command-line tool.
#pragma once

#include <cstdint>
#include <string_view>

namespace tq {

// Appends a line to the result list; the list does not scroll to it.
int32_t AddListLine(std::string_view text);
// Empties the result list.
int32_t ClearResultList();
// Moves the progress bar (range 0 to 300; values outside are clamped by the bar).
int32_t SetSearchProgress(int32_t value);
// Handles pending window events without waiting, then returns.
int32_t DrainEvents();
// Draws the current Field, shows it and drains pending events.
int32_t RefreshField();
// Milliseconds since some fixed moment; wraps around after 2^32.
uint32_t TickCount();

}  // namespace tq
