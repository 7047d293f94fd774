// A solutions file that several programs read and write at once: loads and saves under a
// lock, and a save merges with whatever another program saved since this one loaded.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "store/entry_texts.h"
#include "store/file_lock.h"
#include "store/safe_file.h"
#include "store/solution_table.h"

namespace tq {

// A save waits this long for another program's load or save to finish. A save of ten million
// lines holds the lock for a few seconds; a wait far beyond that means a holder that hangs,
// and failing then is better than hanging with it.
inline constexpr std::chrono::milliseconds DefaultLockPatience{30'000};

// One program's view of the file: what it loaded, and the stores it made since. The table
// it loads into and saves from is the caller's; every store to it that is to survive a merge
// goes through Store. Not synchronised: use each object from one thread at a time.
class SharedSolutionsFile {
 public:
  explicit SharedSolutionsFile(std::chrono::milliseconds lockPatience = DefaultLockPatience)
      : lockPatience_(lockPatience) {}

  // Empties table and reads the file at path into it, under the lock. Returns 1 when a file
  // was read, 0 when there was none, -1 when it exists but cannot be read (Problem says why;
  // the lines read before a read error are kept, but a save never writes them back as such).
  int32_t Load(const std::string& path, SolutionTable& table);
  // After a Load that could not read the file (LockHeld, say): reads it now, under the lock,
  // and applies this run's stores to it again in their order, as a save would. Returns 1 when
  // it was read (or there was none), 0 when there was nothing to do since the file is read
  // already, -1 when it still cannot be read.
  int32_t Reread(const std::string& path, SolutionTable& table);
  // From now on the table counts as the caller's own, not as a file's: a save writes it as
  // it stands, replacing what the file holds.
  void Detach();
  // Applies the replace-or-append rule to table and remembers the store for a merge. The texts
  // may be the table's own, as Find gives them.
  void Store(SolutionTable& table, std::string_view layout, std::string_view solution);

  // Writes table to path, under the lock. When the file is no longer what Load read (another
  // program saved meanwhile, or Load could not read it), table first becomes the file's
  // current entries with this run's stores applied to them again, in their order. Returns 1
  // when the file was written, 0 when not (Problem says why; the file is then as it was).
  int32_t Save(const std::string& path, SolutionTable& table);

  // Why the last Load, Reread or Save failed, in the system's words, naming the lock file
  // when the fault is the lock file's; "" after a success.
  const std::string& Problem() const { return problem_; }
  // The same in parts: the reason alone, the file at fault (the file at path, or its lock
  // file) and whether that is the lock file.
  const std::string& ProblemReason() const { return reason_; }
  const std::string& ProblemFile() const { return faultFile_; }
  bool ProblemInLockFile() const { return fault_ == Fault::LockFile || fault_ == Fault::LockHeld; }
  // The last Load, Reread or Save failed only because another program held the lock too long.
  bool LockHeld() const { return fault_ == Fault::LockHeld; }

  // Called while a Load, Reread or Save waits for another program's lock; the wait still
  // ends after the patience given at construction.
  void SetLockWait(LockWaitCall whileWaiting) { whileWaiting_ = std::move(whileWaiting); }

  // Why a save to path could not be made, found without writing: "" when it looks possible
  // (the path leads to a regular file or to nothing in a directory this user may write).
  static std::string SaveProblem(const std::string& path);

 private:
  enum class Base { Own, Loaded, Unread };
  enum class Fault { None, File, LockFile, LockHeld };

  void Replay(SolutionTable& table) const;
  // Reads the file as it is now into table and applies this run's stores again. False when
  // it cannot be read (the fault is recorded).
  bool Merge(const std::string& target, const std::string& path, SolutionTable& table);
  FileLock TakeLock(const std::string& lockPath, const std::string& filePath, FileLock::Mode mode);
  void ClearProblem();
  void Failed(Fault fault, const std::string& reason, const std::string& file);

  std::chrono::milliseconds lockPatience_;
  Base base_ = Base::Own;
  FileStamp loaded_;
  // This run's stores since the last load or save, in their order.
  EntryTexts stores_;
  LockWaitCall whileWaiting_;
  Fault fault_ = Fault::None;
  std::string reason_, faultFile_, problem_;
};

}  // namespace tq
