// Whole-file reads and the write-beside-then-rename writer, on POSIX calls.
#include "store/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tq {

WriteCall WriteToFile = ::write;

namespace {
constexpr size_t ReadChunk = size_t{1} << 20;
constexpr int TempNameAttempts = 100;

// Reads to the end of the file; false on a read error, keeping what came before it.
bool ReadAll(int fd, std::string& bytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) return false;
  size_t used = 0;
  bytes.resize(static_cast<size_t>(info.st_size > 0 ? info.st_size : 0) + 1);
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() + ReadChunk);
    const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      bytes.resize(used);
      return got == 0;
    }
    used += static_cast<size_t>(got);
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = WriteToFile(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(put));
  }
  return true;
}

// The file a write to path must replace: the target of a symbolic link, else path itself.
std::string ReplacedFile(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// Creates a file of a fresh name in the directory of path, open for writing.
int CreateTempBeside(const std::string& path, std::string& temp) {
  static unsigned serial = 0;
  for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
    temp = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The new file gets the permissions the user gave the old one.
void KeepModeOf(const std::string& path, int fd) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::fchmod(fd, info.st_mode & 07777);
}

// Makes the rename itself durable; the new file is in place whether or not this works.
void SyncDirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
}  // namespace

int32_t ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? 0 : -1;
  const bool whole = ReadAll(fd, bytes);
  ::close(fd);
  return whole ? 1 : -1;
}

int32_t WriteFileSafely(const std::string& path, std::string_view bytes) {
  const std::string target = ReplacedFile(path);
  std::string temp;
  const int fd = CreateTempBeside(target, temp);
  if (fd < 0) return 0;
  KeepModeOf(target, fd);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  SyncDirectoryOf(target);
  return 1;
}

}  // namespace tq
