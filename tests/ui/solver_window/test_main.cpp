// Entry of the solver window's tests: one QApplication on Qt's offscreen platform, with the
// settings kept away from the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Trommelquirl"));
  QCoreApplication::setApplicationName(QStringLiteral("trommelquirl-solver-tests"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
