// The manual page: the fixed frame of the program, and a section per command of the table.
#include "cli/docs/man_page.h"

#include <cstdio>
#include <sstream>

#include "cli/help.h"
#include "cli/shown_text.h"

namespace tq::cli::docs {

namespace {

std::string CodePointEscape(char32_t code) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\[u%04X]", static_cast<unsigned>(code));
  return buffer;
}

// A line of running text: a leading dot or quote would be read as a request.
std::string TextLine(std::string_view text) {
  const std::string escaped = Escaped(text);
  return (escaped.starts_with('.') || escaped.starts_with('\'') ? "\\&" : "") + escaped + '\n';
}

// The command and its options in bold, the values and arguments in italics.
// Every dash a minus sign, so that no line breaks inside "--all-lines".
std::string SynopsisWord(std::string_view word, bool variable) {
  std::string shown;
  for (const char c : Escaped(word)) shown += c == '-' && !shown.ends_with('\\') ? std::string("\\-") : std::string(1, c);
  return (variable ? "\\fI" : "\\fB") + shown + "\\fR";
}

std::string Synopsis(const CommandInfo& command) {
  return "\\fBtrommelquirl\\-cli\\fR " + UsageOf(command, SynopsisWord) + '\n';
}

void WriteParagraphs(std::ostream& out, std::string_view text) {
  for (std::string_view paragraph : Paragraphs(text)) out << ".PP\n" << TextLine(paragraph);
}

void WriteCommand(std::ostream& out, const CommandInfo& command) {
  out << ".SS " << Escaped(command.Name) << '\n' << Synopsis(command);
  WriteParagraphs(out, command.About);
  for (const OptionInfo& option : command.Options) {
    out << ".TP\n.B " << Escaped(option.Name);
    if (option.TakesValue()) out << " \\fI" << Escaped(option.Value) << "\\fR";
    out << '\n' << TextLine(option.Text);
  }
  WriteParagraphs(out, command.Notes);
}

void WriteHead(std::ostream& out, std::string_view version, std::string_view date) {
  out << ".\\\" The manual page of trommelquirl-cli, made from its command table.\n"
      << ".TH TROMMELQUIRL\\-CLI 1 \"" << Escaped(date) << "\" \"Trommelquirl " << Escaped(version)
      << "\" \"User Commands\"\n"
         ".nh\n"
         ".nr HY 0\n"
         ".SH NAME\n"
         "trommelquirl\\-cli \\- play, solve and check drum puzzle positions from a terminal\n"
         ".SH SYNOPSIS\n"
         ".B trommelquirl\\-cli\n"
         ".I COMMAND\n"
         "[\\fIOPTIONS\\fR] [\\fIARGUMENTS\\fR]\n"
         ".br\n"
         ".B trommelquirl\\-cli \\-\\-help\n"
         ".br\n"
         ".B trommelquirl\\-cli \\-\\-version\n"
         ".SH DESCRIPTION\n"
         ".B trommelquirl\\-cli\n"
         "plays, solves and checks positions of the drum-shaped ball puzzle from a terminal, with\n"
         "the same puzzle, search and solutions file as the desktop program\n"
         ".BR trommelquirl (6),\n"
         "and without a window.\n"
         "Each run carries out one command.\n"
         ".SH OPTIONS\n"
         ".TP\n"
         ".BR \\-h \", \" \\-\\-help\n"
         "Describe the program and list its commands.\n"
         "After a command, describe that command and its options.\n"
         ".TP\n"
         ".BR \\-V \", \" \\-\\-version\n"
         "Print the program's name and version.\n";
}

void WriteTail(std::ostream& out) {
  out << ".SH LAYOUT\n" << TextLine(LayoutHelp)
      << ".SH EXIT STATUS\n"
         ".TP\n0\nSuccess.\n"
         ".TP\n1\n\\(lqNo Result\\(rq from\n.BR solve ,\nor entries that do not end solved in\n.BR verify .\n"
         ".TP\n2\nBad input: a malformed or unreachable layout, an unknown option, a missing argument;\n"
         "or a solutions file that cannot be read or saved;\n"
         "or standard output that cannot be written.\n"
         ".SH EXAMPLES\n"
         "Scramble the start position the same way every time, and search for a solution of it:\n"
         ".PP\n.RS\n.EX\ntrommelquirl\\-cli scramble \\-\\-seed 7\n"
         "trommelquirl\\-cli solve $(trommelquirl\\-cli scramble \\-\\-seed 7)\n.EE\n.RE\n"
         ".PP\n"
         "Solve a position, remembering the solution in the desktop program's solutions file\n"
         "(its folder is made when missing; a save keeps what a running program saved meanwhile,\n"
         "and the program's own save keeps this one):\n"
         ".PP\n.RS\n.EX\n"
         "trommelquirl\\-cli solve \\-\\-db ~/.local/share/trommelquirl/Loesungen.txt \\e\n"
         "    31100_221134422_554430055_\n"
         ".EE\n.RE\n"
         ".PP\n"
         "Find the shortest solution of fifty scrambled positions, one a line:\n"
         ".PP\n.RS\n.EX\n"
         "for s in $(seq 50); do trommelquirl\\-cli scramble \\-\\-seed $s \\-\\-moves 100; done |\n"
         "    trommelquirl\\-cli optimal \\-\n"
         ".EE\n.RE\n"
         ".PP\n"
         "Name the moves of a solution, and check every solution in a file:\n"
         ".PP\n.RS\n.EX\n"
         "trommelquirl\\-cli explain 152\n"
         "trommelquirl\\-cli verify ~/.local/share/trommelquirl/Loesungen.txt\n"
         ".EE\n.RE\n"
         ".SH FILES\n"
         ".TP\n"
         ".I $XDG_DATA_HOME/trommelquirl/Loesungen.txt\n"
         "The desktop program's solutions file (by default under\n"
         ".IR ~/.local/share ),\n"
         "which\n"
         ".B \\-\\-db\n"
         "may name; the command line uses no file unless told.\n"
         ".TP\n"
         ".I $XDG_CACHE_HOME/trommelquirl/optimal\\-full.table\n"
         "The table the\n"
         ".B optimal\n"
         "command searches with (110 MB, by default under\n"
         ".IR ~/.cache ),\n"
         "built on its first run and loaded on later ones;\n"
         "deleting it only makes the next run build it again.\n"
         "A file there that cannot be read is said, with the reason, and built again in its place;\n"
         "a symbolic link there is replaced, never written through.\n"
         ".SH SIGNALS\n"
         "SIGINT, SIGTERM and SIGHUP end a command at once, except\n"
         ".B solve\n"
         "and\n"
         ".B optimal\n"
         "with\n"
         ".BR \\-\\-db :\n"
         "they first save the solutions found so far, then end by that signal.\n"
         "A reader that goes away (the other end of a pipe closed) fails the output like any write\n"
         "error, with status 2;\n"
         ".B solve\n"
         "and\n"
         ".B optimal\n"
         "then stop at once, and with\n"
         ".B \\-\\-db\n"
         "save first.\n"
         ".SH SEE ALSO\n"
         ".BR trommelquirl (6)\n";
}

}  // namespace

