// An advisory lock that programs sharing a file take while they read or write it, held on a
// lock file of its own beside that file, so that the lock outlives any rename of the file.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace tq {

// Called about every 5 ms while a lock is waited for, with the time waited so far; returns
// false to give the wait up. It may handle the caller's events, so that a wait neither
// freezes a window nor holds back a request to end.
using LockWaitCall = std::function<bool(std::chrono::milliseconds waited)>;

// Move-only; the lock is released when the object goes. Thread-safe: each object is its own.
class FileLock {
 public:
  enum class Mode { Shared, Exclusive };

  FileLock() = default;
  FileLock(FileLock&& other) noexcept : fd_(other.fd_), busy_(other.busy_) { other.fd_ = -1; }
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock() { Release(); }

  // Takes the lock on lockPath, creating the lock file when it is missing, and waits up to
  // patience while another program holds it, calling whileWaiting (when given) between the
  // tries. A lock file is never removed or replaced. On failure the lock is not held and
  // problem gives the reason: the system's words about the lock file, or, when Busy, that
  // another program holds it.
  static FileLock Take(const std::string& lockPath, Mode mode, std::chrono::milliseconds patience,
                       std::string& problem, const LockWaitCall& whileWaiting = {});

  bool Held() const { return fd_ >= 0; }
  // Not held because another program held it all the while (rather than for want of a lock file).
  bool Busy() const { return busy_; }
  // Busy's reason, without the lock file's name.
  static constexpr const char* BusyReason = "Another program holds the lock";
  void Release();

 private:
  explicit FileLock(int fd, bool busy = false) : fd_(fd), busy_(busy) {}
  int fd_ = -1;
  bool busy_ = false;
};

// The lock file's name for a file: the file's name with ".lock" added.
std::string LockPathFor(const std::string& file);

}  // namespace tq
