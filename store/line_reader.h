// Splits the bytes of a text file into lines the way the solutions file is read.
#pragma once

#include <cstddef>
#include <string_view>

namespace tq {

// Reads the line that starts at pos into line and returns where the next line starts.
// LF, CR LF, a lone CR and NUL each end a line; the end of the bytes ends the last one.
// A lone CR ends its line without taking the byte after it.
size_t ReadLine(std::string_view bytes, size_t pos, std::string_view& line);

// Calls take(line) for every line of bytes, in order. A final line end gives no extra line.
template <typename Take>
void ForEachLine(std::string_view bytes, Take&& take) {
  size_t pos = 0;
  std::string_view line;
  while (pos < bytes.size()) {
    pos = ReadLine(bytes, pos, line);
    take(line);
  }
}

}  // namespace tq
