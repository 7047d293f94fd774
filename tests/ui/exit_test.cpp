// Escape ends the program with exit code 0 after saving what it found: run as a child process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/field.h"
#include "model/moves.h"
#include "store/file_lock.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"
#include "tests/ui/scripted_program.h"
#include "tests/ui/ui_support.h"

namespace tq {
namespace {

struct ProgramRun {
  int Code = -1;        // the exit code; -1 when it did not end in time, -2 when killed
  std::string Out;      // its standard output
};

// Starts this test binary as the program with `script`, HOME and XDG_DATA_HOME in `home`,
// and `more` in its environment.
void StartScript(QProcess& program, const std::string& script, const std::string& home,
                 const std::vector<std::pair<QString, QString>>& more = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(test::ScriptVariable, QString::fromStdString(script));
  environment.insert("HOME", QString::fromStdString(home));
  environment.insert("XDG_DATA_HOME", QString::fromStdString(home + "/data"));
  for (const auto& [name, value] : more) environment.insert(name, value);
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  program.start(QCoreApplication::applicationFilePath(), {});
}

ProgramRun FinishScript(QProcess& program, int patience = 120'000) {
  ProgramRun run;
  if (!program.waitForFinished(patience)) {
    program.kill();
    program.waitForFinished();
    return run;
  }
  run.Code = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
  run.Out = program.readAllStandardOutput().toStdString();
  return run;
}

ProgramRun RunScript(const std::string& script, const std::string& home,
                     const std::vector<std::pair<QString, QString>>& more = {}) {
  QProcess program;
  StartScript(program, script, home, more);
  return FinishScript(program);
}

std::string LayoutAfterUpperHalfLeft() {
  LayoutToField(StartLayout);
  RotateRing(0, -1);
  RotateRing(1, -1);
  return FieldToLayout();
}

TEST(ProgramExit, EscapeSavesTheLoadedSolutionsAndExitsWithZero) {
  const test::TempDirectory fresh;
  EXPECT_EQ(RunScript("quit", fresh.Path()).Code, 0);
  EXPECT_TRUE(std::filesystem::exists(fresh.Path() + "/data/trommelquirl/Loesungen.txt"));

  const test::TempDirectory home;
  const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
  std::filesystem::create_directories(directory);
  const std::string remembered = LayoutAfterUpperHalfLeft() + "1\r\n";
  test::WriteWholeFile(directory / "Loesungen.txt", remembered);
  EXPECT_EQ(RunScript("quit", home.Path()).Code, 0);
  EXPECT_EQ(test::ReadWholeFile(directory / "Loesungen.txt"), remembered);
}

TEST(ProgramExit, AStoppedSearchKeepsTheProgramRunningAndTheNextEscapeSavesWhatWasFound) {
  const test::TempDirectory home;
  EXPECT_EQ(RunScript("solve-stop-quit", home.Path()).Code, 0);
  const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
  EXPECT_EQ(test::ReadWholeFile(directory / "Loesungen.txt"), LayoutAfterUpperHalfLeft() + "1\r\n");
  EXPECT_EQ(test::ExportedTexts(directory).size(), 2u);  // "1" and "No Result"
}

// A signal while idle or in a search saves what was found; a search is stopped first and
// its command finishes (its time, its result, its export file), then the program ends.
TEST(ProgramExit, ASignalSavesWhatWasFoundWhetherIdleOrSearching) {
  for (const std::string script : {"solve-then-signal", "solve-then-signal-in-search"}) {
    const test::TempDirectory home;
    const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
    EXPECT_EQ(RunScript(script, home.Path()).Code, -2) << script << ": ended by the signal";
    EXPECT_EQ(test::ReadWholeFile(directory / "Loesungen.txt"), LayoutAfterUpperHalfLeft() + "1\r\n") << script;
    EXPECT_EQ(test::ExportedTexts(directory).size(), script == "solve-then-signal" ? 1u : 2u) << script;
  }
}

// Old content for a file whose save is to fail.
const std::string OldFile = std::string(StartLayout) + "\r\n" + "31100 221134422 554430055 1\r\n";

// The reason first, the file at fault on a line of its own.
std::string NotSavedLine(const std::filesystem::path& file, const std::string& reason) {
  return "Solutions not saved: " + reason + "\n" + file.string() + "\n";
}

// The listed lines with the path's lines, which the list's width may break, put together again.
std::string PathJoined(const std::string& listed) {
  const size_t path = listed.find('\n') + 1;
  std::string joined = listed.substr(0, path);
  for (const char c : listed.substr(path)) {
    if (c != '\n') joined += c;
  }
  return joined + "\n";
}

// The first Escape lists why the save failed and the program goes on; the second ends it.
TEST(ProgramExit, AFailedSaveIsListedOnceAndTheNextEscapeEndsWithoutSaving) {
  const test::TempDirectory home;
  const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
  const std::filesystem::path file = directory / "Loesungen.txt";
  std::filesystem::create_directories(file);
  ProgramRun run = RunScript("quit-twice", home.Path());
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(PathJoined(run.Out), NotSavedLine(file, "Is a directory"));
  EXPECT_TRUE(std::filesystem::is_directory(file));

  std::filesystem::remove(file);
  test::WriteWholeFile(file, OldFile);
  run = RunScript("quit-twice", home.Path(), {{test::FileLimitVariable, "20"}});
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(PathJoined(run.Out), NotSavedLine(file, "File too large"));
  EXPECT_EQ(test::ReadWholeFile(file), OldFile);
  EXPECT_EQ(test::ExportedTexts(directory).size(), 0u);

  // The lock file is named when it is at fault.
  const std::filesystem::path lock = std::filesystem::canonical(directory) / "Loesungen.txt.lock";
  std::filesystem::remove(lock);
  std::filesystem::create_directory(lock);
  run = RunScript("quit-twice", home.Path());
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(PathJoined(run.Out), NotSavedLine(lock, "Lock file: Is a directory"));
  EXPECT_EQ(test::ReadWholeFile(file), OldFile);
}

TEST(ProgramExit, ADataFolderRemovedWhileTheProgramRunsIsMadeAgainAtTheSave) {
  const test::TempDirectory home;
  EXPECT_EQ(RunScript("remove-folder-quit", home.Path()).Code, 0);
  EXPECT_EQ(test::ReadWholeFile(home / "data/trommelquirl/Loesungen.txt"), LayoutAfterUpperHalfLeft() + "1\r\n");
}

// While another program holds the lock, Escape's save says so and the window goes on
// handling events: the save ends once the lock is free, and a signal meanwhile ends the
// program without waiting out the lock.
TEST(ProgramExit, ASaveWaitingForAnotherProgramSaysSoAndASignalEndsTheWait) {
  for (const bool released : {true, false}) {
    const test::TempDirectory home;
    const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
    std::filesystem::create_directories(directory);
    std::string problem;
    FileLock held = FileLock::Take(LockPathFor(std::filesystem::canonical(directory) / "Loesungen.txt"),
                                   FileLock::Mode::Exclusive, std::chrono::milliseconds(0), problem);
    ASSERT_TRUE(held.Held()) << problem;
    QProcess program;
    StartScript(program, "quit-while-held", home.Path());
    for (int wait = 0; wait < 2000 && !std::filesystem::exists(directory / "waiting"); ++wait) ::usleep(10'000);
    ASSERT_TRUE(std::filesystem::exists(directory / "waiting")) << "the window went on during the wait";
    if (released) {
      held.Release();
    } else {
      program.terminate();
    }
    const ProgramRun run = FinishScript(program);
    EXPECT_EQ(run.Out, "Saving waits for another program\n");
    EXPECT_EQ(run.Code, released ? 0 : -2);
    EXPECT_EQ(std::filesystem::exists(directory / "Loesungen.txt"), released);
    if (released) {
      EXPECT_EQ(test::ReadWholeFile(directory / "Loesungen.txt"), LayoutAfterUpperHalfLeft() + "1\r\n");
    }
  }
}

// Permissions bind only an ordinary account: the program drops to one when run as root.
TEST(ProgramExit, AnUnreadableFileOrAReadOnlyDirectoryKeepsTheOldFile) {
  const test::TempDirectory home;
  const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
  const std::filesystem::path file = directory / "Loesungen.txt";
  std::filesystem::create_directories(directory);
  test::WriteWholeFile(file, OldFile);
  for (const std::filesystem::path& place : {std::filesystem::path(home.Path()), directory.parent_path()}) {
    ::chmod(place.c_str(), 0755);  // another account may look in
  }
  ::chmod(directory.c_str(), 0555);  // but nobody may write here
  ::chmod(file.c_str(), 0);
  ProgramRun run = RunScript("quit-twice", home.Path(), {{test::UnprivilegedVariable, "1"}});
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(PathJoined(run.Out), NotSavedLine(file, "Permission denied"));

  ::chmod(file.c_str(), 0644);
  run = RunScript("quit-twice", home.Path(), {{test::UnprivilegedVariable, "1"}});
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(PathJoined(run.Out), NotSavedLine(file, "Permission denied"));
  EXPECT_EQ(test::ReadWholeFile(file), OldFile);
  ::chmod(directory.c_str(), 0755);
}

// A pipe or an endless device as the solutions file: start-up goes on at once, and nothing
// is replaced (the save is refused and said).
TEST(ProgramExit, APipeOrADeviceAsTheFileIsNeitherWaitedForNorReplaced) {
  const test::TempDirectory home;
  const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
  const std::filesystem::path file = directory / "Loesungen.txt";
  std::filesystem::create_directories(directory);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  ProgramRun run = RunScript("quit-twice", home.Path());
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(PathJoined(run.Out), NotSavedLine(file, "Not a regular file"));
  std::filesystem::remove(file);
  std::filesystem::create_symlink("/dev/zero", file);
  run = RunScript("quit-twice", home.Path());
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(PathJoined(run.Out), NotSavedLine(file, "Not a regular file"));
  EXPECT_TRUE(std::filesystem::is_symlink(file));
}

// The desktop program and the command-line tool on one file: each keeps what the other
// found, whichever saves last.
TEST(ProgramExit, TheProgramAndTheCommandLineToolKeepEachOthersSolutions) {
  constexpr int Rounds = 8;
  const std::string twoRight = "34400 551130022 114432255 ";
  for (int round = 0; round < Rounds; ++round) {
    const test::TempDirectory home;
    const std::filesystem::path directory = home.Path() + "/data/trommelquirl";
    const std::filesystem::path file = directory / "Loesungen.txt";
    QProcess program;
    StartScript(program, "solve-wait-quit", home.Path());
    for (int wait = 0; wait < 2000 && !std::filesystem::exists(directory / "ready"); ++wait) ::usleep(10'000);
    ASSERT_TRUE(std::filesystem::exists(directory / "ready"));
    QProcess cli;
    cli.start(TQ_CLI_PATH, {"solve", "--db", QString::fromStdString(file.string()), QString::fromStdString(twoRight)});
    ASSERT_TRUE(cli.waitForFinished(60'000));
    EXPECT_EQ(cli.exitCode(), 0);
    test::WriteWholeFile(directory / "go", "");
    EXPECT_EQ(FinishScript(program).Code, 0);
    EXPECT_EQ(test::ReadWholeFile(file), twoRight + "22\r\n" + LayoutAfterUpperHalfLeft() + "1\r\n") << "round " << round;
  }
}

}  // namespace
}  // namespace tq
