// The list's texts are single bytes in Windows-1252, as the solutions file's are: the bytes'
// characters, and the bytes for a text the system gives in UTF-8 (a path).
#pragma once

#include <string>
#include <string_view>

namespace tq {

// The character of one Windows-1252 byte. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number.
char16_t Windows1252Character(unsigned char byte);

// The Windows-1252 bytes of a UTF-8 text; a character the code page lacks, or a byte that is
// no UTF-8, becomes '?'.
std::string Windows1252FromUtf8(std::string_view utf8);

}  // namespace tq
