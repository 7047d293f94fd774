// The Qt platform the program asks for in each kind of session.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tq
