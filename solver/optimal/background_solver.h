// Shortest solutions on threads of their own, for a program that must not wait: the tables are
// loaded or built in the background, weakest first, and every solve uses the strongest table
// that is ready, so that the first answer comes from the Small table (a quarter second to build)
// while the Full one (seconds) is still being built.
//
// Requests: Solve() gives each request a number; only the newest is answered. An older request
// still being searched is stopped, and one not yet begun is dropped without an answer. Forget()
// makes every request so far old.
//
// Callbacks: each is called on one of the solver's own threads, never with a lock held, and
// must not call back into the solver's Solve, Forget or destructor (post the report to your own
// thread instead). A callback may be called after the newest request changed: the report
// carries its request number. After the destructor returns, no callback runs.
//
// Threads: the public methods are for one thread (the owner's); the owner's thread never waits
// for a search or a build except in the destructor, which stops both (a build at its next
// level, about a second at most) and waits for them.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "solver/optimal/optimal_solver.h"

namespace tq::optimal {

// Why a table is not there.
enum class TableFailure {
  None,
  Cancelled,    // CancelBuild() stopped its build
  NoMemory,     // its memory could not be had
  ThreadStart,  // the system would not start the solver's threads
};

// One table to prepare: its kind and the file it is kept in.
struct TableToPrepare {
  TableKind Kind;
  std::string Path;
};

struct TableReport {
  TableKind Kind = TableKind::Small;
  bool Ready = false;  // the table answers solves from now on
  TableSource Source = TableSource::Loaded;
  LoadStatus FileStatus = LoadStatus::Missing;  // what the file held before any build
  TableFailure Failure = TableFailure::None;
  std::string LoadProblem;  // why the file could not be read, when it could not (the system's words)
  std::string SaveProblem;  // why a built table could not be kept there
  bool Strongest = false;  // the last table of the list: no stronger one follows
};

struct BuildReport {
  TableKind Kind = TableKind::Small;
  int Percent = 0;  // 0 to 100 of this table's build
};

enum class SolveOutcome {
  Solved,     // Solution holds a shortest solution
  BadLayout,  // the moves cannot reach the layout
  NoTable,    // no table could be had (every build failed or was cancelled)
  Failed,     // the solver could not run (its threads would not start, or memory ran out)
};

struct SolveReport {
  uint64_t Request = 0;
  std::string Layout;
  SolveOutcome Outcome = SolveOutcome::Failed;
  std::string Solution;      // digits 1 to 5, when Solved
  double Seconds = 0;        // the search's own time
  TableKind Table = TableKind::Small;  // the table that answered
};

struct BackgroundCallbacks {
  std::function<void(const BuildReport&)> BuildProgress;  // after each level of a build
  std::function<void(const TableReport&)> TablePrepared;  // each table, ready or failed
  std::function<void(const SolveReport&)> Solved;         // the newest request's answer
};

class BackgroundSolver {
 public:
  // `tables` weakest first (for the window: Small, then Full); `threads` for each build and
  // search. Starts its two threads (one prepares the tables, one searches); when the system
  // refuses them, Started() is false and every call answers at once with ThreadStart/Failed.
  BackgroundSolver(std::vector<TableToPrepare> tables, int threads, BackgroundCallbacks callbacks);
  ~BackgroundSolver();
  BackgroundSolver(const BackgroundSolver&) = delete;
  BackgroundSolver& operator=(const BackgroundSolver&) = delete;

  bool Started() const { return started_; }

  // Starts preparing the tables, once; later calls do nothing while they are there or under way.
  // After a cancel or a failure it starts again with the tables not yet there.
  void PrepareTables();
  // Stops a build at its next level; TablePrepared reports it Cancelled. Searches go on with
  // the tables that are there.
  void CancelBuild();
  // True once any table answers; true for the strongest once that one answers.
  bool AnyTableReady() const;
  bool StrongestReady() const;
  bool Preparing() const;

  // Asks for a shortest solution of `layout`, preparing the tables first when needed. Gives the
  // request's number, which the report carries.
  uint64_t Solve(std::string layout);
  void Forget();

 private:
  void PrepareLoop();
  void SolveLoop();
  std::shared_ptr<const PatternTable> BestTable(size_t* index) const;

  const std::vector<TableToPrepare> wanted_;
  const int threads_;
  const BackgroundCallbacks callbacks_;

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<std::shared_ptr<const PatternTable>> tables_;  // in the order of wanted_; null until ready
  bool prepareWanted_ = false;
  bool preparing_ = false;
  bool prepareFinished_ = false;  // the last preparation ended, whatever became of it
  bool cancelBuild_ = false;
  bool ending_ = false;
  uint64_t requests_ = 0;
  uint64_t newest_ = 0;
  std::deque<std::pair<uint64_t, std::string>> solves_;
  bool started_ = false;
  std::thread preparer_;
  std::thread searcher_;
};

}  // namespace tq::optimal