std::string Escaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    const bool startsWord = i == 0 || text[i - 1] == ' ' || text[i - 1] == '-' || text[i - 1] == '(' || text[i - 1] == '[';
    if (const auto byte = static_cast<unsigned char>(c); byte >= 0x80) {
      // A byte that starts no well-formed sequence stands for itself, as Latin-1.
      uint32_t code = 0;
      const size_t length = Utf8SequenceAt(text, i, code);
      out += CodePointEscape(length != 0 ? code : byte);
      i += length != 0 ? length : 1;
      continue;
    }
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-' && startsWord) {
      out += "\\-";
    } else {
      out += c;
    }
    ++i;
  }
  return out;
}

std::vector<std::string> UndocumentedOptions(std::span<const CommandInfo* const> commands) {
  std::vector<std::string> missing;
  for (const CommandInfo* command : commands) {
    for (const OptionInfo& option : command->Options) {
      if (option.Text.empty()) missing.push_back(std::string(command->Name) + " " + std::string(option.Name));
    }
  }
  return missing;
}

std::string ManualPage(std::span<const CommandInfo* const> commands, std::string_view version, std::string_view date) {
  std::ostringstream out;
  WriteHead(out, version, date);
  out << ".SH COMMANDS\n";
  for (const CommandInfo* command : commands) WriteCommand(out, *command);
  WriteTail(out);
  return out.str();
}

}  // namespace tq::cli::docs
