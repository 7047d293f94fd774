// The table's file as an ordinary user finds it, where permissions bind: the test run starts
// this program as nobody under setpriv when it runs as root (tests/support/as-ordinary-user.sh).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "solver/optimal/optimal_solver.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq::optimal::test {
namespace {

using tq::test::ReadWholeFile;
using tq::test::TempDirectory;

class UserTable : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root; run as an ordinary user";
    previousMask = ::umask(022);
  }
  void TearDown() override {
    if (::geteuid() != 0) ::umask(previousMask);
  }
  CachedTable Cache() { return LoadOrBuild(path, TableKind::Small, 2); }
  mode_t ModeOf(const std::string& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 07777;
  }

  mode_t previousMask = 022;
  TempDirectory directory;
  const std::string path = directory.File("optimal-small.table");
};

// The unreadable file's mode must not come back with the new one, or every run builds again.
TEST_F(UserTable, AnUnreadableTableIsSaidAndReplacedByOneTheNextRunLoads) {
  ASSERT_EQ(Cache().Source, TableSource::BuiltAndSaved);
  for (const mode_t unreadable : {0000, 0222}) {
    ASSERT_EQ(::chmod(path.c_str(), unreadable), 0);
    const CachedTable rebuilt = Cache();
    EXPECT_EQ(rebuilt.FileStatus, LoadStatus::Unreadable);
    EXPECT_EQ(rebuilt.LoadProblem, std::strerror(EACCES));
    EXPECT_EQ(rebuilt.Source, TableSource::BuiltAndSaved);
    EXPECT_EQ(rebuilt.SaveProblem, "");
    EXPECT_EQ(ModeOf(path), 0644u) << unreadable;
    const CachedTable next = Cache();
    EXPECT_EQ(next.Source, TableSource::Loaded);
    EXPECT_EQ(next.LoadProblem, "");
  }
}

TEST_F(UserTable, AFolderThatMayNotBeWrittenIsTheReasonATableIsNotKept) {
  const std::string inside = directory.File("locked/optimal-small.table");
  std::filesystem::create_directory(directory.File("locked"));
  ASSERT_EQ(::chmod(directory.File("locked").c_str(), 0555), 0);
  const CachedTable cached = LoadOrBuild(inside, TableKind::Small, 2);
  EXPECT_EQ(cached.Source, TableSource::BuiltNotSaved);
  EXPECT_EQ(cached.SaveProblem, std::strerror(EACCES));
  EXPECT_NE(cached.Table, nullptr);
  EXPECT_TRUE(std::filesystem::is_empty(directory.File("locked")));
}

// As the user who owns the link and what it points at, so that nothing but the rule keeps
// the save from writing through it.
TEST_F(UserTable, ALinkToTheUsersOwnFileIsReplacedAndTheFileKept) {
  tq::test::WriteWholeFile(directory.File("victim"), "precious\n");
  std::filesystem::create_symlink("victim", path);
  EXPECT_EQ(Cache().Source, TableSource::BuiltAndSaved);
  EXPECT_EQ(ReadWholeFile(directory.File("victim")), "precious\n");
  EXPECT_FALSE(std::filesystem::is_symlink(path));
}

}  // namespace
}  // namespace tq::optimal::test
