// Bytes from files and arguments made safe to show on a terminal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tq::cli {

// The text with every byte a terminal would not show as a character written as \xHH, and a
// backslash as \\. Printable ASCII and well-formed UTF-8 letters stay as they are; control
// characters, stray bytes and the invisible marks that reorder or hide text do not.
std::string ShownText(std::string_view text);

// The length of the well-formed UTF-8 sequence of 2 to 4 bytes at text[at], with its code point
// in `code`; 0 where none starts there (an ASCII byte, a stray or overlong one, a surrogate).
size_t Utf8SequenceAt(std::string_view text, size_t at, uint32_t& code);

}  // namespace tq::cli
