// The table's file as bytes, for programs that keep it elsewhere than at a path: the header and
// entries make the very file Save writes, load back entry for entry, and anything else is refused
// as Load refuses a file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "test_tables.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq::optimal::test {
namespace {

std::vector<uint8_t> FileBytes(const PatternTable& table) {
  const std::string header = table.FileHeader();
  std::vector<uint8_t> bytes(header.begin(), header.end());
  bytes.insert(bytes.end(), table.Entries(), table.Entries() + table.EntryCount());
  return bytes;
}

TEST(TableBytes, HeaderAndEntriesAreTheSavedFileAndLoadBack) {
  tq::test::TempDirectory directory;
  const std::string path = directory.File("table");
  ASSERT_TRUE(SmallTable().Save(path));
  const std::vector<uint8_t> bytes = FileBytes(SmallTable());
  const std::string saved = tq::test::ReadWholeFile(path);
  ASSERT_EQ(saved.size(), bytes.size());
  EXPECT_EQ(std::memcmp(saved.data(), bytes.data(), bytes.size()), 0);

  const TableLoad load = PatternTable::LoadBytes(bytes, TableKind::Small);
  ASSERT_EQ(load.Status, LoadStatus::Loaded);
  EXPECT_EQ(std::memcmp(load.Table->Entries(), SmallTable().Entries(), SmallTable().EntryCount()), 0);
}

TEST(TableBytes, AnyChangedByteOrLengthIsRefused) {
  const std::vector<uint8_t> bytes = FileBytes(SmallTable());
  // The mark, the version, the kind and the count tell a foreign file; the checksum and the
  // entries a damaged one.
  for (size_t at : {size_t{0}, size_t{7}, size_t{8}, size_t{12}, size_t{16}, size_t{23}}) {
    std::vector<uint8_t> changed = bytes;
    changed[at] ^= 0x01;
    EXPECT_EQ(PatternTable::LoadBytes(changed, TableKind::Small).Status, LoadStatus::Foreign) << "byte " << at;
  }
  for (size_t at : {size_t{24}, size_t{31}, size_t{32}, bytes.size() / 2, bytes.size() - 1}) {
    std::vector<uint8_t> changed = bytes;
    changed[at] ^= 0x40;
    EXPECT_EQ(PatternTable::LoadBytes(changed, TableKind::Small).Status, LoadStatus::Damaged) << "byte " << at;
  }
  std::vector<uint8_t> longer = bytes;
  longer.push_back(0);
  EXPECT_EQ(PatternTable::LoadBytes(longer, TableKind::Small).Status, LoadStatus::Damaged);
  EXPECT_EQ(PatternTable::LoadBytes(std::span(bytes).first(bytes.size() - 1), TableKind::Small).Status, LoadStatus::Damaged);
  EXPECT_EQ(PatternTable::LoadBytes(std::span(bytes).first(5), TableKind::Small).Status, LoadStatus::Damaged);
  EXPECT_EQ(PatternTable::LoadBytes(bytes, TableKind::Full).Status, LoadStatus::Foreign);
}

TEST(TableBytes, AReaderThatFailsLeavesNoTable) {
  const std::vector<uint8_t> bytes = FileBytes(SmallTable());
  const auto failsAfterHeader = [&bytes](uint64_t at, uint8_t* into, uint64_t count) {
    if (at > 0) return false;
    std::memcpy(into, bytes.data(), count);
    return true;
  };
  const TableLoad load = PatternTable::LoadFrom(bytes.size(), TableKind::Small, failsAfterHeader);
  EXPECT_EQ(load.Status, LoadStatus::Unreadable);
  EXPECT_EQ(load.Table, nullptr);
}

}  // namespace
}  // namespace tq::optimal::test
