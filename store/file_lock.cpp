// The lock file: flock on a regular file of its own, polled so that a wait has an end.
#include "store/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace tq {

namespace {
// Short beside a save, which holds the lock for milliseconds to seconds.
constexpr auto PollInterval = std::chrono::milliseconds(5);

// Opens the lock file without following a link and without blocking on a planted pipe.
int OpenLockFile(const std::string& lockPath, std::string& problem) {
  constexpr int Flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | Flags, 0666);
  int error = errno;
  // In a directory this user may not write, an existing lock file still serves to read.
  if (fd < 0 && (error == EACCES || error == EROFS)) {
    fd = ::open(lockPath.c_str(), O_RDONLY | Flags);
    if (fd < 0 && errno != ENOENT) error = errno;
  }
  if (fd < 0) {
    problem = std::strerror(error);
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    problem = "Not a regular file";
    ::close(fd);
    return -1;
  }
  return fd;
}
}  // namespace

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = other.fd_;
    busy_ = other.busy_;
    other.fd_ = -1;
  }
  return *this;
}

void FileLock::Release() {
  if (fd_ < 0) return;
  ::close(fd_);  // closing the only descriptor releases the lock
  fd_ = -1;
}

FileLock FileLock::Take(const std::string& lockPath, Mode mode, std::chrono::milliseconds patience,
                        std::string& problem, const LockWaitCall& whileWaiting) {
  const int fd = OpenLockFile(lockPath, problem);
  if (fd < 0) return FileLock();
  const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
  const auto start = std::chrono::steady_clock::now();
  const auto deadline = start + patience;
  for (;;) {
    if (::flock(fd, operation) == 0) return FileLock(fd);
    if (errno != EWOULDBLOCK && errno != EINTR) {
      problem = std::strerror(errno);
      ::close(fd);
      return FileLock();
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) break;
    if (whileWaiting && !whileWaiting(std::chrono::duration_cast<std::chrono::milliseconds>(now - start))) break;
    std::this_thread::sleep_for(PollInterval);
  }
  ::close(fd);
  problem = std::string(BusyReason) + " " + lockPath;
  return FileLock(-1, true);
}

std::string LockPathFor(const std::string& file) { return file + ".lock"; }

}  // namespace tq
