// The completion script: one case per command, with its options and the values they take.
#include "cli/docs/completion.h"

#include <algorithm>
#include <sstream>


namespace tq::cli::docs {

namespace {

constexpr std::string_view FileValue = "FILE";

void WriteCommandCase(std::ostream& out, const CommandInfo& command) {
  out << "    " << command.Name << ")\n      options='";
  for (const OptionInfo& option : command.Options) out << option.Name << ' ';
  out << "--help'\n";
  const bool takesFile = std::ranges::find(command.Arguments, FileValue) != command.Arguments.end();
  out << "      files=" << (takesFile ? 1 : 0) << '\n';
  bool anyValue = false;
  for (const OptionInfo& option : command.Options) {
    if (!option.TakesValue()) continue;
    if (!anyValue) out << "      case $prev in\n";
    anyValue = true;
    const bool file = option.Value == FileValue;
    out << "        " << option.Name << ") " << (file ? "_trommelquirl_cli_files; " : "") << "return ;;\n";
  }
  if (anyValue) out << "      esac\n";
  out << "      ;;\n";
}

}  // namespace

std::string BashCompletion(std::span<const CommandInfo* const> commands) {
  std::ostringstream out;
  out << "# Bash completion for trommelquirl-cli, made from its command table.\n"
         "_trommelquirl_cli_files() {\n"
         "  local IFS=$'\\n'\n"
         "  compopt -o filenames 2>/dev/null\n"
         "  COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "}\n\n"
         "_trommelquirl_cli() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
         "  COMPREPLY=()\n"
         "  if ((COMP_CWORD == 1)); then\n"
         "    COMPREPLY=($(compgen -W '";
  for (const CommandInfo* command : commands) out << command->Name << ' ';
  out << "--help --version -h -V' -- \"$cur\"))\n"
         "    return\n"
         "  fi\n"
         "  local options files\n"
         "  case ${COMP_WORDS[1]} in\n";
  for (const CommandInfo* command : commands) WriteCommandCase(out, *command);
  out << "    *) return ;;\n"
         "  esac\n"
         "  if [[ $cur == -* ]]; then\n"
         "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
         "  elif ((files)); then\n"
         "    _trommelquirl_cli_files\n"
         "  fi\n"
         "}\n\n"
         "complete -F _trommelquirl_cli trommelquirl-cli\n";
  return out.str();
}

}  // namespace tq::cli::docs
