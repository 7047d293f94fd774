// Whole-file reads and the write-beside-then-rename writer, on POSIX calls.
#include "store/safe_file.h"

#include <dirent.h>
#include <signal.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

#include "store/layout_hash.h"

namespace tq {

WriteCall WriteToFile = ::write;

namespace {
constexpr size_t ReadChunk = size_t{1} << 20;
constexpr int TempNameAttempts = 100;
// The kernel's own limit on links followed in one path.
constexpr int LinkLimit = 40;
constexpr std::string_view TempMark = ".new-";

std::string Reason(int error) { return std::strerror(error); }

std::string NameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

FileStamp StampOf(const struct stat& info, uint64_t hash) {
  return FileStamp{true, static_cast<uint64_t>(info.st_size), info.st_mtim.tv_sec, info.st_mtim.tv_nsec, hash};
}

// Reads until `size` bytes are in `data` or the file ends, whatever read gives at a time;
// `used` counts the bytes read. False on a read error, `used` then counting those before it.
bool ReadUpTo(int fd, char* data, size_t size, size_t& used, int& error) {
  used = 0;
  while (used < size) {
    const ssize_t got = ::read(fd, data + used, size - used);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = errno;
      return false;
    }
    if (got == 0) break;
    used += static_cast<size_t>(got);
  }
  return true;
}

// Reads to the end of the file; false on a read error, keeping what came before it.
bool ReadAll(int fd, size_t sizeHint, std::string& bytes, int& error) {
  size_t used = 0;
  bytes.resize(sizeHint + 1);
  for (;;) {
    size_t got = 0;
    const bool read = ReadUpTo(fd, bytes.data() + used, bytes.size() - used, got, error);
    used += got;
    if (!read || used < bytes.size()) {
      bytes.resize(used);
      return read;
    }
    bytes.resize(bytes.size() + ReadChunk);
  }
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
  while (!bytes.empty()) {
    const ssize_t put = WriteToFile(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      error = put < 0 ? errno : EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(put));
  }
  return true;
}

std::string TempName(const std::string& target) {
  static std::atomic<unsigned> serial{0};
  return target + std::string(TempMark) + std::to_string(::getpid()) + "-" + std::to_string(++serial);
}

// A new file in the directory of target, open for writing, with no name until it is linked
// (`temp` stays empty), or under a fresh name where the file system cannot do that.
int CreateTempBeside(const std::string& target, std::string& temp, int& error) {
  temp.clear();
  // The unnamed file is named through /proc; without it, it could not be named at all.
  int fd = ::access("/proc/self/fd", X_OK) == 0
               ? ::open(DirectoryOf(target).c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666)
               : -1;
  if (fd >= 0) return fd;
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT) {
    error = errno;
    return -1;
  }
  for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
    temp = TempName(target);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) break;
  }
  if (fd < 0) {
    error = errno;
    temp.clear();
  }
  return fd;
}

// The new file gets the permissions the user gave the old one.
void KeepModeOf(const std::string& target, int fd) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::fchmod(fd, info.st_mode & 07777);
}

// Gives an unnamed file a fresh name beside target, since a link cannot replace a file.
bool NameTemp(int fd, std::string& temp, const std::string& target, int& error) {
  const std::string fdPath = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
    temp = TempName(target);
    if (::linkat(AT_FDCWD, fdPath.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    error = errno;
    temp.clear();
    if (error != EEXIST) return false;
  }
  return false;
}

// Makes the rename itself durable; the new file is in place whether or not this works.
void SyncDirectoryOf(const std::string& path) {
  const int fd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Whether name is one of TempName's for target; writer then is the process that made it.
bool IsTempNameOf(std::string_view name, std::string_view target, pid_t& writer) {
  if (name.size() <= target.size() + TempMark.size() || name.substr(0, target.size()) != target) return false;
  std::string_view rest = name.substr(target.size());
  if (rest.substr(0, TempMark.size()) != TempMark) return false;
  rest.remove_prefix(TempMark.size());
  const size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size() || dash > 9) return false;
  writer = 0;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (i != dash && (rest[i] < '0' || rest[i] > '9')) return false;
    if (i < dash) writer = writer * 10 + (rest[i] - '0');
  }
  return true;
}

bool HasEnded(pid_t process) { return process != ::getpid() && ::kill(process, 0) != 0 && errno == ESRCH; }

template <typename Remove>
void RemoveLeftoversIf(const std::string& target, Remove&& remove) {
  DIR* directory = ::opendir(DirectoryOf(target).c_str());
  if (directory == nullptr) return;
  const std::string name = NameOf(target);
  const std::string prefix = DirectoryOf(target) + "/";
  pid_t writer = 0;
  while (const dirent* item = ::readdir(directory)) {
    if (IsTempNameOf(item->d_name, name, writer) && remove(writer)) ::unlink((prefix + item->d_name).c_str());
  }
  ::closedir(directory);
}

// Opens a regular file for reading, without blocking: opening a pipe for reading would wait
// for a writer for ever. 1 with `fd` open and `info` filled in; 0 when there is no such file;
// -1 with the reason when it cannot be opened or is no regular file.
int32_t OpenRegularFile(const std::string& path, int& fd, struct stat& info, std::string& problem) {
  fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return 0;
    problem = Reason(errno);
    return -1;
  }
  if (::fstat(fd, &info) != 0) {
    problem = Reason(errno);
  } else if (!S_ISREG(info.st_mode)) {
    problem = S_ISDIR(info.st_mode) ? Reason(EISDIR) : "Not a regular file";
  } else {
    return 1;
  }
  ::close(fd);
  fd = -1;
  return -1;
}

