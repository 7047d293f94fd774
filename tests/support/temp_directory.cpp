// Temporary directories for tests: made with mkdtemp, removed even where a test took the
// permissions away.
#include "tests/support/temp_directory.h"

#include <stdlib.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace tq::test {

TempDirectory::TempDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tq-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary directory");
  path_ = pattern;
}

TempDirectory::~TempDirectory() {
  std::error_code error;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
  std::filesystem::remove_all(path_, error);
}

std::vector<std::string> TempDirectory::Names() const {
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(path_)) names.push_back(item.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace tq::test
