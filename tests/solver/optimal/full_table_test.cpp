// The test run's set-up step: the Full table, built once into the build tree for every test
// that needs it.
#include <gtest/gtest.h>

#include "test_tables.h"

namespace tq::optimal::test {
namespace {

TEST(FullTableFile, IsBuiltForTheTestRun) {
  EXPECT_EQ(FullTable().EntryCount(), 115010610u);
  EXPECT_EQ(PatternTable::Load(TablePath(TableKind::Full), TableKind::Full).Status, LoadStatus::Loaded);
}

}  // namespace
}  // namespace tq::optimal::test
