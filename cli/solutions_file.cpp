// The store wants an absolute path; the command line gives one relative to where it runs.
#include "cli/solutions_file.h"

#include <filesystem>
#include <system_error>

#include "store/data_directory.h"
#include "store/shared_solutions_file.h"
#include "store/solutions.h"

namespace tq::cli {

namespace {
std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}
}  // namespace

bool OpenSolutionsFile(Console& console, const std::string& path, bool forSaving) {
  if (path.empty()) {
    ReportProblem(console, "the solutions file name is empty");
    return false;
  }
  SolutionsFile = AbsolutePath(path);
  const int32_t loaded = LoadSolutions();
  if (loaded < 0) {
    ReportProblem(console, "cannot read solutions file " + path + ": " + SolutionsFileProblem());
    return false;
  }
  if (loaded == 0 && !forSaving) {
    ReportProblem(console, "no solutions file " + path);
    return false;
  }
  if (!forSaving) return true;
  // As the program makes its data folder: a first run on a fresh account then just works. What
  // cannot be made is told by the check below.
  EnsureDataDirectory(std::filesystem::path(SolutionsFile).parent_path().string());
  // A search may run for minutes: a save that cannot be made is better told before it.
  const std::string problem = SharedSolutionsFile::SaveProblem(SolutionsFile);
  if (problem.empty()) return true;
  ReportProblem(console, "cannot save solutions file " + path + ": " + problem);
  return false;
}

bool SaveSolutionsFile(Console& console, const std::string& path) {
  if (SaveSolutions() == 1) return true;
  ReportProblem(console,
                "cannot save solutions file " + path + ": " + SolutionsFileProblem() + "; the old file is left as it was");
  return false;
}

}  // namespace tq::cli
