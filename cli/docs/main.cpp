// tq_cli_docs: writes trommelquirl-cli's manual page or its bash completion from the command
// table, at build time. Refuses a table with an option its help does not describe.
// Usage: tq_cli_docs man OUTPUT VERSION DATE | tq_cli_docs completion OUTPUT
#include <fstream>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/docs/completion.h"
#include "cli/docs/man_page.h"

namespace {

int Write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (file) return 0;
  std::cerr << "tq_cli_docs: cannot write " << path << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tq::cli;
  const std::string kind = argc > 2 ? argv[1] : "";
  const auto undocumented = docs::UndocumentedOptions(AllCommands());
  for (const std::string& missing : undocumented) {
    std::cerr << "tq_cli_docs: the help of " << missing << " does not describe it\n";
  }
  if (!undocumented.empty()) return 1;
  if (kind == "man" && argc == 5) return Write(argv[2], docs::ManualPage(AllCommands(), argv[3], argv[4]));
  if (kind == "completion" && argc == 3) return Write(argv[2], docs::BashCompletion(AllCommands()));
  std::cerr << "usage: tq_cli_docs man OUTPUT VERSION DATE | tq_cli_docs completion OUTPUT\n";
  return 2;
}
