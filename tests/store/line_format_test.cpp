// The solutions file's bytes: how lines end, how a line becomes an entry, what a save writes.
#include <gtest/gtest.h>

#include "store/line_reader.h"
#include "store/solutions.h"
#include "store_test_support.h"

namespace tq {
namespace {

using test::Layout;
using test::ListedEntries;
using test::Pairs;
using namespace std::string_literals;

std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  ForEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

TEST(LineReader, EndsLinesAtLfCrLfLoneCrAndNul) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"a", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rbc", {"a", "bc"}},  // a lone CR keeps the next line's first byte
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\0b\0"s, {"a", "b"}},
      {"\0\0"s, {"", ""}},
      {"\r\n", {""}},
      {"a\n\nb", {"a", "", "b"}},
      {"\n\r", {"", ""}},
      {"\r\r\r", {"", "", ""}},
      {"\r", {""}},
      {"x\n\r\n", {"x", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(LinesOf(c.bytes), c.lines) << "bytes: " << ::testing::PrintToString(c.bytes);
}

TEST(LineReader, ReadsHugeLinesWhole) {
  const std::string huge(300000, '7');
  EXPECT_EQ(LinesOf(huge + "\r\nz"), (std::vector<std::string>{huge, "z"}));
}

TEST(LoadSolutionsFromBytes, CutsEachLineAfterTheTwentySixthByte) {
  const std::string full = Layout("30000 111132222 444435555");
  LoadSolutionsFromBytes(full + "\r\n" + full + "123\r\n" + "short\r\n" + full + " 1 2 \r\n" + "\xF6\xFF\x01");
  EXPECT_EQ(ListedEntries(), (Pairs{{full, ""}, {full, "123"}, {"short", ""}, {full, " 1 2 "}, {"\xF6\xFF\x01", ""}}));
}

TEST(LoadSolutionsFromBytes, EmptiesTheListFirst) {
  StoreSolution(Layout("1"), "12");
  LoadSolutionsFromBytes("");
  EXPECT_EQ(SolutionCount(), 0u);
  EXPECT_EQ(FindSolution(Layout("1")), "");
}

TEST(SolutionsToBytes, GivesBackTheBytesReadWithEveryLineEndAsCrLf) {
  const std::string a = Layout("0") + "15";
  const std::string b = Layout("1") + "2";
  struct Case {
    std::string read, saved;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {a + "\r\n" + b + "\r\n", a + "\r\n" + b + "\r\n"},
      {a + "\n" + b, a + "\r\n" + b + "\r\n"},
      {a + "\r" + b + "\0"s, a + "\r\n" + b + "\r\n"},
      {"\r\n\r\nab\n", "\r\n\r\nab\r\n"},
      {"\r\r", "\r\n\r\n"},
  };
  for (const Case& c : cases) {
    LoadSolutionsFromBytes(c.read);
    EXPECT_EQ(SolutionsToBytes(), c.saved) << "read: " << ::testing::PrintToString(c.read);
  }
}

}  // namespace
}  // namespace tq