// Hashes the rest of the file in whole chunks, as HashFileBytes cuts them. False on a read error.
bool HashWholeFile(int fd, FileHasher& hasher, int& error) {
  std::string chunk(FileHasher::Chunk, '\0');
  for (;;) {
    size_t used = 0;
    if (!ReadUpTo(fd, chunk.data(), chunk.size(), used, error)) return false;
    if (used > 0) hasher.Add(std::string_view(chunk).substr(0, used));
    if (used < chunk.size()) return true;
  }
}

}  // namespace

// Chunk by chunk, so that a file can be hashed while it is read a chunk at a time.
uint64_t HashFileBytes(std::string_view bytes) {
  FileHasher hasher;
  for (size_t at = 0; at < bytes.size(); at += FileHasher::Chunk) hasher.Add(bytes.substr(at, FileHasher::Chunk));
  return hasher.Hash();
}

void FileHasher::Add(std::string_view chunk) {
  hash_ = layout_hash::Fold(hash_ ^ layout_hash::Secret[0], HashLayout(chunk) ^ layout_hash::Secret[1]);
}

int32_t StampRegularFile(const std::string& path, FileStamp& stamp, std::string& problem) {
  stamp = FileStamp{};
  int fd = -1;
  struct stat info {};
  const int32_t opened = OpenRegularFile(path, fd, info, problem);
  if (opened != 1) return opened;
  FileHasher hasher;
  int error = 0;
  const bool whole = HashWholeFile(fd, hasher, error);
  if (!whole) problem = Reason(error);
  if (whole && ::fstat(fd, &info) == 0) {
    stamp = StampOf(info, hasher.Hash());
  }
  ::close(fd);
  return whole ? 1 : -1;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

bool ResolveFileTarget(const std::string& path, std::string& target, std::string& problem, FileOwner owner) {
  std::string current = path;
  for (int followed = 0; followed <= LinkLimit; ++followed) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0) {
      if (errno != ENOENT) {
        problem = Reason(errno);
        return false;
      }
      target = current;
      return true;
    }
    if (S_ISREG(info.st_mode) || (S_ISLNK(info.st_mode) && owner == FileOwner::Program)) {
      target = current;
      return true;
    }
    if (!S_ISLNK(info.st_mode)) {
      problem = S_ISDIR(info.st_mode) ? Reason(EISDIR) : "Not a regular file";
      return false;
    }
    char link[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), link, sizeof link - 1);
    if (length < 0) {
      problem = Reason(errno);
      return false;
    }
    const std::string next(link, static_cast<size_t>(length));
    current = next.front() == '/' ? next : DirectoryOf(current) + "/" + next;
  }
  problem = Reason(ELOOP);
  return false;
}

int32_t ReadRegularFile(const std::string& path, std::string& bytes, FileStamp* stamp, std::string& problem) {
  bytes.clear();
  if (stamp != nullptr) *stamp = FileStamp{};
  int fd = -1;
  struct stat info {};
  const int32_t opened = OpenRegularFile(path, fd, info, problem);
  if (opened != 1) return opened;
  int error = 0;
  const bool whole = ReadAll(fd, static_cast<size_t>(info.st_size > 0 ? info.st_size : 0), bytes, error);
  if (!whole) problem = Reason(error);
  // A file written while it was read shows it in its time; the stamp then tells another save so.
  if (whole && stamp != nullptr && ::fstat(fd, &info) == 0) *stamp = StampOf(info, HashFileBytes(bytes));
  ::close(fd);
  return whole ? 1 : -1;
}

namespace {
// Writes the pieces to a new file beside path and renames it into path's place; see
// WriteFileSafely. The stamp, when asked for, is of `whole`, the pieces' bytes together.
int32_t WritePiecesSafely(const std::string& path, std::span<const std::string_view> pieces, FileStamp* written,
                          std::string_view whole, std::string& problem, FileOwner owner) {
  std::string target;
  if (!ResolveFileTarget(path, target, problem, owner)) return 0;
  std::string temp;
  int error = 0;
  const int fd = CreateTempBeside(target, temp, error);
  if (fd < 0) {
    problem = Reason(error);
    return 0;
  }
  if (owner == FileOwner::User) KeepModeOf(target, fd);
  bool done = true;
  for (const std::string_view piece : pieces) done = done && WriteAll(fd, piece, error);
  if (done && ::fsync(fd) != 0) done = false, error = errno;
  struct stat info {};
  if (done && written != nullptr && ::fstat(fd, &info) == 0) *written = StampOf(info, HashFileBytes(whole));
  if (done && temp.empty()) done = NameTemp(fd, temp, target, error);
  if (::close(fd) != 0 && done) done = false, error = errno;
  if (done && ::rename(temp.c_str(), target.c_str()) != 0) done = false, error = errno;
  if (!done) {
    if (!temp.empty()) ::unlink(temp.c_str());
    problem = Reason(error);
    return 0;
  }
  SyncDirectoryOf(target);
  return 1;
}
}  // namespace

int32_t WriteFileSafely(const std::string& path, std::string_view bytes, FileStamp* written, std::string& problem) {
  return WritePiecesSafely(path, std::span<const std::string_view>(&bytes, 1), written, bytes, problem, FileOwner::User);
}

int32_t WriteFileSafely(const std::string& path, std::span<const std::string_view> pieces, std::string& problem,
                        FileOwner owner) {
  return WritePiecesSafely(path, pieces, nullptr, {}, problem, owner);
}

int32_t WriteFileSafely(const std::string& path, std::string_view bytes) {
  std::string problem;
  return WriteFileSafely(path, bytes, nullptr, problem);
}

void RemoveLeftovers(const std::string& target) {
  RemoveLeftoversIf(target, [](pid_t) { return true; });
}

void RemoveLeftoversOfEndedWriters(const std::string& target) { RemoveLeftoversIf(target, HasEnded); }

}  // namespace tq
