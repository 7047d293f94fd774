// A fresh directory per test under the system's temporary directory, removed with all it holds.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tq::test {

class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  std::filesystem::path operator/(const std::string& name) const { return std::filesystem::path(path_) / name; }

  // The names in the directory, sorted.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

}  // namespace tq::test
