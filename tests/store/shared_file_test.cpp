// Several programs on one solutions file: merged saves under the lock, special files that are
// neither read nor replaced, and saves that leave nothing behind even when killed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "store/file_lock.h"
#include "store/safe_file.h"
#include "store/shared_solutions_file.h"
#include "store/solution_table.h"
#include "store_test_support.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq {
namespace {

using test::Layout;
using test::ReadWholeFile;
using test::TempDirectory;
using test::WriteWholeFile;

// One program's list and its view of the file.
struct Writer {
  SolutionTable table;
  SharedSolutionsFile file{std::chrono::milliseconds(200)};
  int32_t Load(const std::string& path) { return file.Load(path, table); }
  void Store(const std::string& layout, const std::string& solution) { file.Store(table, layout, solution); }
  int32_t Save(const std::string& path) { return file.Save(path, table); }
};

class SharedFileTest : public ::testing::Test {
 protected:
  TempDirectory dir;
  const std::string path = dir.File("Loesungen.txt");
  const std::string a = Layout("a"), b = Layout("b"), c = Layout("c"), d = Layout("d");
};

TEST_F(SharedFileTest, EachWritersStoresSurviveTheOthersSavesInTheOrderTheyWereMade) {
  WriteWholeFile(path, a + "55555\n");
  Writer first, second;
  ASSERT_EQ(first.Load(path), 1);
  ASSERT_EQ(second.Load(path), 1);
  first.Store(b, "12");
  ASSERT_EQ(first.Save(path), 1);
  EXPECT_EQ(ReadWholeFile(path), a + "55555\r\n" + b + "12\r\n") << "an unchanged file is written as the list stands";

  second.Store(a, "3");    // shorter: replaces in place
  second.Store(c, "44");
  second.Store(c, "4");    // replaces its own entry again
  ASSERT_EQ(second.Save(path), 1);
  EXPECT_EQ(ReadWholeFile(path), a + "3\r\n" + b + "12\r\n" + c + "4\r\n");
  EXPECT_EQ(second.table.Find(b), "12") << "the merged list is the writer's list from now on";

  first.Store(d, "1");  // its second save merges again, with only the store made since its first
  first.Store(b, "123");
  ASSERT_EQ(first.Save(path), 1);
  EXPECT_EQ(ReadWholeFile(path), a + "3\r\n" + b + "12\r\n" + c + "4\r\n" + d + "1\r\n" + b + "123\r\n");
}

// A caller may store a text it looked up in the list itself. The store can move the list's
// texts, so the merge must replay what the text was, not where it stood.
TEST_F(SharedFileTest, AStoreOfTheListsOwnTextIsReplayedAsItWas) {
  WriteWholeFile(path, a + "55555\r\n");
  Writer writer, other;
  ASSERT_EQ(writer.Load(path), 1);
  ASSERT_EQ(other.Load(path), 1);
  writer.file.Store(writer.table, b, writer.table.Find(a));  // a new entry: the texts grow
  EXPECT_EQ(writer.table.Find(b), "55555");
  other.Store(c, "1");
  ASSERT_EQ(other.Save(path), 1);
  ASSERT_EQ(writer.Save(path), 1);
  EXPECT_EQ(ReadWholeFile(path), a + "55555\r\n" + c + "1\r\n" + b + "55555\r\n");
}

TEST_F(SharedFileTest, AFileThatCouldNotBeReadIsMergedWithOnceItCanBe) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  Writer writer;
  EXPECT_EQ(writer.Load(path), -1) << "a pipe is not read, and the load does not wait for a writer";
  EXPECT_EQ(writer.file.Problem(), "Not a regular file");
  writer.Store(a, "1");
  EXPECT_EQ(writer.Save(path), 0);
  struct stat info {};
  ASSERT_EQ(::lstat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "nothing but a regular file is replaced";

  std::filesystem::remove(path);
  WriteWholeFile(path, b + "2\r\n");
  EXPECT_EQ(writer.Save(path), 1);
  EXPECT_EQ(ReadWholeFile(path), b + "2\r\n" + a + "1\r\n");
}

TEST_F(SharedFileTest, EndlessDevicesLoopsAndDirectoriesAreNeitherReadNorReplaced) {
  const std::string link = dir.File("link.txt");
  std::filesystem::create_symlink("/dev/zero", link);
  Writer writer;
  EXPECT_EQ(writer.Load(link), -1);
  EXPECT_EQ(writer.table.Count(), 0u);
  EXPECT_EQ(writer.Load("/dev/urandom"), -1);

  std::filesystem::create_symlink(dir.File("loop-b"), dir.File("loop-a"));
  std::filesystem::create_symlink(dir.File("loop-a"), dir.File("loop-b"));
  EXPECT_EQ(writer.Load(dir.File("loop-a")), -1);
  EXPECT_EQ(writer.Save(dir.File("loop-a")), 0);
  EXPECT_EQ(writer.file.Problem(), std::strerror(ELOOP));

  std::filesystem::create_directory(path);
  EXPECT_EQ(writer.Save(path), 0);
  EXPECT_EQ(writer.file.Problem(), std::strerror(EISDIR));
  EXPECT_EQ(SharedSolutionsFile::SaveProblem(path), std::strerror(EISDIR));
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(SharedFileTest, ALinkToAFileNotYetThereIsFollowedAndKept) {
  std::filesystem::create_directory(dir.File("real"));
  std::filesystem::create_symlink("real/Loesungen.txt", path);
  Writer writer;
  EXPECT_EQ(writer.Load(path), 0);
  writer.Store(a, "1");
  ASSERT_EQ(writer.Save(path), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(ReadWholeFile(dir.File("real/Loesungen.txt")), a + "1\r\n");
}

TEST_F(SharedFileTest, AStampTakenWithoutKeepingTheBytesIsTheStampOfTheBytesRead) {
  for (const size_t size : {size_t{0}, size_t{1} << 20, (size_t{5} << 19) + 7}) {
    std::string bytes(size, '1');
    for (size_t i = 0; i < size; i += 4099) bytes[i] = static_cast<char>('0' + i % 7);
    WriteWholeFile(path, bytes);
    std::string read, problem;
    FileStamp kept, streamed;
    ASSERT_EQ(ReadRegularFile(path, read, &kept, problem), 1);
    ASSERT_EQ(StampRegularFile(path, streamed, problem), 1);
    EXPECT_EQ(streamed, kept) << size;
    EXPECT_EQ(kept.Hash, HashFileBytes(bytes));
  }
}

TEST_F(SharedFileTest, ASaveWaitsForTheLockAndGivesUpOnAHolderThatHangs) {
  WriteWholeFile(path, a + "1\r\n");
  Writer writer;
  ASSERT_EQ(writer.Load(path), 1);
  writer.Store(b, "2");
  std::string problem;
  FileLock held = FileLock::Take(LockPathFor(path), FileLock::Mode::Exclusive, std::chrono::milliseconds(0), problem);
  ASSERT_TRUE(held.Held()) << problem;
  EXPECT_EQ(writer.Save(path), 0);
  EXPECT_EQ(writer.file.Problem(), "Another program holds the lock " + LockPathFor(path));
  EXPECT_EQ(ReadWholeFile(path), a + "1\r\n");
  held.Release();
  EXPECT_EQ(writer.Save(path), 1);
  EXPECT_EQ(ReadWholeFile(path), a + "1\r\n" + b + "2\r\n");
}

// A load that finds the lock held does not wait when told not to; once the lock is free the
// file is read again, and this run's stores made meanwhile stand on top of it.
TEST_F(SharedFileTest, ALoadThatFoundTheLockHeldIsMadeGoodOnceItIsFree) {
  WriteWholeFile(path, a + "1\r\n");
  std::string problem;
  FileLock held = FileLock::Take(LockPathFor(path), FileLock::Mode::Exclusive, std::chrono::milliseconds(0), problem);
  ASSERT_TRUE(held.Held()) << problem;
  Writer writer;
  int waits = 0;
  writer.file.SetLockWait([&](std::chrono::milliseconds) { return ++waits < 3; });
  EXPECT_EQ(writer.Load(path), -1);
  EXPECT_EQ(waits, 3) << "the wait is given up when the call says so";
  EXPECT_TRUE(writer.file.LockHeld());
  EXPECT_TRUE(writer.file.ProblemInLockFile());
  EXPECT_EQ(writer.file.ProblemReason(), "Another program holds the lock");
  writer.Store(b, "2");
  EXPECT_EQ(writer.file.Reread(path, writer.table), -1) << "still held";

  WriteWholeFile(path, a + "1\r\n" + c + "3\r\n");  // the holder saved meanwhile
  held.Release();
  EXPECT_EQ(writer.file.Reread(path, writer.table), 1);
  EXPECT_FALSE(writer.file.LockHeld());
  EXPECT_EQ(writer.table.Find(c), "3");
  EXPECT_EQ(writer.table.Find(b), "2");
  EXPECT_EQ(writer.file.Reread(path, writer.table), 0) << "read already";
  ASSERT_EQ(writer.Save(path), 1);
  EXPECT_EQ(ReadWholeFile(path), a + "1\r\n" + c + "3\r\n" + b + "2\r\n");
}

// A lock file that cannot serve is named as the file at fault, for a save and for the check
// before one; the solutions file itself is left alone.
TEST_F(SharedFileTest, AFaultOfTheLockFileIsReportedAsTheLockFiles) {
  WriteWholeFile(path, a + "1\r\n");
  const std::string lockPath = LockPathFor(path);
  std::filesystem::create_symlink(lockPath, lockPath);  // a link to itself: a loop
  for (const std::string& why : {std::string(std::strerror(ELOOP)), std::string(std::strerror(EISDIR))}) {
    Writer writer;
    ASSERT_EQ(writer.Load(path), 1) << "a file is read without a lock where none can be made";
    writer.Store(b, "2");
    EXPECT_EQ(writer.Save(path), 0);
    EXPECT_TRUE(writer.file.ProblemInLockFile());
    EXPECT_FALSE(writer.file.LockHeld());
    EXPECT_EQ(writer.file.ProblemFile(), lockPath);
    EXPECT_EQ(writer.file.ProblemReason(), why);
    EXPECT_EQ(writer.file.Problem(), "Lock file " + lockPath + ": " + why);
    EXPECT_EQ(SharedSolutionsFile::SaveProblem(path), writer.file.Problem());
    EXPECT_EQ(ReadWholeFile(path), a + "1\r\n");
    std::filesystem::remove(lockPath);
    std::filesystem::create_directory(lockPath);
  }
}

TEST_F(SharedFileTest, LeftoversOfAKilledSaveGoAtTheNextSaveAndOthersStay) {
  WriteWholeFile(dir.File("Loesungen.txt.new-123-4"), "half a file");
  WriteWholeFile(dir.File("Loesungen.txt.new-mine"), "not ours");
  Writer writer;
  writer.Load(path);
  writer.Store(a, "1");
  ASSERT_EQ(writer.Save(path), 1);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"Loesungen.txt", "Loesungen.txt.lock", "Loesungen.txt.new-mine"}));
}

