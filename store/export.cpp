// The export file: the result of one search under a randomly numbered name.
#include "store/export.h"

#include "model/random.h"
#include "store/safe_file.h"

namespace tq {

std::string ExportDirectory;

namespace {
constexpr int32_t LargestExportNumber = 9999;
constexpr std::string_view ExportPrefix = "L\xC3\xB6sung";  // "Lösung" in UTF-8
}  // namespace

std::string ExportFileName(int32_t number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return std::string(ExportPrefix) + digits + ".txt";
}

int32_t ExportSolution(std::string_view text) {
  const std::string name = ExportFileName(Random(LargestExportNumber));
  if (ExportDirectory.empty()) return 0;
  const bool joined = ExportDirectory.back() == '/';
  const std::string path = ExportDirectory + (joined ? "" : "/") + name;
  return WriteFileSafely(path, std::string(text) + "\r\n");
}

}  // namespace tq
