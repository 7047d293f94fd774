// The end signals are taken by one thread with sigwait, so that nothing else runs in a signal
// handler: the command itself saves, on its own thread, once it sees the signal's number.
#include "cli/end_signals.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "cli/end_gate.h"

namespace tq::cli {

namespace {

int WakeRead = -1;
int WakeWrite = -1;

sigset_t EndSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  return set;
}

// Ends the process as the signal's default action would, so that the caller sees which one.
[[noreturn]] void EndBy(int signal) {
  struct sigaction action{};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  ::raise(signal);
  ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);  // delivers the pending signal at once
  ::_exit(128 + signal);
}

// The process's one gate: signals are the process's own, like the thread that takes them.
// Never destroyed, so that a signal during the exit's clean-up still finds it whole.
EndGate& Gate() {
  static EndGate* const gate = new EndGate(EndBy);
  return *gate;
}

void AwaitEndSignal() {
  const sigset_t set = EndSignals();
  int signal = 0;
  while (::sigwait(&set, &signal) != 0) {
  }
  // Told before the wake-up, so that a command woken from its input finds the signal set.
  Gate().Arrive(signal);
  const char byte = 1;
  [[maybe_unused]] const ssize_t put = ::write(WakeWrite, &byte, 1);
}

}  // namespace

void WatchEndSignals() {
  Gate();  // made before the watching thread can need it
  const sigset_t set = EndSignals();
  ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
  int wake[2];
  if (::pipe(wake) == 0) {
    WakeRead = wake[0];
    WakeWrite = wake[1];
  }
  std::thread(AwaitEndSignal).detach();
}

int EndSignal() { return Gate().Signal(); }

int EndSignalWakeFd() { return WakeRead; }

EndSignalHold::EndSignalHold(std::ostream& out) : out_(out) { Gate().Hold(); }

EndSignalHold::~EndSignalHold() {
  Gate().Release([this] { out_.flush(); });
}

}  // namespace tq::cli
