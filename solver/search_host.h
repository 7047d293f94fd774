// What the search needs from whoever runs it (the window, a terminal, a test): a place for its
// lines, a progress bar, a chance to handle events, a redraw, and a millisecond clock.
#pragma once

#include <cstdint>
#include <string_view>

namespace tq {

// The host's operations, installed as a table so that the search depends on no host: the
// desktop program installs its window's at start-up, the command-line tool and the tests a
// headless one. Until a host is installed a quiet one stands in: it shows nothing, handles
// no events and tells the real time.
struct SearchHost {
  // Appends a line to the result list; the list does not scroll to it.
  int32_t (*AddListLine)(std::string_view text);
  // Moves the progress bar (range 0 to 300; values outside are clamped by the bar).
  int32_t (*SetSearchProgress)(int32_t value);
  // Handles pending events without waiting, then returns. Commands may run inside it.
  int32_t (*DrainEvents)();
  // Draws the current Field, shows it and drains pending events.
  int32_t (*RefreshField)();
  // Milliseconds since some fixed moment; wraps around after 2^32.
  uint32_t (*TickCount)();
};

// From now on every search reports to `host`. Install on the thread that searches, while no
// search runs.
void InstallSearchHost(const SearchHost& host);
// The host installed last, or the quiet one.
const SearchHost& InstalledSearchHost();

// The real millisecond clock (a steady one, blind to changes of the date), as the program's
// hosts tell it.
uint32_t TickCount();

}  // namespace tq
