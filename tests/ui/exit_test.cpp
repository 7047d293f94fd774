// Escape ends the program with exit code 0 after saving what it found: run as a child process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <filesystem>

#include "model/field.h"
#include "model/moves.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"
#include "tests/ui/scripted_program.h"

namespace tq {
namespace {

// Runs this test binary as the program with `script`, HOME and XDG_DATA_HOME in `home`.
int RunScript(const std::string& script, const std::string& home) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(test::ScriptVariable, QString::fromStdString(script));
  environment.insert("HOME", QString::fromStdString(home));
  environment.insert("XDG_DATA_HOME", QString::fromStdString(home + "/data"));
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QCoreApplication::applicationFilePath(), {});
  if (!program.waitForFinished(120'000)) {
    program.kill();
    program.waitForFinished();
    return -1;
  }
  return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
}

std::string LayoutAfterUpperHalfLeft() {
  LayoutToField(StartLayout);
  RotateRing(0, -1);
  RotateRing(1, -1);
  return FieldToLayout();
}

TEST(ProgramExit, EscapeSavesTheLoadedSolutionsAndExitsWithZero) {
  const test::TempDirectory fresh;
  EXPECT_EQ(RunScript("quit", fresh.Path()), 0);
  EXPECT_TRUE(std::filesystem::exists(fresh.Path() + "/data/trommelquirl/Loesungen.txt"));

  const test::TempDirectory home;
  const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
  std::filesystem::create_directories(directory);
  const std::string remembered = LayoutAfterUpperHalfLeft() + "1\r\n";
  test::WriteWholeFile(directory / "Loesungen.txt", remembered);
  EXPECT_EQ(RunScript("quit", home.Path()), 0);
  EXPECT_EQ(test::ReadWholeFile(directory / "Loesungen.txt"), remembered);
}

TEST(ProgramExit, AStoppedSearchKeepsTheProgramRunningAndTheNextEscapeSavesWhatWasFound) {
  const test::TempDirectory home;
  EXPECT_EQ(RunScript("solve-stop-quit", home.Path()), 0);
  const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
  EXPECT_EQ(test::ReadWholeFile(directory / "Loesungen.txt"), LayoutAfterUpperHalfLeft() + "1\r\n");
  int exports = 0;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    exports += entry.path().filename().string().rfind("L\xC3\xB6sung", 0) == 0;
  }
  EXPECT_EQ(exports, 2);  // "1" and "No Result"
}

}  // namespace
}  // namespace tq
