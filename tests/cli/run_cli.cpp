// Child-process plumbing: output goes to files, so neither stream can block the other.
#include "tests/cli/run_cli.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tq::cli::test {

namespace {

std::vector<char*> ArgvOf(std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  return argv;
}

// An empty outPath leaves the child without a standard output.
pid_t Spawn(std::vector<std::string> words, const std::string& outPath, const std::string& errPath,
            const std::string& inPath = "/dev/null") {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  if (outPath.empty()) {
    posix_spawn_file_actions_addclose(&actions, 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  }
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<char*> argv = ArgvOf(words);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) throw std::runtime_error("cannot start " + words[0]);
  return pid;
}

int WaitForExit(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> CommandOf(const std::vector<std::string>& args) {
  std::vector<std::string> words{TQ_CLI_PATH};
  words.insert(words.end(), args.begin(), args.end());
  return words;
}

}  // namespace

StartedCli StartCli(const std::vector<std::string>& args, const std::filesystem::path& scratch) {
  static int serial = 0;
  ++serial;
  StartedCli started;
  started.Out = scratch / ("out-" + std::to_string(serial));
  started.Err = scratch / ("err-" + std::to_string(serial));
  started.Pid = Spawn(CommandOf(args), started.Out, started.Err);
  return started;
}

CliRun FinishCli(const StartedCli& started) {
  CliRun run;
  run.Status = WaitForExit(started.Pid);
  run.Out = ReadWholeFile(started.Out);
  run.Err = ReadWholeFile(started.Err);
  return run;
}

CliRun RunCli(const std::vector<std::string>& args) {
  const TempDirectory scratch;
  return FinishCli(StartCli(args, scratch / "."));
}

CliRun RunCliWithOutput(const std::vector<std::string>& args, const std::string& outPath) {
  const TempDirectory scratch;
  const std::string errPath = scratch / "err";
  CliRun run;
  run.Status = WaitForExit(Spawn(CommandOf(args), outPath, errPath));
  run.Err = ReadWholeFile(errPath);
  return run;
}

CliRun RunCliWithInput(const std::vector<std::string>& args, const std::string& input) {
  const TempDirectory scratch;
  WriteWholeFile(scratch / "in", input);
  StartedCli started{-1, scratch / "out", scratch / "err"};
  started.Pid = Spawn(CommandOf(args), started.Out, started.Err, scratch / "in");
  return FinishCli(started);
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

}  // namespace tq::cli::test
