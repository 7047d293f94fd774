// The store wants an absolute path; the command line gives one relative to where it runs.
#include "cli/solutions_file.h"

#include <filesystem>
#include <system_error>

#include "store/solutions.h"

namespace tq::cli {

namespace {
std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}
}  // namespace

bool OpenSolutionsFile(Console& console, const std::string& path, bool missingIsEmpty) {
  if (path.empty()) {
    ReportProblem(console, "the solutions file name is empty");
    return false;
  }
  SolutionsFile = AbsolutePath(path);
  const int32_t loaded = LoadSolutions();
  if (loaded < 0) {
    ReportProblem(console, "cannot read solutions file " + path);
    return false;
  }
  if (loaded == 0 && !missingIsEmpty) {
    ReportProblem(console, "no solutions file " + path);
    return false;
  }
  return true;
}

bool SaveSolutionsFile(Console& console, const std::string& path) {
  if (SaveSolutions() == 1) return true;
  ReportProblem(console, "cannot save solutions file " + path + "; the old file is left as it was");
  return false;
}

}  // namespace tq::cli
