// The end decision under one lock: the signal's thread cannot end the process while the last
// hold's release is still flushing the output.
#include "cli/end_gate.h"

namespace tq::cli {

void EndGate::Arrive(int signal) {
  std::lock_guard lock(mutex_);
  int none = 0;
  arrived_.compare_exchange_strong(none, signal);
  if (holds_ > 0 || ended_) return;
  ended_ = true;
  end_(arrived_.load());
}

void EndGate::Hold() {
  std::lock_guard lock(mutex_);
  ++holds_;
}

void EndGate::Release(const std::function<void()>& flush) {
  std::lock_guard lock(mutex_);
  if (--holds_ > 0 || ended_ || arrived_.load() == 0) return;
  ended_ = true;
  if (flush) flush();
  end_(arrived_.load());
}

}  // namespace tq::cli
