// The table's file: saved and loaded back whole, refused unless intact, rebuilt when refused,
// and left whole when two processes write it at once.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "test_tables.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq::optimal::test {
namespace {

using tq::test::ReadWholeFile;
using tq::test::TempDirectory;
using tq::test::WriteWholeFile;

constexpr size_t HeaderBytes = 32;

bool SameEntries(const PatternTable& a, const PatternTable& b) {
  return a.EntryCount() == b.EntryCount() && std::memcmp(a.Entries(), b.Entries(), a.EntryCount()) == 0;
}

class TableFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SmallTable().Save(path));
    saved = ReadWholeFile(path);
  }
  TableLoad LoadWith(const std::string& bytes) {
    WriteWholeFile(path, bytes);
    return PatternTable::Load(path, TableKind::Small);
  }

  TempDirectory directory;
  const std::string path = directory.File("table");
  std::string saved;
};

TEST_F(TableFile, LoadsBackEntryForEntry) {
  const TableLoad load = PatternTable::Load(path, TableKind::Small);
  ASSERT_EQ(load.Status, LoadStatus::Loaded);
  EXPECT_TRUE(SameEntries(*load.Table, SmallTable()));
  EXPECT_EQ(saved.size(), HeaderBytes + SmallTable().EntryCount());
  EXPECT_EQ(directory.Names(), std::vector<std::string>{"table"});  // nothing left beside it
}

TEST_F(TableFile, RefusesEveryFileThatIsNotAnIntactTableOfItsKind) {
  EXPECT_EQ(PatternTable::Load(directory.File("none"), TableKind::Small).Status, LoadStatus::Missing);
  EXPECT_EQ(PatternTable::Load(directory.Path(), TableKind::Small).Status, LoadStatus::Unreadable);
  EXPECT_EQ(PatternTable::Load(path, TableKind::Full).Status, LoadStatus::Foreign);
  EXPECT_EQ(LoadWith(saved.substr(0, saved.size() - 1)).Status, LoadStatus::Damaged);
  EXPECT_EQ(LoadWith(saved.substr(0, 20)).Status, LoadStatus::Damaged);
  EXPECT_EQ(LoadWith(saved + '\0').Status, LoadStatus::Damaged);
  std::string flipped = saved;
  flipped[HeaderBytes + 123456] ^= 1;
  EXPECT_EQ(LoadWith(flipped).Status, LoadStatus::Damaged);
  std::string otherVersion = saved;
  otherVersion[8] = 2;
  EXPECT_EQ(LoadWith(otherVersion).Status, LoadStatus::Foreign);
  EXPECT_EQ(LoadWith("30000 111132222 444435555 1\r\n" + std::string(100, 'x')).Status, LoadStatus::Foreign);
  EXPECT_EQ(LoadWith("").Status, LoadStatus::Damaged);
}

TEST_F(TableFile, LoadOrBuildRebuildsARefusedFileInItsPlace) {
  WriteWholeFile(path, saved.substr(0, saved.size() / 2));
  const CachedTable rebuilt = LoadOrBuild(path, TableKind::Small, 2);
  EXPECT_EQ(rebuilt.FileStatus, LoadStatus::Damaged);
  EXPECT_EQ(rebuilt.Source, TableSource::BuiltAndSaved);
  EXPECT_TRUE(SameEntries(*rebuilt.Table, SmallTable()));
  EXPECT_EQ(ReadWholeFile(path), saved);
  const CachedTable again = LoadOrBuild(path, TableKind::Small, 2);
  EXPECT_EQ(again.Source, TableSource::Loaded);

  // A missing directory is made.
  const CachedTable deeper = LoadOrBuild(directory.File("a/b/table"), TableKind::Small, 1);
  EXPECT_EQ(deeper.Source, TableSource::BuiltAndSaved);
  EXPECT_EQ(deeper.FileStatus, LoadStatus::Missing);
}

TEST_F(TableFile, LoadOrBuildWithoutAPlaceToWriteBuildsInMemory) {
  WriteWholeFile(directory.File("file"), "x");
  const CachedTable table = LoadOrBuild(directory.File("file/table"), TableKind::Small, 2);
  EXPECT_EQ(table.Source, TableSource::BuiltNotSaved);
  EXPECT_TRUE(SameEntries(*table.Table, SmallTable()));
  EXPECT_EQ(ReadWholeFile(directory.File("file")), "x");
}

// A file-size limit kills the writer part way through, as a kill -9 would, at a known point.
TEST_F(TableFile, AWriterKilledPartWayLeavesTheOldFileAndNothingBesideIt) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    SmallTable().Save(path);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the writer was not cut short";
  EXPECT_EQ(directory.Names(), std::vector<std::string>{"table"});
  EXPECT_EQ(ReadWholeFile(path), saved);
}

// What a writer left that was killed after its file got a name goes at the next save; what a
// writer still running has there, and files of other names, stay.
TEST_F(TableFile, ASaveRemovesOnlyWhatEndedWritersLeft) {
  pid_t ended = ::fork();
  ASSERT_GE(ended, 0);
  if (ended == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
  const std::string killed = "table.new-" + std::to_string(ended) + "-1";
  const std::string running = "table.new-1-1";  // the first process runs as long as the system does
  for (const std::string& name : {killed, running, std::string("table.new-x-1"), std::string("table.old")}) {
    WriteWholeFile(directory.File(name), "part");
  }
  ASSERT_TRUE(SmallTable().Save(path));
  EXPECT_EQ(directory.Names(), (std::vector<std::string>{"table", "table.new-1-1", "table.new-x-1", "table.old"}));
  EXPECT_EQ(ReadWholeFile(path), saved);
}

TEST_F(TableFile, TwoProcessesBuildingAtOnceLeaveAGoodFile) {
  const std::string shared = directory.File("cache/table");
  pid_t children[2];
  for (pid_t& child : children) {
    child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const CachedTable table = LoadOrBuild(shared, TableKind::Small, 1);
      ::_exit(table.Source == TableSource::BuiltAndSaved || table.Source == TableSource::Loaded ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const TableLoad load = PatternTable::Load(shared, TableKind::Small);
  ASSERT_EQ(load.Status, LoadStatus::Loaded);
  EXPECT_TRUE(SameEntries(*load.Table, SmallTable()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.File("cache")), {}), 1);
}

}  // namespace
}  // namespace tq::optimal::test
