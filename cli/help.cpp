// Help formatting: usage from the options and arguments, paragraphs and option lists wrapped.
#include "cli/help.h"

#include <algorithm>

namespace tq::cli {

namespace {

// "--db FILE", or "--stats" for a flag.
std::string OptionWithValue(const OptionInfo& option) {
  std::string shown(option.Name);
  if (option.TakesValue()) shown += ' ' + std::string(option.Value);
  return shown;
}

void AppendParagraphs(std::string& help, std::string_view text) {
  for (std::string_view paragraph : Paragraphs(text)) help += Wrapped("", paragraph, 0) + '\n';
}

}  // namespace

std::string UsageOf(const CommandInfo& command, UsageWord shown) {
  auto word = [shown](std::string_view text, bool variable) { return shown ? shown(text, variable) : std::string(text); };
  std::string usage = word(command.Name, false);
  for (const OptionInfo& option : command.Options) {
    usage += " [" + word(option.Name, false) + (option.TakesValue() ? " " + word(option.Value, true) : "") + "]";
  }
  for (size_t k = 0; k < command.Arguments.size(); ++k) {
    const bool optional = k >= command.RequiredArguments;
    const bool repeats = command.LastRepeats && k + 1 == command.Arguments.size();
    usage += std::string(optional ? " [" : " ") + word(command.Arguments[k], true) + (repeats ? "..." : "") +
             (optional ? "]" : "");
  }
  return usage;
}

std::vector<std::string_view> Paragraphs(std::string_view text) {
  std::vector<std::string_view> paragraphs;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    if (text.substr(0, end).find_first_not_of(' ') != std::string_view::npos) paragraphs.push_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return paragraphs;
}

std::string Wrapped(std::string_view lead, std::string_view text, size_t indent, size_t width) {
  std::string wrapped(lead);
  size_t lineStart = 0;
  bool lineHasWord = false;
  while (!text.empty()) {
    const size_t wordStart = text.find_first_not_of(' ');
    if (wordStart == std::string_view::npos) break;
    text.remove_prefix(wordStart);
    const std::string_view word = text.substr(0, std::min(text.find(' '), text.size()));
    text.remove_prefix(word.size());
    const size_t lineLength = wrapped.size() - lineStart;
    if (lineHasWord && lineLength + 1 + word.size() > width) {
      wrapped += '\n';
      lineStart = wrapped.size();
      wrapped.append(indent, ' ');
      lineHasWord = false;
    }
    if (lineHasWord) wrapped += ' ';
    wrapped += word;
    lineHasWord = true;
  }
  return wrapped + '\n';
}

std::string CommandList(std::span<const CommandInfo* const> commands) {
  size_t column = 10;
  for (const CommandInfo* command : commands) column = std::max(column, command->Name.size() + 2);
  std::string list;
  for (const CommandInfo* command : commands) {
    std::string lead = "  " + std::string(command->Name);
    lead.resize(2 + column, ' ');
    list += lead + std::string(command->Summary) + '\n';
  }
  return list;
}

std::string CommandHelp(const CommandInfo& command) {
  std::string help = "usage: trommelquirl-cli " + UsageOf(command) + '\n';
  AppendParagraphs(help, command.About);
  size_t widest = 0;
  for (const OptionInfo& option : command.Options) widest = std::max(widest, OptionWithValue(option).size());
  const size_t column = 2 + widest + 3;
  for (const OptionInfo& option : command.Options) {
    std::string lead = "  " + OptionWithValue(option);
    lead.resize(column, ' ');
    help += Wrapped(lead, option.Text, column);
  }
  if (!command.Options.empty()) help += '\n';
  AppendParagraphs(help, command.Notes);
  while (help.ends_with("\n\n")) help.pop_back();
  return help;
}

}  // namespace tq::cli
