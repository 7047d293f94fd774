// SIGINT, SIGTERM and SIGHUP: at once the end of the process, except while a command holds
// solutions it has yet to save; it then stops its work, saves, and ends by the signal after all.
#pragma once

#include <ostream>

namespace tq::cli {

// Blocks the three signals in this thread and every thread started after it, and starts the
// thread that waits for them. Call first thing in main.
void WatchEndSignals();

// The signal that asked the process to end, or 0.
int EndSignal();

// A file descriptor that turns readable once an end signal has come, for a wait on input to
// watch as well. -1 before WatchEndSignals.
int EndSignalWakeFd();

// While one exists, an end signal only sets EndSignal: the command is to notice it, finish what
// it must save, and return. When the last one goes and a signal came, `out` is flushed and the
// process ends by that signal, as it would have at once without the hold.
class EndSignalHold {
 public:
  explicit EndSignalHold(std::ostream& out);
  ~EndSignalHold();
  EndSignalHold(const EndSignalHold&) = delete;
  EndSignalHold& operator=(const EndSignalHold&) = delete;

 private:
  std::ostream& out_;
};

}  // namespace tq::cli
