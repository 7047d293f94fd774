// What the command line says of the solver's table: nothing when it loaded or was kept, and
// otherwise one line for each trouble, with the system's reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/solver_table.h"

namespace tq::cli {
namespace {

using optimal::CachedTable;
using optimal::LoadStatus;
using optimal::TableSource;

const std::string Path = "/home/u/.cache/trommelquirl/optimal-full.table";

std::vector<std::string> Lines(TableSource source, LoadStatus status, const std::string& loadProblem = "",
                               const std::string& saveProblem = "") {
  return TableProblemLines(CachedTable{nullptr, source, status, loadProblem, saveProblem}, Path);
}

TEST(TableProblemLines, ATableLoadedOrKeptIsNotMentioned) {
  EXPECT_TRUE(Lines(TableSource::Loaded, LoadStatus::Loaded).empty());
  for (const LoadStatus refused : {LoadStatus::Missing, LoadStatus::Foreign, LoadStatus::Damaged}) {
    EXPECT_TRUE(Lines(TableSource::BuiltAndSaved, refused).empty());
  }
}

TEST(TableProblemLines, AnUnreadableTableIsOneLineWithTheReason) {
  EXPECT_EQ(Lines(TableSource::BuiltAndSaved, LoadStatus::Unreadable, "Permission denied"),
            std::vector<std::string>{"cannot read the solver's table " + Path +
                                     ": Permission denied; built it again in its place"});
}

TEST(TableProblemLines, ATableThatCannotBeKeptSaysWhyOnALineOfItsOwn) {
  EXPECT_EQ(Lines(TableSource::BuiltNotSaved, LoadStatus::Missing, "", "No space left on device"),
            std::vector<std::string>{"cannot keep the solver's table as " + Path +
                                     ": No space left on device; it is built again on every run"});
  const std::vector<std::string> both = Lines(TableSource::BuiltNotSaved, LoadStatus::Unreadable, "Is a directory",
                                              "Is a directory");
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0], "cannot read the solver's table " + Path + ": Is a directory");
  EXPECT_EQ(both[1].rfind("cannot keep the solver's table as " + Path + ": Is a directory;", 0), 0u);
}

}  // namespace
}  // namespace tq::cli
