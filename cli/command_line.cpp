// Dispatch to the commands, with the program's own help and usage lines.
#include "cli/command_line.h"

#include <array>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "project_info.h"

namespace tq::cli {

std::span<const CommandInfo* const> AllCommands() {
  static const std::array<const CommandInfo*, 6> commands = {&SolveCommand(),   &OptimalCommand(), &ScrambleCommand(),
                                                             &ApplyCommand(),   &VerifyCommand(),  &ExplainCommand()};
  return commands;
}

namespace {

constexpr std::string_view ProgramUsage = "COMMAND [OPTIONS] ARGUMENTS  (see trommelquirl-cli --help)";

const CommandInfo* FindCommand(std::string_view name) {
  for (const CommandInfo* command : AllCommands()) {
    if (command->Name == name) return command;
  }
  return nullptr;
}

int ShowProgramHelp(Console& console) {
  console.Out << "usage: trommelquirl-cli COMMAND [OPTIONS] ARGUMENTS\n"
                 "Plays and solves the drum puzzle from a terminal.\n\nCommands:\n"
              << CommandList(AllCommands()) << '\n' << Wrapped("", LayoutHelp, 0)
              << "Run \"trommelquirl-cli COMMAND --help\" for a command's options, and\n"
                 "\"trommelquirl-cli --version\" (or -V) for the version.\n";
  return ExitOk;
}

int ShowVersion(Console& console) {
  console.Out << "trommelquirl-cli " << ProjectVersion << '\n';
  return ExitOk;
}

int ShowCommandHelp(Console& console, const CommandInfo& command) {
  console.Out << CommandHelp(command);
  return ExitOk;
}

std::string ArgumentCountProblem(const CommandInfo& command, const ParsedArguments& parsed) {
  const size_t given = parsed.Positionals.size();
  if (given < command.RequiredArguments) return "missing " + std::string(command.Arguments[given]);
  if (given > command.Arguments.size() && !command.LastRepeats) return "unexpected argument '" + parsed.Positionals[command.Arguments.size()] + "'";
  return "";
}

int RunCommand(Console& console, const CommandInfo& command, std::span<const std::string> args) {
  const ParsedArguments parsed = ParseArguments(args, command.Options);
  if (!parsed.Problem.empty()) return ReportUsage(console, parsed.Problem, UsageOf(command));
  if (parsed.HelpAsked) return ShowCommandHelp(console, command);
  const std::string problem = ArgumentCountProblem(command, parsed);
  if (!problem.empty()) return ReportUsage(console, problem, UsageOf(command));
  return command.Run(console, parsed);
}

}  // namespace

int RunCommandLine(Console& console, std::span<const std::string> args) {
  if (args.empty()) return ReportUsage(console, "no command given", ProgramUsage);
  const std::string& first = args.front();
  if (first == "--help" || first == "-h" || first == "help") return ShowProgramHelp(console);
  if (first == "--version" || first == "-V") return ShowVersion(console);
  const CommandInfo* command = FindCommand(first);
  if (command == nullptr) return ReportUsage(console, "unknown command '" + first + "'", ProgramUsage);
  return RunCommand(console, *command, args.subspan(1));
}

}  // namespace tq::cli
