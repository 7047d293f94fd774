// The platform choice: X11 wherever there is an X display, unless the user says otherwise.
#include "ui/qt/platform_choice.h"

namespace tq {

namespace {
bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }
}  // namespace

std::string ChoosePlatform(const PlatformEnvironment& environment) {
  if (IsSet(environment.QtPlatform)) return "";
  const bool wayland = IsSet(environment.WaylandDisplay);
  if (IsSet(environment.XDisplay)) return wayland ? "xcb;wayland" : "xcb";
  return wayland ? "wayland" : "";
}

}  // namespace tq
