// Child-process plumbing: output goes to files, so neither stream can block the other.
#include "tests/cli/run_cli.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
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

// An empty outPath leaves the child without a standard output; an outFd of 0 or more is its
// standard output instead.
pid_t Spawn(std::vector<std::string> words, const std::string& outPath, const std::string& errPath,
            const std::string& inPath = "/dev/null", int outFd = -1) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  if (outFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
  } else if (outPath.empty()) {
    posix_spawn_file_actions_addclose(&actions, 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  }
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  // Whatever the test runner ignores, the child starts with the default actions, as from a shell.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (const int signal : {SIGPIPE, SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, signal);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  std::vector<char*> argv = ArgvOf(words);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) throw std::runtime_error("cannot start " + words[0]);
  return pid;
}

void WaitForExit(pid_t pid, CliRun& run) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return;
  }
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.Signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

std::vector<std::string> CommandOf(const std::vector<std::string>& args) {
  std::vector<std::string> words{TQ_CLI_PATH};
  words.insert(words.end(), args.begin(), args.end());
  return words;
}

}  // namespace

StartedCli StartCli(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                    const std::string& inPath) {
  static int serial = 0;
  ++serial;
  StartedCli started;
  started.Out = scratch / ("out-" + std::to_string(serial));
  started.Err = scratch / ("err-" + std::to_string(serial));
  started.Pid = Spawn(CommandOf(args), started.Out, started.Err, inPath);
  return started;
}

CliRun FinishCli(const StartedCli& started) {
  CliRun run;
  WaitForExit(started.Pid, run);
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
  WaitForExit(Spawn(CommandOf(args), outPath, errPath), run);
  run.Err = ReadWholeFile(errPath);
  return run;
}

CliRun RunCliIntoClosedPipe(const std::vector<std::string>& args, const std::string& input) {
  const TempDirectory scratch;
  WriteWholeFile(scratch / "in", input);
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) throw std::runtime_error("cannot make a pipe");
  ::close(pipeEnds[0]);
  const std::string errPath = scratch / "err";
  const pid_t pid = Spawn(CommandOf(args), "", errPath, scratch / "in", pipeEnds[1]);
  ::close(pipeEnds[1]);
  CliRun run;
  WaitForExit(pid, run);
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
