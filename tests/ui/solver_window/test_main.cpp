// Entry of the solver window's tests: one QApplication on Qt's offscreen platform, with the
// settings kept away from the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

// Fontconfig keeps a cache for the life of the process that the leak checker cannot see through.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Trommelquirl"));
  QCoreApplication::setApplicationName(QStringLiteral("trommelquirl-solver-tests"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
