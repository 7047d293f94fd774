// The table's file where permissions bind: the test run starts this program as nobody under
// setpriv when it runs as root (tests/support/as-ordinary-user.sh).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "solver/optimal/optimal_solver.h"
#include "tests/support/temp_directory.h"

namespace tq::optimal::test {
namespace {

namespace fs = std::filesystem;

// An unreadable file's mode must not come back with the new one, or every run builds again.
TEST(UserTable, AnUnreadableTableIsSaidAndReplacedByOneTheNextRunLoads) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  const mode_t before = ::umask(022);
  tq::test::TempDirectory directory;
  const std::string path = directory.File("table");
  ASSERT_EQ(LoadOrBuild(path, TableKind::Small, 2).Source, TableSource::BuiltAndSaved);
  for (const fs::perms unreadable : {fs::perms::none, fs::perms(0222)}) {
    fs::permissions(path, unreadable);
    const CachedTable rebuilt = LoadOrBuild(path, TableKind::Small, 2);
    EXPECT_EQ(rebuilt.FileStatus, LoadStatus::Unreadable);
    EXPECT_EQ(rebuilt.LoadProblem, std::strerror(EACCES));
    EXPECT_EQ(rebuilt.Source, TableSource::BuiltAndSaved);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    EXPECT_EQ(LoadOrBuild(path, TableKind::Small, 2).Source, TableSource::Loaded);
  }
  ::umask(before);
}

}  // namespace
}  // namespace tq::optimal::test
