// Bytes from files and arguments made safe to show on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace tq::cli {

// The text with every byte a terminal would not show as a character written as \xHH, and a
// backslash as \\. Printable ASCII and well-formed UTF-8 letters stay as they are; control
// characters, stray bytes and the invisible marks that reorder or hide text do not.
std::string ShownText(std::string_view text);

}  // namespace tq::cli
