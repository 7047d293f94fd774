// Loading and merging saves of a solutions file that other programs write too.
#include "store/shared_solutions_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "store/file_lock.h"

namespace tq {

namespace {
// The directory spelled without links, so that every program that reaches the file through
// another path still takes the same lock.
bool CanonicalDirectory(const std::string& path, std::string& directory, std::string& problem) {
  char resolved[PATH_MAX];
  if (::realpath(DirectoryOf(path).c_str(), resolved) == nullptr) {
    problem = std::strerror(errno);
    return false;
  }
  directory = resolved;
  return true;
}

// The file a save to path replaces, and its lock file's path; false with the reason in problem.
bool LocateFile(const std::string& path, std::string& target, std::string& lockPath, std::string& problem) {
  if (!ResolveFileTarget(path, target, problem)) return false;
  std::string directory;
  if (!CanonicalDirectory(target, directory, problem)) return false;
  target = (directory == "/" ? "" : directory) + "/" + target.substr(target.find_last_of('/') + 1);
  lockPath = LockPathFor(target);
  return true;
}
}  // namespace

void SharedSolutionsFile::ClearProblem() {
  fault_ = Fault::None;
  reason_.clear();
  faultFile_.clear();
  problem_.clear();
}

void SharedSolutionsFile::Failed(Fault fault, const std::string& reason, const std::string& file) {
  fault_ = fault;
  reason_ = reason;
  faultFile_ = file;
  if (fault == Fault::LockHeld) {
    problem_ = reason + " " + file;
  } else if (fault == Fault::LockFile) {
    problem_ = "Lock file " + file + ": " + reason;
  } else {
    problem_ = reason;
  }
}

FileLock SharedSolutionsFile::TakeLock(const std::string& lockPath, const std::string& filePath, FileLock::Mode mode) {
  std::string problem;
  FileLock lock = FileLock::Take(lockPath, mode, lockPatience_, problem, whileWaiting_);
  if (lock.Busy()) {
    Failed(Fault::LockHeld, FileLock::BusyReason, lockPath);
  } else if (!lock.Held()) {
    // A lock file that is not there and cannot be made fails for the directory's sake, as
    // the save itself would: that is the solutions file's problem, not the lock file's.
    struct stat info {};
    const bool missing = ::lstat(lockPath.c_str(), &info) != 0 && errno == ENOENT;
    Failed(missing ? Fault::File : Fault::LockFile, problem, missing ? filePath : lockPath);
  }
  return lock;
}

bool SharedSolutionsFile::Merge(const std::string& target, const std::string& path, SolutionTable& table) {
  std::string current, problem;
  FileStamp stamp;
  if (ReadRegularFile(target, current, &stamp, problem) < 0) {
    Failed(Fault::File, problem, path);
    return false;
  }
  table.LoadBytes(current);
  Replay(table);
  // The table now holds the file as it is plus this run's stores: if a write fails, a later
  // save starts from here.
  loaded_ = stamp;
  base_ = Base::Loaded;
  return true;
}

int32_t SharedSolutionsFile::Load(const std::string& path, SolutionTable& table) {
  ClearProblem();
  stores_.Clear();
  std::string target, lockPath, bytes, problem;
  int32_t read = -1;
  if (LocateFile(path, target, lockPath, problem)) {
    const FileLock lock = TakeLock(lockPath, path, FileLock::Mode::Shared);
    // Where no lock file can be made nobody can save either; a lock held too long is a failure.
    if (!LockHeld()) {
      ClearProblem();
      read = ReadRegularFile(target, bytes, &loaded_, problem);
      if (read < 0) Failed(Fault::File, problem, path);
    }
  } else if (::access(path.c_str(), F_OK) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
    read = 0;  // not even the directory is there
  } else {
    Failed(Fault::File, problem, path);
  }
  table.LoadBytes(bytes);
  if (read == 0) loaded_ = FileStamp{};
  base_ = read < 0 ? Base::Unread : Base::Loaded;
  return read;
}

int32_t SharedSolutionsFile::Reread(const std::string& path, SolutionTable& table) {
  if (base_ != Base::Unread) return 0;
  ClearProblem();
  std::string target, lockPath, problem;
  if (!LocateFile(path, target, lockPath, problem)) {
    Failed(Fault::File, problem, path);
    return -1;
  }
  const FileLock lock = TakeLock(lockPath, path, FileLock::Mode::Shared);
  if (LockHeld()) return -1;
  ClearProblem();
  return Merge(target, path, table) ? 1 : -1;
}

void SharedSolutionsFile::Detach() {
  base_ = Base::Own;
  stores_.Clear();
}

void SharedSolutionsFile::Store(SolutionTable& table, std::string_view layout, std::string_view solution) {
  // Kept before the table changes: the texts may be the table's own, which the store may move.
  if (base_ != Base::Own) stores_.Append(layout, solution);  // otherwise nothing to merge with
  table.Store(layout, solution);
}

void SharedSolutionsFile::Replay(SolutionTable& table) const {
  for (uint32_t i = 0; i < stores_.Count(); ++i) table.Store(stores_.Layout(i), stores_.Solution(i));
}

int32_t SharedSolutionsFile::Save(const std::string& path, SolutionTable& table) {
  ClearProblem();
  std::string target, lockPath, problem;
  if (!LocateFile(path, target, lockPath, problem)) {
    Failed(Fault::File, problem, path);
    return 0;
  }
  const FileLock lock = TakeLock(lockPath, path, FileLock::Mode::Exclusive);
  if (!lock.Held()) return 0;
  // Under the lock no save of ours is under way: any file of our naming is a killed one's.
  RemoveLeftovers(target);
  if (base_ != Base::Own) {
    // Most saves find the file as it was loaded: that is told without keeping its bytes. A file
    // the load could not read is read now in any case, so its stamp would tell nothing.
    FileStamp stamp;
    if (base_ == Base::Loaded && StampRegularFile(target, stamp, problem) < 0) {
      Failed(Fault::File, problem, path);
      return 0;
    }
    if ((base_ == Base::Unread || stamp != loaded_) && !Merge(target, path, table)) return 0;
  }
  FileStamp written;
  if (WriteFileSafely(target, table.ToBytes(), &written, problem) != 1) {
    Failed(Fault::File, problem, path);
    return 0;
  }
  loaded_ = written;
  base_ = Base::Loaded;
  stores_.Clear();
  return 1;
}

std::string SharedSolutionsFile::SaveProblem(const std::string& path) {
  std::string target, lockPath, problem;
  if (!LocateFile(path, target, lockPath, problem)) return problem;
  if (::faccessat(AT_FDCWD, DirectoryOf(target).c_str(), W_OK | X_OK, AT_EACCESS) != 0) return std::strerror(errno);
  const FileLock lock = FileLock::Take(lockPath, FileLock::Mode::Shared, std::chrono::milliseconds(0), problem);
  // Held by another program right now is no reason to refuse: it lets go in a moment.
  if (!lock.Held() && !lock.Busy()) return "Lock file " + lockPath + ": " + problem;
  return "";
}

}  // namespace tq
