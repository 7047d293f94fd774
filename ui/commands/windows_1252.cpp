// Windows-1252: Latin-1 but for 0x80 to 0x9F, where it keeps 27 printable characters.
#include "ui/commands/windows_1252.h"

#include <array>
#include <cstdint>

namespace tq {

namespace {
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code point at utf8[at], and where the next starts; 0xFFFD for a byte that starts none.
char32_t NextCodePoint(std::string_view utf8, size_t& at) {
  const auto lead = static_cast<unsigned char>(utf8[at++]);
  if (lead < 0x80) return lead;
  const int more = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
  if (more < 0 || at + static_cast<size_t>(more) > utf8.size()) return 0xFFFD;
  char32_t point = lead & (0x3F >> more);
  for (int k = 0; k < more; ++k) {
    const auto next = static_cast<unsigned char>(utf8[at]);
    if ((next & 0xC0) != 0x80) return 0xFFFD;
    point = point << 6 | (next & 0x3F);
    ++at;
  }
  return point;
}
}  // namespace

char16_t Windows1252Character(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t{byte};
}

std::string Windows1252FromUtf8(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const char32_t point = NextCodePoint(utf8, at);
    char byte = '?';
    if (point < 0x80 || (point >= 0xA0 && point < 0x100)) {
      byte = static_cast<char>(point);
    } else {
      for (unsigned k = 0; k < HighControls.size(); ++k) {
        if (HighControls[k] == point) byte = static_cast<char>(0x80 + k);
      }
    }
    bytes.push_back(byte);
  }
  return bytes;
}

}  // namespace tq
