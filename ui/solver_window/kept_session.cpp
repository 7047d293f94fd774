// Reading and writing the kept session through the store's safe file writer.
#include "ui/solver_window/kept_session.h"

#include "store/data_directory.h"
#include "store/safe_file.h"

namespace tq::solver_window {

namespace {
// A kept session is a few hundred bytes; a file far larger is not one.
constexpr size_t LargestKeptSession = 64 * 1024;
}  // namespace

std::string KeptSessionPath() { return StateDirectoryPath() + "/solver-session.txt"; }

std::optional<std::string> ReadKeptSession(const std::string& path, std::string& problem) {
  problem.clear();
  std::string bytes;
  const int32_t read = ReadRegularFile(path, bytes, nullptr, problem);
  if (read != 1) return std::nullopt;
  if (bytes.size() > LargestKeptSession) {
    problem = "too large to be a kept session";
    return std::nullopt;
  }
  return bytes;
}

bool WriteKeptSession(const std::string& path, std::string_view text, std::string& problem) {
  if (!EnsureDirectoryOf(path)) {
    problem = "cannot make the folder " + DirectoryOf(path);
    return false;
  }
  return WriteFileSafely(path, text, nullptr, problem) == 1;
}

}  // namespace tq::solver_window
