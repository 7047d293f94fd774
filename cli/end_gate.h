// When the process ends by an end signal: decided once, by whichever thread comes last of the
// signal and the release of the last hold, so that a final flush is never cut short.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>

namespace tq::cli {

// Thread-safe. The end call runs at most once, with the gate's lock held: once it is under
// way, a signal or a release on another thread waits for it (for ever, in the program, where
// the end call does not return).
class EndGate {
 public:
  using EndCall = std::function<void(int signal)>;
  explicit EndGate(EndCall end) : end_(std::move(end)) {}

  // A signal came: the end at once unless a hold is kept (the first signal counts).
  void Arrive(int signal);
  // While a hold is kept, a signal only sets Signal.
  void Hold();
  // Gives up a hold; after the last one, when a signal came, calls `flush` and then ends.
  void Release(const std::function<void()>& flush);
  // The signal that asked for the end, or 0.
  int Signal() const { return arrived_.load(); }

 private:
  EndCall end_;
  std::mutex mutex_;
  int holds_ = 0;
  bool ended_ = false;
  std::atomic<int> arrived_{0};
};

}  // namespace tq::cli
