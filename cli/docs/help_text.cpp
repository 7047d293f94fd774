// Reading help texts: blank lines part paragraphs, "  -" starts an option.
#include "cli/docs/help_text.h"

#include <algorithm>

namespace tq::cli::docs {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void Append(std::string& text, std::string_view more) {
  more = Trimmed(more);
  if (more.empty()) return;
  if (!text.empty()) text += ' ';
  text += more;
}

bool StartsOption(std::string_view line) { return line.starts_with("  -"); }

// "  --name VALUE   text" or "  --flag   text".
OptionHelp ReadOptionLine(std::string_view line) {
  OptionHelp option;
  line = line.substr(2);
  const size_t nameEnd = std::min(line.find(' '), line.size());
  option.Name = line.substr(0, nameEnd);
  line = line.substr(nameEnd);
  if (line.size() > 1 && line[0] == ' ' && line[1] != ' ') {
    const size_t valueEnd = std::min(line.find(' ', 1), line.size());
    option.Value = line.substr(1, valueEnd - 1);
    line = line.substr(valueEnd);
  }
  Append(option.Text, line);
  return option;
}

HelpBlock ReadBlock(const std::vector<std::string_view>& lines) {
  HelpBlock block;
  const bool options = StartsOption(lines.front());
  for (std::string_view line : lines) {
    if (!options) {
      Append(block.Text, line);
    } else if (StartsOption(line)) {
      block.Options.push_back(ReadOptionLine(line));
    } else {
      Append(block.Options.back().Text, line);
    }
  }
  return block;
}

}  // namespace

std::vector<HelpBlock> ReadHelp(std::string_view help) {
  std::vector<HelpBlock> blocks;
  std::vector<std::string_view> paragraph;
  std::vector<std::string_view> lines = SplitLines(help);
  lines.emplace_back();  // a blank line ends the last paragraph
  for (std::string_view line : lines) {
    if (!Trimmed(line).empty()) {
      paragraph.push_back(line);
    } else if (!paragraph.empty()) {
      blocks.push_back(ReadBlock(paragraph));
      paragraph.clear();
    }
  }
  return blocks;
}

const OptionHelp* FindOption(const std::vector<HelpBlock>& blocks, std::string_view name) {
  for (const HelpBlock& block : blocks) {
    for (const OptionHelp& option : block.Options) {
      if (option.Name == name) return &option;
    }
  }
  return nullptr;
}

}  // namespace tq::cli::docs
