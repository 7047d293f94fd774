// The table file in the cache directory, and what the user sees while it is built.
#include "cli/solver_table.h"

#include "solver/optimal/table_cache.h"

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

std::vector<std::string> TableProblemLines(const optimal::CachedTable& cached, const std::string& path) {
  std::vector<std::string> lines;
  if (cached.FileStatus == optimal::LoadStatus::Unreadable) {
    lines.push_back("cannot read the solver's table " + path + ": " + cached.LoadProblem +
                    (cached.Source == optimal::TableSource::BuiltAndSaved ? "; built it again in its place" : ""));
  }
  if (cached.Source == optimal::TableSource::BuiltNotSaved) {
    lines.push_back("cannot keep the solver's table as " + path + ": " + cached.SaveProblem +
                    "; it is built again on every run");
  }
  return lines;
}

std::shared_ptr<const optimal::PatternTable> LoadSolverTable(Console& console) {
  const std::string path = optimal::CachedTablePath(optimal::TableKind::Full);
  optimal::CachedTable cached =
      optimal::LoadOrBuild(path, optimal::TableKind::Full, optimal::SolverThreads(), ProgressLine(console));
  for (const std::string& line : TableProblemLines(cached, path)) ReportProblem(console, line);
  return std::move(cached.Table);
}

}  // namespace tq::cli
