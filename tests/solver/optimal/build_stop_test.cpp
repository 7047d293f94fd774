// Stopping a table's build: asked on the calling thread only, it ends the build with no table
// and leaves no file; a build that is never told to stop gives the whole table.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <set>
#include <thread>

#include "test_tables.h"
#include "tests/support/temp_directory.h"

namespace tq::optimal::test {
namespace {

using tq::test::TempDirectory;

TEST(BuildStop, AStopAtAnyPointGivesNoTableAndIsAskedOnTheCallingThreadOnly) {
  for (const int stopAt : {1, 2, 50, 400}) {
    std::mutex mutex;
    std::set<std::thread::id> askers;
    int asked = 0;
    const auto table = PatternTable::Build(TableKind::Small, 3, {}, [&] {
      std::lock_guard lock(mutex);
      askers.insert(std::this_thread::get_id());
      return ++asked >= stopAt;
    });
    EXPECT_EQ(table, nullptr) << stopAt;
    EXPECT_EQ(asked, stopAt) << "asked again after it said stop";
    EXPECT_EQ(askers, std::set<std::thread::id>{std::this_thread::get_id()});
  }
}

TEST(BuildStop, ABuildNeverToldToStopGivesTheWholeTable) {
  int asked = 0;
  int levels = 0;
  const auto table = PatternTable::Build(
      TableKind::Small, 2, [&](const BuildProgress&) { ++levels; }, [&] { return ++asked < 0; });
  ASSERT_NE(table, nullptr);
  EXPECT_GT(asked, levels) << "asked between the blocks of a level, not only after it";
  EXPECT_EQ(std::memcmp(table->Entries(), SmallTable().Entries(), table->EntryCount()), 0);
}

TEST(BuildStop, LoadOrBuildStoppedGivesNoTableAndWritesNothing) {
  TempDirectory directory;
  const CachedTable cached =
      LoadOrBuild(directory.File("cache/table"), TableKind::Small, 2, {}, [] { return true; });
  EXPECT_EQ(cached.Source, TableSource::Stopped);
  EXPECT_EQ(cached.Table, nullptr);
  EXPECT_EQ(cached.FileStatus, LoadStatus::Missing);
  EXPECT_TRUE(directory.Names().empty());
}

}  // namespace
}  // namespace tq::optimal::test
