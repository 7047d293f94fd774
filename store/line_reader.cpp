// The line reader of the solutions file: one pass over the bytes, any line length.
#include "store/line_reader.h"

namespace tq {

namespace {
constexpr char LineFeed = '\n';
constexpr char CarriageReturn = '\r';
constexpr char Nul = '\0';

bool EndsLine(char c) { return c == LineFeed || c == CarriageReturn || c == Nul; }
}  // namespace

size_t ReadLine(std::string_view bytes, size_t pos, std::string_view& line) {
  size_t end = pos;
  while (end < bytes.size() && !EndsLine(bytes[end])) ++end;
  line = bytes.substr(pos, end - pos);
  if (end == bytes.size()) return end;
  const bool crlf = bytes[end] == CarriageReturn && end + 1 < bytes.size() && bytes[end + 1] == LineFeed;
  return end + (crlf ? 2 : 1);
}

}  // namespace tq