// Writes a little, then the process is killed, as by kill -9 or a power cut in the middle.
ssize_t DieAfterFirstBytes(int fd, const void* data, size_t size) {
  ::write(fd, data, size < 4096 ? size : 4096);
  ::raise(SIGKILL);
  return -1;
}

TEST_F(SharedFileTest, ASaveKilledPartWayLeavesTheOldFileAndNothingElse) {
  const std::string old = a + "1\r\n";
  WriteWholeFile(path, old);
  const pid_t child = ::fork();
  if (child == 0) {
    Writer writer;
    writer.Load(path);
    for (int i = 0; i < 20000; ++i) writer.Store(Layout(std::to_string(i)), "1234512345");
    WriteToFile = DieAfterFirstBytes;
    writer.Save(path);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(ReadWholeFile(path), old);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"Loesungen.txt", "Loesungen.txt.lock"}));
}

// Two processes each load, store their own layout and save at the same moment, round after
// round; every round's file must hold both, and each save must report success.
TEST_F(SharedFileTest, TwoProcessesSavingAtOnceLoseNothingOverManyRounds) {
  constexpr int Rounds = 150;
  for (int round = 0; round < Rounds; ++round) {
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
      children[k] = ::fork();
      if (children[k] == 0) {
        ::close(gate[1]);
        Writer writer;
        writer.file = SharedSolutionsFile(std::chrono::milliseconds(10'000));
        const bool loaded = writer.Load(path) >= 0;
        char go;
        ::read(gate[0], &go, 1);  // returns once the parent closes its end: both start together
        writer.Store(Layout(std::to_string(round) + "-" + std::to_string(k)), std::to_string(k + 1));
        ::_exit(loaded && writer.Save(path) == 1 ? 0 : 1);
      }
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (pid_t child : children) {
      int status = 0;
      ::waitpid(child, &status, 0);
      ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
  }
  Writer reader;
  ASSERT_EQ(reader.Load(path), 1);
  EXPECT_EQ(reader.table.Count(), 2u * Rounds);
  for (int round = 0; round < Rounds; ++round) {
    for (int k = 0; k < 2; ++k) {
      EXPECT_EQ(reader.table.Find(Layout(std::to_string(round) + "-" + std::to_string(k))), std::to_string(k + 1));
    }
  }
}

}  // namespace
}  // namespace tq
