// The data directory after the XDG base directory rules, and its creation.
#include "store/data_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

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
}  // namespace

// A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
std::string DataDirectoryPath() {
  const std::string dataHome = Environment("XDG_DATA_HOME");
  if (!dataHome.empty() && dataHome.front() == '/') return dataHome + "/" + ProgramFolder;
  return HomeDirectory() + "/.local/share/" + ProgramFolder;
}

bool EnsureDataDirectory(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

}  // namespace tq
