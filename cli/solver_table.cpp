// The table file in the cache directory, and what the user sees while it is built.
#include "cli/solver_table.h"

#include <algorithm>
#include <thread>

#include "store/data_directory.h"

namespace tq::cli {

namespace {

// "\r" and the line again after each level of the build, so that the line shows the share done.
optimal::BuildProgressCall ProgressLine(Console& console) {
  if (!console.ErrIsTerminal) return {};
  return [&console](const optimal::BuildProgress& progress) {
    const auto percent = static_cast<int>(100 * progress.Filled / progress.Total);
    console.Err << "\rBuilding the solver's table: " << percent << "%" << (percent == 100 ? "\n" : "") << std::flush;
  };
}

}  // namespace

int SolverThreads() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

std::shared_ptr<const optimal::PatternTable> LoadSolverTable(Console& console) {
  const std::string directory = CacheDirectoryPath();
  const std::string path = directory + "/" + optimal::TableFileName(optimal::TableKind::Full);
  optimal::CachedTable cached = optimal::LoadOrBuild(path, optimal::TableKind::Full, SolverThreads(), ProgressLine(console));
  if (cached.Source == optimal::TableSource::BuiltNotSaved) {
    ReportProblem(console, "cannot keep the solver's table in " + directory + "; it is built again on every run");
  }
  return std::move(cached.Table);
}

}  // namespace tq::cli
