// Reading and writing whole files in binary mode, so that CR LF stays as it is.
#include "tests/support/whole_file.h"

#include <fstream>
#include <sstream>

namespace tq::test {

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace tq::test
