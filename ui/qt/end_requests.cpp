// Signals reach the event loop through a pipe, so that the handler runs on the user-interface
// thread like any command; a lost display is seen when Qt calls exit() from its event handling.
#include "ui/qt/end_requests.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/event_pump.h"
#include "ui/window_toolkit.h"

namespace tq {

namespace {

constexpr int EndSignals[] = {SIGTERM, SIGHUP, SIGINT};

int SignalPipe[2] = {-1, -1};
EndRequestProc Handler = nullptr;
QThread* InterfaceThread = nullptr;

// The only work done inside the signal handler: one byte into the pipe.
void OnSignal(int number) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(number);
  [[maybe_unused]] const ssize_t ignored = ::write(SignalPipe[1], &byte, 1);
  errno = saved;
}

void TakeSignals() {
  unsigned char numbers[16];
  const ssize_t got = ::read(SignalPipe[0], numbers, sizeof numbers);
  for (ssize_t k = 0; k < got; ++k) {
    if (Handler == nullptr) EndForCause(numbers[k]);  // nothing to save yet
    Handler(numbers[k]);
  }
}

// Qt's display connection calls exit() when the display goes away; the program's own ends
// never do (ShutDown and EndForCause skip the exit handlers). So an exit from inside the
// event handling on this thread is the display's.
void OnExit() {
  if (Handler == nullptr || !InsideEventPump() || QThread::currentThread() != InterfaceThread) return;
  Handler(DisplayLost);
}

}  // namespace

void WatchEndRequests() {
  if (SignalPipe[0] >= 0) return;
  if (::pipe2(SignalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
  InterfaceThread = QThread::currentThread();
  auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier, &QSocketNotifier::activated, [] { TakeSignals(); });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (int number : EndSignals) ::sigaction(number, &action, nullptr);
  std::atexit(OnExit);
}

int32_t InstallEndRequestHandler(EndRequestProc handler) {
  Handler = handler;
  return 0;
}

void EndForCause(int32_t cause) {
  std::fflush(nullptr);
  if (cause > 0) {
    ::signal(cause, SIG_DFL);
    ::raise(cause);
  }
  std::_Exit(cause > 0 ? 128 + cause : 1);
}

}  // namespace tq
