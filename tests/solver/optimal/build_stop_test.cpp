// Stopping a table's build: asked on the calling thread only, between blocks, it ends the
// build with no table and no file; a build never told to stop gives the whole table.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <set>
#include <thread>

#include "test_tables.h"
#include "tests/support/temp_directory.h"

namespace tq::optimal::test {
namespace {

TEST(BuildStop, AStopAtAnyPointGivesNoTableAndOnlyTheCallingThreadIsAsked) {
  for (const int stopAt : {1, 50, 400, 1 << 30}) {
    std::mutex mutex;
    std::set<std::thread::id> askers;
    int asked = 0, levels = 0;
    const auto table = PatternTable::Build(TableKind::Small, 3, [&](const BuildProgress&) { ++levels; }, [&] {
      std::lock_guard lock(mutex);
      askers.insert(std::this_thread::get_id());
      return ++asked >= stopAt;
    });
    EXPECT_EQ(askers, std::set<std::thread::id>{std::this_thread::get_id()});
    if (stopAt < (1 << 30)) {
      EXPECT_EQ(table, nullptr) << stopAt;
      EXPECT_EQ(asked, stopAt) << "asked again after it said stop";
    } else {
      ASSERT_NE(table, nullptr);
      EXPECT_GT(asked, 10 * levels) << "asked only between levels";
      EXPECT_EQ(std::memcmp(table->Entries(), SmallTable().Entries(), table->EntryCount()), 0);
    }
  }
  tq::test::TempDirectory directory;
  const CachedTable cached = LoadOrBuild(directory.File("cache/table"), TableKind::Small, 2, {}, [] { return true; });
  EXPECT_EQ(cached.Source, TableSource::Stopped);
  EXPECT_EQ(cached.Table, nullptr);
  EXPECT_TRUE(directory.Names().empty());
}

}  // namespace
}  // namespace tq::optimal::test
