// Running the built trommelquirl-cli as a child process.
#pragma once

#include <string>
#include <vector>

#include "tests/support/positions.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq::cli::test {

// The positions the command tests start from, as strings to build expected output with.
inline const std::string Start = "30000 111132222 444435555 ";
inline const std::string OneLeft = tq::test::OneLeftLayout;
inline const std::string TwoLeft = tq::test::TwoLeftLayout;

struct CliRun {
  int Status = -1;  // the exit status, or -1 when the child did not exit normally
  int Signal = 0;   // the signal that ended the child, if one did
  std::string Out;
  std::string Err;
};

// Runs the binary with these arguments (no shell involved), standard input empty.
CliRun RunCli(const std::vector<std::string>& args);
// The same with `input` on standard input.
CliRun RunCliWithInput(const std::vector<std::string>& args, const std::string& input);
// The same with standard output going to outPath (such as /dev/full), or closed when empty;
// CliRun::Out stays empty.
CliRun RunCliWithOutput(const std::vector<std::string>& args, const std::string& outPath);

// The same with standard output into a pipe whose reading end is already closed, as after
// `| head` has read its lines.
CliRun RunCliIntoClosedPipe(const std::vector<std::string>& args, const std::string& input);

// A run started and not yet waited for, so that several can run at once, or so that it can be
// sent a signal. Standard input comes from `inPath`, which may be a named pipe.
struct StartedCli {
  int Pid = -1;
  std::filesystem::path Out, Err;
};
StartedCli StartCli(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                    const std::string& inPath = "/dev/null");
CliRun FinishCli(const StartedCli& started);

// The lines of a text, each without its "\n".
std::vector<std::string> LinesOf(const std::string& text);

// Scratch directories and whole files, shared with the other tests.
using tq::test::TempDirectory;
using tq::test::ReadWholeFile;
using tq::test::WriteWholeFile;

}  // namespace tq::cli::test
