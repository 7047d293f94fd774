// The data, cache and state directories after the XDG base directory rules, and the data directory's creation.
#include "store/data_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "store/safe_file.h"

namespace tq {

namespace {
constexpr const char* ProgramFolder = "trommelquirl";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// $HOME, or the home directory of the account when HOME is not set.
std::string HomeDirectory() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  const passwd* account = ::getpwuid(::getuid());
  return account != nullptr && account->pw_dir != nullptr ? std::string(account->pw_dir) : std::string();
}

// The program's folder in a base directory: the variable's value when it is an absolute path
// (a relative one is invalid and ignored, as the base directory rules say), else the default
// under the home directory.
std::string ProgramDirectoryIn(const char* variable, const char* underHome) {
  const std::string base = Environment(variable);
  if (!base.empty() && base.front() == '/') return base + "/" + ProgramFolder;
  return HomeDirectory() + underHome + ProgramFolder;
}
}  // namespace

std::string DataDirectoryPath() { return ProgramDirectoryIn("XDG_DATA_HOME", "/.local/share/"); }

std::string CacheDirectoryPath() { return ProgramDirectoryIn("XDG_CACHE_HOME", "/.cache/"); }

std::string StateDirectoryPath() { return ProgramDirectoryIn("XDG_STATE_HOME", "/.local/state/"); }

bool EnsureDataDirectory(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

bool EnsureDirectoryOf(const std::string& file) { return !file.empty() && EnsureDataDirectory(DirectoryOf(file)); }

}  // namespace tq
