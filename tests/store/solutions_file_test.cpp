// The solutions file on disk: what loading reports, and a save that never loses the old file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include "store/safe_file.h"
#include "store/solutions.h"
#include "store_test_support.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq {
namespace {

using test::Layout;
using test::ListedEntries;
using test::Pairs;
using test::ReadWholeFile;
using test::TempDirectory;
using test::WriteWholeFile;

const std::string OldBytes = Layout("30000 111132222 444435555") + "1212\r\n" + Layout("0") + "5\n";

class SolutionsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SolutionsFile = dir.File("Loesungen.txt");
    ClearSolutions();
  }
  void TearDown() override { WriteToFile = ::write; }

  // Loads the old file, stores one more entry, and tries to save.
  int32_t ChangeAndSave() {
    LoadSolutions();
    StoreSolution(Layout("4"), "34");
    return SaveSolutions();
  }
  void ExpectOldFileUntouched() {
    EXPECT_EQ(ReadWholeFile(SolutionsFile), OldBytes);
    EXPECT_EQ(dir.Names(), FileAndLock);
  }
  const std::vector<std::string> FileAndLock{"Loesungen.txt", "Loesungen.txt.lock"};

  TempDirectory dir;
};

// Runs check in a child process and gives its result (-1 to 1; 97 when the child failed).
int32_t RunInChild(int32_t (*check)(), bool dropRoot = false) {
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = !dropRoot || ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
    ::_exit(dropped ? check() + 1 : 98);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) - 1 : 97;
}

// As root the child drops to an ordinary account first, since permissions do not bind root.
int32_t RunWithoutRoot(int32_t (*check)()) { return RunInChild(check, true); }

TEST_F(SolutionsFileTest, LoadReportsWhetherAFileWasRead) {
  StoreSolution(Layout("1"), "1");
  EXPECT_EQ(LoadSolutions(), 0);
  EXPECT_EQ(SolutionCount(), 0u);

  WriteWholeFile(SolutionsFile, OldBytes);
  EXPECT_EQ(LoadSolutions(), 1);
  EXPECT_EQ(ListedEntries(), (Pairs{{Layout("30000 111132222 444435555"), "1212"}, {Layout("0"), "5"}}));
  EXPECT_EQ(LookupSolution(Layout("0")), "5");

  SolutionsFile = dir.Path();
  EXPECT_EQ(LoadSolutions(), -1);
  EXPECT_EQ(SolutionCount(), 0u);
}

TEST_F(SolutionsFileTest, LoadReportsAFileItMayNotRead) {
  WriteWholeFile(SolutionsFile, OldBytes);
  ::chmod(dir.Path().c_str(), 0755);
  ::chmod(SolutionsFile.c_str(), 0);
  EXPECT_EQ(RunWithoutRoot([] { return LoadSolutions() == -1 && SolutionCount() == 0 ? 1 : 0; }), 1);
}

TEST_F(SolutionsFileTest, AFileThatCouldNotBeReadIsNeverReplaced) {
  WriteWholeFile(SolutionsFile, OldBytes);
  ::chmod(dir.Path().c_str(), 0777);
  ::chmod(SolutionsFile.c_str(), 0222);  // writable, not readable
  EXPECT_EQ(RunWithoutRoot([] {
              const bool unread = LoadSolutions() == -1;
              StoreSolution(std::string(26, '1'), "1");
              return unread && SaveSolutions() == 0 ? 1 : 0;
            }),
            1);
  ::chmod(SolutionsFile.c_str(), 0644);
  EXPECT_EQ(ReadWholeFile(SolutionsFile), OldBytes);
  EXPECT_EQ(LoadSolutions(), 1);
  EXPECT_EQ(SaveSolutions(), 1) << "a later load that reads the file lifts the guard";
}

TEST_F(SolutionsFileTest, SaveWritesEveryEntryWithCrLf) {
  EXPECT_EQ(SaveSolutions(), 1);
  EXPECT_EQ(ReadWholeFile(SolutionsFile), "");

  WriteWholeFile(SolutionsFile, OldBytes);
  EXPECT_EQ(ChangeAndSave(), 1);
  EXPECT_EQ(ReadWholeFile(SolutionsFile),
            Layout("30000 111132222 444435555") + "1212\r\n" + Layout("0") + "5\r\n" + Layout("4") + "34\r\n");
  EXPECT_EQ(dir.Names(), FileAndLock);
}

TEST_F(SolutionsFileTest, SaveKeepsTheFilesPermissionsAndFollowsALink) {
  const std::string real = dir.File("real.txt");
  WriteWholeFile(real, OldBytes);
  ::chmod(real.c_str(), 0640);
  std::filesystem::create_symlink(real, SolutionsFile);
  EXPECT_EQ(ChangeAndSave(), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(SolutionsFile));
  EXPECT_EQ(ReadWholeFile(real).size(), OldBytes.size() + 1 + 28 + 2);
  struct stat info {};
  ::stat(real.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SolutionsFileTest, FailedSaveLeavesNothingBehind) {
  SolutionsFile = dir.File("missing/Loesungen.txt");
  StoreSolution(Layout("1"), "1");
  EXPECT_EQ(SaveSolutions(), 0);
  EXPECT_TRUE(dir.Names().empty());

  SolutionsFile = dir.File("Loesungen.txt");
  std::filesystem::create_directory(SolutionsFile);
  EXPECT_EQ(SaveSolutions(), 0);
  EXPECT_TRUE(std::filesystem::is_directory(SolutionsFile));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"Loesungen.txt"});
}

TEST_F(SolutionsFileTest, SaveIntoAReadOnlyDirectoryKeepsTheOldFile) {
  WriteWholeFile(SolutionsFile, OldBytes);
  ::chmod(SolutionsFile.c_str(), 0666);  // writable itself: only the directory forbids the save
  ::chmod(dir.Path().c_str(), 0555);
  EXPECT_EQ(RunWithoutRoot([] {
              LoadSolutions();
              StoreSolution(Layout("4"), "34");
              return SaveSolutions();
            }),
            0);
  EXPECT_EQ(ReadWholeFile(SolutionsFile), OldBytes);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"Loesungen.txt"});
}

// Writes a few bytes, then reports a full disk.
ssize_t FillDiskAfterFewBytes(int fd, const void* data, size_t size) {
  static size_t written = 0;
  if (written >= 10) {
    written = 0;
    errno = ENOSPC;
    return -1;
  }
  const ssize_t put = ::write(fd, data, std::min<size_t>(size, 10 - written));
  written += static_cast<size_t>(put);
  return put;
}

TEST_F(SolutionsFileTest, WriteFailingPartWayKeepsTheOldFile) {
  WriteWholeFile(SolutionsFile, OldBytes);
  WriteToFile = FillDiskAfterFewBytes;
  EXPECT_EQ(ChangeAndSave(), 0);
  ExpectOldFileUntouched();
}

TEST_F(SolutionsFileTest, FileSizeLimitPartWayKeepsTheOldFile) {
  WriteWholeFile(SolutionsFile, OldBytes);
  LoadSolutions();
  for (int i = 0; i < 2000; ++i) StoreSolution(Layout(std::to_string(i)), "1234512345");
  EXPECT_EQ(RunInChild([] {
              std::signal(SIGXFSZ, SIG_IGN);
              const rlimit limit{4096, 4096};
              ::setrlimit(RLIMIT_FSIZE, &limit);
              return SaveSolutions();
            }),
            0);
  ExpectOldFileUntouched();
}

}  // namespace
}  // namespace tq
