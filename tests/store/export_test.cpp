// The export file: its numbered name and its one line.
#include <gtest/gtest.h>

#include "model/random.h"
#include "store/export.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq {
namespace {

using test::ReadWholeFile;
using test::TempDirectory;

TEST(ExportFileName, HasFourDigitsBetweenTheWordAndTheExtension) {
  EXPECT_EQ(ExportFileName(0), "L\xC3\xB6sung0000.txt");
  EXPECT_EQ(ExportFileName(7), "L\xC3\xB6sung0007.txt");
  EXPECT_EQ(ExportFileName(42), "L\xC3\xB6sung0042.txt");
  EXPECT_EQ(ExportFileName(9999), "L\xC3\xB6sung9999.txt");
}

// The number the next export will draw, without disturbing the generator.
int32_t NextExportNumber() {
  const RandomWords saved = RandomState;
  const int32_t number = Random(9999);
  RandomState = saved;
  return number;
}

TEST(ExportSolution, WritesTheTextAndCrLfUnderTheDrawnNumber) {
  TempDirectory dir;
  ExportDirectory = dir.Path();
  SeedRandom(12345);
  const std::string first = dir.File(ExportFileName(NextExportNumber()));
  EXPECT_EQ(ExportSolution("No Result"), 1);
  EXPECT_EQ(ReadWholeFile(first), "No Result\r\n");

  const RandomWords again = RandomState;
  const std::string second = dir.File(ExportFileName(NextExportNumber()));
  EXPECT_EQ(ExportSolution("1234"), 1);
  RandomState = again;
  EXPECT_EQ(ExportSolution("55"), 1);  // the same number replaces the earlier file
  EXPECT_EQ(ReadWholeFile(second), "55\r\n");
}

TEST(ExportSolution, ReportsAMissingDirectory) {
  TempDirectory dir;
  ExportDirectory = dir.File("gone");
  EXPECT_EQ(ExportSolution("1"), 0);
  EXPECT_TRUE(dir.Names().empty());
  ExportDirectory.clear();
  EXPECT_EQ(ExportSolution("1"), 0);
}

}  // namespace
}  // namespace tq
