// Tables from the files named by the build, so that separate test processes share one build.
#include "test_tables.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace tq::optimal::test {

namespace {
const PatternTable& Cached(const std::string& path, TableKind kind) {
  static std::shared_ptr<const PatternTable> tables[2];
  auto& table = tables[kind == TableKind::Full ? 0 : 1];
  if (!table) table = LoadOrBuild(path, kind, 2).Table;
  return *table;
}
}  // namespace

std::string TablePath(TableKind kind) { return std::string(TQ_OPTIMAL_TEST_TABLES) + "/" + TableFileName(kind); }

const PatternTable& SmallTable() { return Cached(TablePath(TableKind::Small), TableKind::Small); }

const PatternTable& FullTable() { return Cached(TablePath(TableKind::Full), TableKind::Full); }

}  // namespace tq::optimal::test
