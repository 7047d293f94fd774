// The test run's set-up: builds the table of the kind named ("small" or "full") into the build
// tree, or finds it there already, for the tests that share it. Exit status 0 when it is there.
#include <cstdio>
#include <cstring>

#include "test_tables.h"

int main(int argc, char** argv) {
  using namespace tq::optimal;
  if (argc != 2 || (std::strcmp(argv[1], "small") != 0 && std::strcmp(argv[1], "full") != 0)) {
    std::fprintf(stderr, "usage: %s small|full\n", argv[0]);
    return 2;
  }
  const TableKind kind = std::strcmp(argv[1], "full") == 0 ? TableKind::Full : TableKind::Small;
  const CachedTable table = LoadOrBuild(test::TablePath(kind), kind, 2);
  const bool kept = table.Source == TableSource::Loaded || table.Source == TableSource::BuiltAndSaved;
  std::printf("%s table %s\n", argv[1], !kept ? "not saved" : table.Source == TableSource::Loaded ? "found" : "built");
  return kept ? 0 : 1;
}
