// The table's file is a cache, the program's own: a link in its place is replaced and never
// written through, a rebuilt file gets a new file's mode, and what cannot be read or kept says why.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "store/safe_file.h"
#include "test_tables.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq::optimal::test {
namespace {

namespace fs = std::filesystem;
using tq::test::ReadWholeFile;
using tq::test::WriteWholeFile;

class CacheFile : public ::testing::Test {
 protected:
  CachedTable Cache() { return LoadOrBuild(path, TableKind::Small, 2); }
  tq::test::TempDirectory directory;
  const std::string path = directory.File("optimal-small.table");
};

TEST_F(CacheFile, ALinkInTheTablesPlaceIsReplacedAndWhatItPointsAtKept) {
  WriteWholeFile(directory.File("victim"), "precious\n");
  fs::create_symlink("victim", directory.File("middle"));
  // To a file, through a second link, to nowhere, to itself.
  for (const std::string target : {"victim", "middle", "absent/place", "optimal-small.table"}) {
    fs::remove(path);
    fs::create_symlink(target, path);
    EXPECT_EQ(Cache().Source, TableSource::BuiltAndSaved) << target;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path))) << target;
    EXPECT_EQ(PatternTable::Load(path, TableKind::Small).Status, LoadStatus::Loaded);
    EXPECT_EQ(ReadWholeFile(directory.File("victim")), "precious\n");
  }
  EXPECT_FALSE(fs::exists(directory.File("absent")));
  // An intact table reached through a link is only read.
  fs::rename(path, directory.File("shared"));
  fs::create_symlink("shared", path);
  EXPECT_EQ(Cache().Source, TableSource::Loaded);
  EXPECT_TRUE(fs::is_symlink(path));
}

TEST_F(CacheFile, ARebuiltTableGetsTheModeOfANewFileNotTheOldOnes) {
  const mode_t before = ::umask(022);
  WriteWholeFile(path, "not a table");
  ::chmod(path.c_str(), 0604);
  EXPECT_EQ(Cache().Source, TableSource::BuiltAndSaved);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
  ::umask(before);
}

ssize_t DiskFull(int, const void*, size_t) {
  errno = ENOSPC;
  return -1;
}

// A folder or a pipe in the table's place is neither read (a pipe would wait for a writer for
// ever) nor replaced; every table not kept says why, in the system's words.
TEST_F(CacheFile, WhatCannotBeReadOrKeptSaysWhy) {
  fs::create_directory(path);
  CachedTable cached = Cache();
  EXPECT_EQ(cached.FileStatus, LoadStatus::Unreadable);
  EXPECT_EQ(cached.LoadProblem + " / " + cached.SaveProblem, std::string(std::strerror(EISDIR)) + " / " + std::strerror(EISDIR));
  EXPECT_EQ(cached.Source, TableSource::BuiltNotSaved);
  ASSERT_NE(cached.Table, nullptr);

  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  cached = Cache();
  EXPECT_EQ(cached.LoadProblem + " / " + cached.SaveProblem, "Not a regular file / Not a regular file");
  fs::remove(path);

  WriteToFile = DiskFull;
  cached = Cache();
  WriteToFile = ::write;
  EXPECT_EQ(cached.LoadProblem + " / " + cached.SaveProblem, std::string(" / ") + std::strerror(ENOSPC));
  EXPECT_TRUE(directory.Names().empty());

  WriteWholeFile(directory.File("file"), "x");
  EXPECT_EQ(LoadOrBuild(directory.File("file/sub/table"), TableKind::Small, 1).SaveProblem, std::strerror(ENOTDIR));
}

}  // namespace
}  // namespace tq::optimal::test
