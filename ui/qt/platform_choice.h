// Which Qt platform the program asks for, from the environment it starts in.
#pragma once

#include <string>

namespace tq {

// The environment variables that decide; null where a variable is not set.
struct PlatformEnvironment {
  const char* QtPlatform = nullptr;      // QT_QPA_PLATFORM
  const char* XDisplay = nullptr;        // DISPLAY
  const char* WaylandDisplay = nullptr;  // WAYLAND_DISPLAY
};

// The value for Qt's -platform option, or "" to leave the choice to Qt. A user's own
// QT_QPA_PLATFORM always holds. Otherwise an X display, also the one XWayland offers under a
// Wayland compositor, is preferred: there the window can open centred and move itself, which
// Wayland does not allow a program; Wayland stays the fallback when that display does not
// answer. With no X display but a Wayland one, the program runs on Wayland. An empty variable
// counts as unset.
std::string ChoosePlatform(const PlatformEnvironment& environment);

}  // namespace tq
