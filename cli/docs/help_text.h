// A command's help text read back as paragraphs and option lists, for its manual page and
// its shell completion.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tq::cli::docs {

struct OptionHelp {
  std::string Name;   // with the leading "--"
  std::string Value;  // the value's name, such as "FILE"; empty for a flag
  std::string Text;   // what it does, its lines joined by single spaces
};

// A paragraph of running text, or a list of options.
struct HelpBlock {
  std::string Text;  // the paragraph's lines joined by single spaces; empty for an option list
  std::vector<OptionHelp> Options;
};

// Paragraphs are apart by blank lines. A paragraph whose first line starts with "  -" lists
// options: each line starting with "  -" names an option, its value name after one space,
// and after two or more spaces the start of its text, which goes on in the indented lines below.
std::vector<HelpBlock> ReadHelp(std::string_view help);

// The option called `name` in the blocks, or null.
const OptionHelp* FindOption(const std::vector<HelpBlock>& blocks, std::string_view name);

}  // namespace tq::cli::docs
