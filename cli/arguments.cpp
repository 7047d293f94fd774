// Option parsing: a small fixed grammar, so that every command reads its options the same way.
#include "cli/arguments.h"

#include <algorithm>

namespace tq::cli {

const std::string* ParsedArguments::Value(std::string_view option) const {
  const auto found = Options.find(option);
  return found == Options.end() ? nullptr : &found->second;
}

namespace {

const OptionInfo* FindOption(std::span<const OptionInfo> options, std::string_view name) {
  const auto found = std::ranges::find(options, name, &OptionInfo::Name);
  return found == options.end() ? nullptr : &*found;
}

bool LooksLikeOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

// Reads the option at args[index]; may consume the following argument as its value.
void ReadOption(std::span<const std::string> args, size_t& index, std::span<const OptionInfo> options,
                ParsedArguments& parsed) {
  const std::string_view arg = args[index];
  const size_t equals = arg.find('=');
  const std::string_view name = arg.substr(0, equals);
  const OptionInfo* option = FindOption(options, name);
  if (option == nullptr) {
    parsed.Problem = "unknown option '" + std::string(name) + "'";
  } else if (!option->TakesValue()) {
    if (equals != std::string_view::npos) parsed.Problem = "option " + std::string(name) + " takes no value";
    parsed.Options[std::string(name)] = "";
  } else if (equals != std::string_view::npos) {
    parsed.Options[std::string(name)] = std::string(arg.substr(equals + 1));
  } else if (index + 1 < args.size()) {
    parsed.Options[std::string(name)] = args[++index];
  } else {
    parsed.Problem = "option " + std::string(name) + " needs a value";
  }
}

}  // namespace

ParsedArguments ParseArguments(std::span<const std::string> args, std::span<const OptionInfo> options) {
  ParsedArguments parsed;
  bool optionsEnded = false;
  for (size_t index = 0; index < args.size() && parsed.Problem.empty(); ++index) {
    const std::string& arg = args[index];
    if (optionsEnded || !LooksLikeOption(arg)) {
      parsed.Positionals.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.HelpAsked = true;
    } else {
      ReadOption(args, index, options, parsed);
    }
  }
  return parsed;
}

}  // namespace tq::cli
