// The Qt platform the program asks for in each kind of session, and what it says when none opens.
#include <gtest/gtest.h>

#include "ui/qt/no_display.h"
#include "ui/qt/platform_choice.h"

namespace tq {
namespace {

TEST(PlatformChoice, PrefersAnXDisplayAndAlwaysRespectsTheUsersOwnSetting) {
  // A plain X11 session, and a Wayland session with XWayland: X11, Wayland as the fallback.
  EXPECT_EQ(ChoosePlatform({nullptr, ":0", nullptr}), "xcb");
  EXPECT_EQ(ChoosePlatform({nullptr, ":0", "wayland-0"}), "xcb;wayland");
  EXPECT_EQ(ChoosePlatform({"", ":1", "wayland-0"}), "xcb;wayland");
  // A Wayland session without XWayland.
  EXPECT_EQ(ChoosePlatform({nullptr, nullptr, "wayland-0"}), "wayland");
  EXPECT_EQ(ChoosePlatform({nullptr, "", "wayland-0"}), "wayland");
  // The user's own choice, or no display at all: Qt decides.
  EXPECT_EQ(ChoosePlatform({"wayland", ":0", "wayland-0"}), "");
  EXPECT_EQ(ChoosePlatform({"offscreen", nullptr, nullptr}), "");
  EXPECT_EQ(ChoosePlatform({nullptr, nullptr, nullptr}), "");
}

TEST(PlatformChoice, WithoutADisplayTheLineNamesWhatWasLookedFor) {
  EXPECT_EQ(NoDisplayLine("trommelquirl", {nullptr, "", nullptr}),
            "trommelquirl: no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set");
  EXPECT_EQ(NoDisplayLine("trommelquirl", {nullptr, ":5", "wayland-1"}),
            "trommelquirl: cannot open the display: DISPLAY=:5 WAYLAND_DISPLAY=wayland-1 does not answer");
  // The user's own choice is what failed, whatever displays there are.
  EXPECT_EQ(NoDisplayLine("trommelquirl", {"vnc", ":5", nullptr}),
            "trommelquirl: cannot open a display on the Qt platform \"vnc\" that QT_QPA_PLATFORM asks for");
}

}  // namespace
}  // namespace tq
