// The help, the manual page and the completion are made from the command table: every command
// and option there reaches them, lines keep to the width, and text cannot break the markup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help.h"
#include "cli/docs/completion.h"
#include "cli/docs/man_page.h"

namespace tq::cli::docs {
namespace {

int RunNothing(Console&, const ParsedArguments&) { return 0; }

constexpr OptionInfo RollOptions[] = {
    {.Name = "--seed", .Value = "S", .Text = "seed the generator with S, so that the same seed gives the same moves every time"},
    {.Name = "--fast", .Text = "quick"},
};
constexpr std::string_view RollArguments[] = {"LAYOUT", "MORE"};
const CommandInfo Roll{.Name = "roll",
                       .About = "Rolls.\nThen stops.\n",
                       .Options = RollOptions,
                       .Notes = "Exit status: 0.\n",
                       .Arguments = RollArguments,
                       .RequiredArguments = 1,
                       .LastRepeats = true,
                       .Run = RunNothing};

TEST(HelpText, IsFormattedFromTheTableWithOptionsInAColumnWithinTheWidth) {
  EXPECT_EQ(UsageOf(Roll), "roll [--seed S] [--fast] LAYOUT [MORE...]");
  EXPECT_EQ(CommandHelp(Roll),
            "usage: trommelquirl-cli roll [--seed S] [--fast] LAYOUT [MORE...]\n"
            "Rolls.\n\nThen stops.\n\n"
            "  --seed S   seed the generator with S, so that the same seed gives the same\n"
            "             moves every time\n"
            "  --fast     quick\n\n"
            "Exit status: 0.\n");
  // A word longer than the width stands alone rather than being cut.
  EXPECT_EQ(Wrapped("", "a " + std::string(12, 'b') + " c", 2, 10), "a\n  " + std::string(12, 'b') + "\n  c\n");
  for (const CommandInfo* command : AllCommands()) {
    const std::vector<std::string_view> lines = Paragraphs(CommandHelp(*command));
    for (size_t k = 1; k < lines.size(); ++k) EXPECT_LE(lines[k].size(), HelpWidth) << lines[k];  // past the usage
  }
}

TEST(HelpText, ListsTheSummariesInOneColumnAfterTheLongestNameAndNamesBothVersionOptions) {
  const CommandInfo shortName{.Name = "go", .Summary = "goes", .Run = RunNothing};
  const CommandInfo longName{.Name = "rearrange-everything", .Summary = "rearranges", .Run = RunNothing};
  const CommandInfo* usual[] = {&shortName};
  EXPECT_EQ(CommandList(usual), "  go        goes\n");
  const CommandInfo* withLong[] = {&shortName, &longName};
  EXPECT_EQ(CommandList(withLong), "  go                    goes\n  rearrange-everything  rearranges\n");
  EXPECT_NE(ManualPage(AllCommands(), "1", "2000-01-01").find(".BR \\-V \", \" \\-\\-version\n"), std::string::npos);
  EXPECT_NE(BashCompletion(AllCommands()).find("--version -h -V'"), std::string::npos);
}

TEST(ManualPage, OnlyATableWhoseHelpDescribesEveryOptionPasses) {
  EXPECT_EQ(UndocumentedOptions(AllCommands()), std::vector<std::string>{});
  static constexpr OptionInfo options[] = {{.Name = "--seed", .Value = "S", .Text = "seed"}, {.Name = "--moves", .Value = "N"}};
  const CommandInfo command{.Name = "roll", .Options = options, .Run = RunNothing};
  const CommandInfo* commands[] = {&command};
  EXPECT_EQ(UndocumentedOptions(commands), (std::vector<std::string>{"roll --moves"}));
}

TEST(ManualPage, HasASectionForEveryCommandAndAnItemForEveryOption) {
  const std::string page = ManualPage(AllCommands(), "9.9", "2030-01-02");
  EXPECT_EQ(page.find(".TH TROMMELQUIRL\\-CLI 1 \"2030-01-02\" \"Trommelquirl 9.9\""), page.find(".TH"));
  for (const CommandInfo* command : AllCommands()) {
    EXPECT_NE(page.find("\n.SS " + std::string(command->Name) + "\n"), std::string::npos) << command->Name;
    for (const OptionInfo& option : command->Options) {
      EXPECT_NE(page.find("\n.B " + Escaped(option.Name)), std::string::npos) << option.Name;
    }
  }
  const CommandInfo* roll[] = {&Roll};
  const std::string rolled = ManualPage(roll, "1", "2000-01-01");
  EXPECT_NE(rolled.find("\n\\fBtrommelquirl\\-cli\\fR \\fBroll\\fR [\\fB\\-\\-seed\\fR \\fIS\\fR] [\\fB\\-\\-fast\\fR] "
                        "\\fILAYOUT\\fR [\\fIMORE\\fR...]\n.PP\nRolls.\n.PP\nThen stops.\n.TP\n.B \\-\\-seed \\fIS\\fR\n"),
            std::string::npos)
      << rolled;
}

TEST(Completion, OffersEachCommandsOptionsAndFileNamesWhereAFileIsTaken) {
  const std::string script = BashCompletion(AllCommands());
  EXPECT_NE(script.find("    solve)\n      options='--db --max-trials --stats --all-lines --help'\n      files=0\n"
                        "      case $prev in\n        --db) _trommelquirl_cli_files; return ;;\n        --max-trials) return ;;\n"),
            std::string::npos)
      << script;
  EXPECT_NE(script.find("    verify)\n      options='--help'\n      files=1\n"), std::string::npos);
}

TEST(ManualPage, TextCannotBeReadAsMarkup) {
  EXPECT_EQ(Escaped("back\\slash"), "back\\eslash");
  EXPECT_EQ(Escaped("--db and -q, but command-line"), "\\-\\-db and \\-q, but command-line");
  EXPECT_EQ(Escaped("L\xc3\xb6sung \xe2\x86\x92 \xff"), "L\\[u00F6]sung \\[u2192] \\[u00FF]");
  // A help paragraph that starts with a dot or a quote stays text.
  static const CommandInfo command{.Name = "x", .About = ".hidden\n'quoted\n", .Run = RunNothing};
  const CommandInfo* commands[] = {&command};
  const std::string page = ManualPage(commands, "1", "2000-01-01");
  EXPECT_NE(page.find("\n\\&.hidden\n"), std::string::npos);
  EXPECT_NE(page.find("\n\\&'quoted\n"), std::string::npos);
}

}  // namespace
}  // namespace tq::cli::docs
