// What the command line says of the solver's table: nothing when it loaded or was kept, and
// otherwise one line for each trouble, with the system's reason.
#include <gtest/gtest.h>

#include "cli/solver_table.h"

namespace tq::cli {
namespace {

using optimal::LoadStatus;
using optimal::TableSource;
using Lines = std::vector<std::string>;

const std::string Path = "/home/u/.cache/trommelquirl/optimal-full.table";

Lines Said(TableSource source, LoadStatus status, const std::string& loadProblem, const std::string& saveProblem) {
  return TableProblemLines({nullptr, source, status, loadProblem, saveProblem}, Path);
}

TEST(TableProblemLines, OneLineForEachTroubleWithTheReason) {
  EXPECT_EQ(Said(TableSource::Loaded, LoadStatus::Loaded, "", ""), Lines{});
  EXPECT_EQ(Said(TableSource::BuiltAndSaved, LoadStatus::Damaged, "", ""), Lines{});
  EXPECT_EQ(Said(TableSource::BuiltAndSaved, LoadStatus::Unreadable, "Permission denied", ""),
            Lines{"cannot read the solver's table " + Path + ": Permission denied; built it again in its place"});
  EXPECT_EQ(Said(TableSource::BuiltNotSaved, LoadStatus::Unreadable, "Is a directory", "Is a directory"),
            (Lines{"cannot read the solver's table " + Path + ": Is a directory",
                   "cannot keep the solver's table as " + Path + ": Is a directory; it is built again on every run"}));
}

}  // namespace
}  // namespace tq::cli
