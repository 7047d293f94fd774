// Escaping shown text: ASCII controls, malformed UTF-8, C1 controls and format marks.
#include "cli/shown_text.h"

#include <cstdio>

namespace tq::cli {

namespace {

// C1 controls, and the marks that change the order or the look of what follows.
bool IsHiddenMark(uint32_t code) {
  return code < 0xA0 || code == 0xAD || (code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) ||
         (code >= 0x2060 && code <= 0x206F) || code == 0xFEFF;
}

void AppendEscaped(std::string& shown, unsigned char byte) {
  char hex[5];
  std::snprintf(hex, sizeof hex, "\\x%02X", byte);
  shown += hex;
}

}  // namespace

size_t Utf8SequenceAt(std::string_view text, size_t at, uint32_t& code) {
  const auto lead = static_cast<unsigned char>(text[at]);
  size_t length = 0;
  uint32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1Fu, smallest = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0Fu, smallest = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07u, smallest = 0x10000;
  else return 0;
  if (at + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < smallest || surrogate || code > 0x10FFFF ? 0 : length;
}

std::string ShownText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte == '\\') {
      shown += "\\\\";
      ++at;
      continue;
    }
    if (byte >= 0x20 && byte < 0x7F) {
      shown += static_cast<char>(byte);
      ++at;
      continue;
    }
    uint32_t code = 0;
    const size_t length = byte >= 0x80 ? Utf8SequenceAt(text, at, code) : 0;
    if (length != 0 && !IsHiddenMark(code)) {
      shown.append(text.substr(at, length));
      at += length;
      continue;
    }
    AppendEscaped(shown, byte);
    ++at;
  }
  return shown;
}

}  // namespace tq::cli
