// Running the built trommelquirl-cli as a child process, and a scratch directory per test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tq::cli::test {

struct CliRun {
  int Status = -1;  // the exit status, or -1 when the child did not exit normally
  std::string Out;
  std::string Err;
};

// Runs the binary with these arguments (no shell involved), standard input empty.
CliRun RunCli(const std::vector<std::string>& args);

// The lines of a text, each without its "\n".
std::vector<std::string> LinesOf(const std::string& text);

// A fresh empty directory, removed with everything in it when the object goes.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace tq::cli::test
