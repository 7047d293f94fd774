// The manual page and the completion are made from the command table: every command and
// option there reaches them, and help text cannot break the page's markup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/docs/help_text.h"
#include "cli/docs/man_page.h"

namespace tq::cli::docs {
namespace {

TEST(HelpText, ReadsParagraphsAndOptionListsWithTheirContinuationLines) {
  const std::vector<HelpBlock> blocks = ReadHelp(
      "Does a thing\n"
      "over two lines.\n"
      "\n"
      "  --db FILE   use FILE,\n"
      "              which is created\n"
      "  --stats     count\n"
      "  -q          be quiet\n"
      "\n"
      "Exit status: 0.\n");
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0].Text, "Does a thing over two lines.");
  EXPECT_TRUE(blocks[0].Options.empty());
  ASSERT_EQ(blocks[1].Options.size(), 3u);
  EXPECT_EQ(blocks[1].Text, "");
  EXPECT_EQ(blocks[1].Options[0].Name, "--db");
  EXPECT_EQ(blocks[1].Options[0].Value, "FILE");
  EXPECT_EQ(blocks[1].Options[0].Text, "use FILE, which is created");
  EXPECT_EQ(blocks[1].Options[1].Name, "--stats");
  EXPECT_EQ(blocks[1].Options[1].Value, "");
  EXPECT_EQ(blocks[1].Options[1].Text, "count");
  EXPECT_EQ(blocks[1].Options[2].Name, "-q");
  EXPECT_EQ(blocks[2].Text, "Exit status: 0.");
  EXPECT_EQ(FindOption(blocks, "--stats"), &blocks[1].Options[1]);
  EXPECT_EQ(FindOption(blocks, "--seed"), nullptr);
}

int RunNothing(Console&, const ParsedArguments&) { return 0; }

TEST(ManualPage, OnlyATableWhoseHelpDescribesEveryOptionPasses) {
  EXPECT_EQ(UndocumentedOptions(AllCommands()), std::vector<std::string>{});
  static constexpr OptionInfo options[] = {{"--seed", true}, {"--moves", true}, {"--fast", false}};
  const CommandInfo command{"roll", "", "roll", "  --seed S   seed\n  --moves    number\n", options, {}, 0, RunNothing};
  const CommandInfo* commands[] = {&command};
  // --moves is described without the value it takes, --fast not at all.
  EXPECT_EQ(UndocumentedOptions(commands), (std::vector<std::string>{"roll --moves", "roll --fast"}));
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
}

TEST(ManualPage, TextCannotBeReadAsMarkup) {
  EXPECT_EQ(Escaped("back\\slash"), "back\\eslash");
  EXPECT_EQ(Escaped("--db and -q, but command-line"), "\\-\\-db and \\-q, but command-line");
  EXPECT_EQ(Escaped("L\xc3\xb6sung \xe2\x86\x92 \xff"), "L\\[u00F6]sung \\[u2192] \\[u00FF]");
  // A help paragraph that starts with a dot or a quote stays text.
  static const CommandInfo command{"x", "", "x", ".hidden\n\n'quoted\n", {}, {}, 0, RunNothing};
  const CommandInfo* commands[] = {&command};
  const std::string page = ManualPage(commands, "1", "2000-01-01");
  EXPECT_NE(page.find("\n\\&.hidden\n"), std::string::npos);
  EXPECT_NE(page.find("\n\\&'quoted\n"), std::string::npos);
}

}  // namespace
}  // namespace tq::cli::docs
