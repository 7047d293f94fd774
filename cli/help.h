// A command's usage line and its --help, formatted from its entry in the command table.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace tq::cli {

// The width help text is wrapped to: what a terminal shows without breaking a line.
inline constexpr size_t HelpWidth = 80;

// How a word of a usage line is shown: `variable` for a value's or an argument's name, as
// against the command's name and the options.
using UsageWord = std::string (*)(std::string_view word, bool variable);

// "solve [--db FILE] [--stats] LAYOUT": the name, each option in brackets with its value's
// name, then the arguments, those that may be left out in brackets, "..." after one that
// repeats. Each word as `shown` makes it; as it stands without.
std::string UsageOf(const CommandInfo& command, UsageWord shown = nullptr);

// The paragraphs of a help text: its lines, blank ones left out.
std::vector<std::string_view> Paragraphs(std::string_view text);

// `lead` followed by the words of `text`, broken at spaces into lines of at most `width`
// characters; lines after the first start with `indent` spaces. Every line ends in "\n". A
// word too long for a line stands on a line of its own.
std::string Wrapped(std::string_view lead, std::string_view text, size_t indent, size_t width = HelpWidth);

// The program help's list of commands: a line each, "  NAME  Summary", the summaries in one
// column after the longest name (at least 10 characters in, where they have always stood).
std::string CommandList(std::span<const CommandInfo* const> commands);

// What COMMAND --help prints: the usage line, the paragraphs about it, its options in a
// column, and the notes.
std::string CommandHelp(const CommandInfo& command);

}  // namespace tq::cli
