// The table's file is a cache, the program's own: a link in its place is replaced and never
// written through, and every file that cannot be read or kept is refused with the system's words.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>

#include "store/safe_file.h"
#include "test_tables.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq::optimal::test {
namespace {

using tq::test::ReadWholeFile;
using tq::test::TempDirectory;
using tq::test::WriteWholeFile;

class CacheFile : public ::testing::Test {
 protected:
  CachedTable Cache() { return LoadOrBuild(path, TableKind::Small, 2); }
  // The file at path is a regular file holding the table, and loads.
  void ExpectTableInPlace() {
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path))) << "still a link";
    EXPECT_EQ(PatternTable::Load(path, TableKind::Small).Status, LoadStatus::Loaded);
  }

  TempDirectory directory;
  const std::string path = directory.File("optimal-small.table");
};

TEST_F(CacheFile, ALinkInTheTablesPlaceIsReplacedAndWhatItPointsAtKept) {
  WriteWholeFile(directory.File("victim"), "precious\n");
  const std::function<void()> links[] = {
      [&] { std::filesystem::create_symlink("victim", path); },
      [&] {  // a chain of two links
        std::filesystem::create_symlink("victim", directory.File("middle"));
        std::filesystem::create_symlink("middle", path);
      },
      [&] { std::filesystem::create_symlink("absent/place", path); },  // pointing nowhere
      [&] { std::filesystem::create_symlink(path, path); },            // a loop
  };
  for (const auto& makeLink : links) {
    std::filesystem::remove(path);
    std::filesystem::remove(directory.File("middle"));
    makeLink();
    const CachedTable cached = Cache();
    EXPECT_EQ(cached.Source, TableSource::BuiltAndSaved);
    ExpectTableInPlace();
    EXPECT_EQ(ReadWholeFile(directory.File("victim")), "precious\n");
    EXPECT_FALSE(std::filesystem::exists(directory.File("absent")));
  }
}

TEST_F(CacheFile, ALinkToAnIntactTableIsLoadedThroughAndLeftAsItIs) {
  ASSERT_TRUE(SmallTable().Save(directory.File("shared")));
  std::filesystem::create_symlink("shared", path);
  EXPECT_EQ(Cache().Source, TableSource::Loaded);
  EXPECT_TRUE(std::filesystem::is_symlink(path));
}

TEST_F(CacheFile, ARebuiltTableGetsTheModeOfANewFileNotTheOldOnes) {
  const mode_t before = ::umask(022);
  WriteWholeFile(path, "not a table");
  ::chmod(path.c_str(), 0604);
  EXPECT_EQ(Cache().Source, TableSource::BuiltAndSaved);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
  ::umask(before);
}

// A folder and a pipe in the table's place: neither read (a pipe would wait for a writer for
// ever) nor replaced, and both said why.
TEST_F(CacheFile, WhatIsNoRegularFileIsNeitherReadNorReplacedAndSaysWhy) {
  std::filesystem::create_directory(path);
  CachedTable cached = Cache();
  EXPECT_EQ(cached.FileStatus, LoadStatus::Unreadable);
  EXPECT_EQ(cached.LoadProblem, std::strerror(EISDIR));
  EXPECT_EQ(cached.Source, TableSource::BuiltNotSaved);
  EXPECT_EQ(cached.SaveProblem, std::strerror(EISDIR));
  ASSERT_NE(cached.Table, nullptr);

  std::filesystem::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  cached = Cache();
  EXPECT_EQ(cached.LoadProblem, "Not a regular file");
  EXPECT_EQ(cached.SaveProblem, "Not a regular file");
  EXPECT_EQ(std::filesystem::status(path).type(), std::filesystem::file_type::fifo);
}

TEST_F(CacheFile, ATableThatLoadsOrIsKeptHasNoProblemToTell) {
  CachedTable cached = Cache();
  EXPECT_EQ(cached.FileStatus, LoadStatus::Missing);
  EXPECT_EQ(cached.Source, TableSource::BuiltAndSaved);
  EXPECT_EQ(cached.LoadProblem + cached.SaveProblem, "");
  cached = Cache();
  EXPECT_EQ(cached.Source, TableSource::Loaded);
  EXPECT_EQ(cached.LoadProblem + cached.SaveProblem, "");
}

TEST_F(CacheFile, AFolderThatCannotBeMadeIsTheReasonGiven) {
  WriteWholeFile(directory.File("file"), "x");
  const CachedTable cached = LoadOrBuild(directory.File("file/sub/table"), TableKind::Small, 1);
  EXPECT_EQ(cached.Source, TableSource::BuiltNotSaved);
  EXPECT_EQ(cached.SaveProblem, std::strerror(ENOTDIR));
}

ssize_t DiskFull(int, const void*, size_t) {
  errno = ENOSPC;
  return -1;
}

TEST_F(CacheFile, AFullDiskIsTheReasonGivenAndNothingIsLeft) {
  WriteToFile = DiskFull;
  const CachedTable cached = Cache();
  WriteToFile = ::write;
  EXPECT_EQ(cached.Source, TableSource::BuiltNotSaved);
  EXPECT_EQ(cached.SaveProblem, std::strerror(ENOSPC));
  EXPECT_TRUE(directory.Names().empty());
}

// The reason travels out of the child as the exit status: 0 when it was the file-size limit's.
TEST_F(CacheFile, AFileSizeLimitIsTheReasonGiven) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const CachedTable cached = Cache();
    ::_exit(cached.Source == TableSource::BuiltNotSaved && cached.SaveProblem == std::strerror(EFBIG) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(directory.Names().empty());
}

}  // namespace
}  // namespace tq::optimal::test
