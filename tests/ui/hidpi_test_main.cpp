// Entry of the tests at device pixel ratio 2: Qt's offscreen platform at scale factor 2.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/window_toolkit.h"

// Fontconfig keeps a cache for the life of the process that the leak checker cannot see through.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv) {
  // ctest's test discovery runs this binary without the test environment.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_SCALE_FACTOR", "2", 1);
  tq::StartToolkit();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
