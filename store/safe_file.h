// Reading a whole regular file, and writing one so that the old file survives any failure
// and an interrupted write leaves nothing behind.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tq {

// The call that puts bytes into an open file (::write by default). Tests swap it to make a
// write fail part way, as a full disk would.
using WriteCall = ssize_t (*)(int fd, const void* data, size_t size);
extern WriteCall WriteToFile;

// What a file was when it was read or written: enough to tell whether anyone changed it since.
struct FileStamp {
  bool Exists = false;
  uint64_t Size = 0;
  int64_t Seconds = 0;      // modification time
  int64_t Nanoseconds = 0;
  uint64_t Hash = 0;        // of the bytes
  bool operator==(const FileStamp&) const = default;
};

// Whose file a write replaces. The user's (the solutions file): a symbolic link at path is
// followed, since a user may keep the file elsewhere, and the new file keeps the old one's
// permissions. The program's own (a cache it can build again): the name at path itself is
// replaced, a link included, never the file a link points to, which may be anything the user
// can write; and the new file gets the permissions of any new file, so that an old file's
// unreadable mode does not outlive it.
enum class FileOwner { User, Program };

// The regular file a write to path must replace, or create: for the user's file symbolic links
// are followed (also to a target that does not exist yet); for the program's own it is path,
// be it a link, a regular file or nothing. False, with the system's reason in problem, when
// the chain of links loops or ends at anything but a regular file or nothing.
bool ResolveFileTarget(const std::string& path, std::string& target, std::string& problem,
                       FileOwner owner = FileOwner::User);

// Reads the whole file into bytes, opening it without blocking and reading only a regular
// file (after following links). Returns 1 when it was read, 0 when there is no such file,
// -1 when it exists but cannot be read (a directory, a device, a pipe, no permission, a read
// error part way; bytes then holds what was read before the error, and problem says why).
// stamp, when given, describes what was read.
int32_t ReadRegularFile(const std::string& path, std::string& bytes, FileStamp* stamp, std::string& problem);

// Writes bytes to a new file beside path, flushes it to disk and puts it in path's place.
// Returns 1 when the new file is in place; 0 when anything failed, and then path is as it was,
// no new file is left behind, and problem gives the system's reason. A symbolic link at path
// is followed, not replaced; anything but a regular file is never replaced. The new file is
// unnamed until complete where the file system allows it, so that even a killed write leaves
// nothing; elsewhere a killed write may leave a file that RemoveLeftovers takes away.
// written, when given, describes the new file.
int32_t WriteFileSafely(const std::string& path, std::string_view bytes, FileStamp* written, std::string& problem);
// The same, for callers that need no reason.
int32_t WriteFileSafely(const std::string& path, std::string_view bytes);
// The same for a file made of pieces, written one after the other, that need not be put
// together in memory first (a header and a large block); `owner` says how a link at path and
// the old file's permissions are treated.
int32_t WriteFileSafely(const std::string& path, std::span<const std::string_view> pieces, std::string& problem,
                        FileOwner owner = FileOwner::User);

// Removes the files that writes to target (a path ResolveFileTarget gave) left when they were
// killed part way. Only safe while no other write to target can be under way.
void RemoveLeftovers(const std::string& target);
// The same where other programs may be writing target meanwhile, with no lock to keep them
// out: only the files of writers that no longer run go.
void RemoveLeftoversOfEndedWriters(const std::string& target);

// The directory part of a path ("." for a bare name, "/" for a name at the root).
std::string DirectoryOf(const std::string& path);

// A stamp's hash of some bytes.
uint64_t HashFileBytes(std::string_view bytes);

// The same hash made a chunk at a time: every chunk but the last must be Chunk bytes long.
class FileHasher {
 public:
  static constexpr size_t Chunk = size_t{1} << 20;
  void Add(std::string_view chunk);
  uint64_t Hash() const { return hash_; }

 private:
  uint64_t hash_ = 0;
};

// The stamp of the file at path without keeping its bytes, read a chunk at a time as
// ReadRegularFile would read it (without blocking, a regular file only). Returns 1, 0 when
// there is no such file (stamp then says so), or -1 (problem says why).
int32_t StampRegularFile(const std::string& path, FileStamp& stamp, std::string& problem);

}  // namespace tq
