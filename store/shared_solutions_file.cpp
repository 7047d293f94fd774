// Loading and merging saves of a solutions file that other programs write too.
#include "store/shared_solutions_file.h"

#include <fcntl.h>
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

int32_t SharedSolutionsFile::Load(const std::string& path, SolutionTable& table) {
  problem_.clear();
  stores_.Clear();
  std::string target, lockPath, bytes;
  FileLock lock;
  int32_t read = -1;
  if (LocateFile(path, target, lockPath, problem_)) {
    std::string lockProblem;
    lock = FileLock::Take(lockPath, FileLock::Mode::Shared, lockPatience_, lockProblem);
    // Where no lock file can be made nobody can save either; a lock held too long is a failure.
    if (lock.Busy()) {
      problem_ = lockProblem;
    } else {
      read = ReadRegularFile(target, bytes, &loaded_, problem_);
    }
  } else if (::access(path.c_str(), F_OK) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
    problem_.clear();
    read = 0;  // not even the directory is there
  }
  lock.Release();
  table.LoadBytes(bytes);
  if (read == 0) loaded_ = FileStamp{};
  base_ = read < 0 ? Base::Unread : Base::Loaded;
  return read;
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
  problem_.clear();
  std::string target, lockPath;
  if (!LocateFile(path, target, lockPath, problem_)) return 0;
  const FileLock lock = FileLock::Take(lockPath, FileLock::Mode::Exclusive, lockPatience_, problem_);
  if (!lock.Held()) return 0;
  // Under the lock no save of ours is under way: any file of our naming is a killed one's.
  RemoveLeftovers(target);
  if (base_ != Base::Own) {
    // Most saves find the file as it was loaded: that is told without keeping its bytes. A file
    // the load could not read is read now in any case, so its stamp would tell nothing.
    FileStamp stamp;
    if (base_ == Base::Loaded && StampRegularFile(target, stamp, problem_) < 0) return 0;
    if (base_ == Base::Unread || stamp != loaded_) {
      std::string current;
      if (ReadRegularFile(target, current, &stamp, problem_) < 0) return 0;
      table.LoadBytes(current);
      Replay(table);
      // The table now holds the file as it is plus this run's stores: if the write below
      // fails, a later save starts from here.
      loaded_ = stamp;
      base_ = Base::Loaded;
    }
  }
  FileStamp written;
  if (WriteFileSafely(target, table.ToBytes(), &written, problem_) != 1) return 0;
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
  if (!lock.Held() && !lock.Busy()) return problem;
  return "";
}

}  // namespace tq
