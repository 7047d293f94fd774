// The manual page of trommelquirl-cli, made from its command table so that it documents
// every command and every option there is.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace tq::cli::docs {

// Every option of the table that its command's help does not describe, as "COMMAND --option".
std::vector<std::string> UndocumentedOptions(std::span<const CommandInfo* const> commands);

// The page in man(7) markup, for this version and date (YYYY-MM-DD).
std::string ManualPage(std::span<const CommandInfo* const> commands, std::string_view version, std::string_view date);

// Text made safe for man(7) markup: backslashes escaped, a dash that starts a word made a
// minus sign (so that an option can be copied from the page), and characters beyond ASCII
// written as \[uXXXX]. `text` is UTF-8.
std::string Escaped(std::string_view text);

}  // namespace tq::cli::docs
