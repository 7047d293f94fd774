// Splitting a command's arguments into options and positional arguments.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tq::cli {

// One option of a command, with what its help and manual page say of it.
struct OptionInfo {
  std::string_view Name = {};   // with the leading "--"
  std::string_view Value = {};  // the name of the value it takes, such as "FILE"; empty for a flag
  std::string_view Text = {};   // what it does: one paragraph, wrapped where it is shown

  constexpr bool TakesValue() const { return !Value.empty(); }
};

struct ParsedArguments {
  std::map<std::string, std::string, std::less<>> Options;  // a flag maps to ""
  std::vector<std::string> Positionals;
  bool HelpAsked = false;
  std::string Problem;  // set when the arguments cannot be understood

  bool Has(std::string_view option) const { return Options.contains(option); }
  const std::string* Value(std::string_view option) const;
};

// Options may come anywhere, as "--name value" or "--name=value"; "--" ends them.
// "--help" and "-h" ask for help. A repeated option keeps its last value.
ParsedArguments ParseArguments(std::span<const std::string> args, std::span<const OptionInfo> options);

}  // namespace tq::cli
