// The optimal solver behind the window: its table loaded or built in the background, and
// solves on a worker thread, answered on the window's thread.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "solver/optimal/optimal_solver.h"

namespace tq::solver_window {

class SolverService : public QObject {
  Q_OBJECT

 public:
  // The table is kept at `tablePath` (loaded from there, or built and saved there).
  SolverService(std::string tablePath, optimal::TableKind kind, QObject* parent = nullptr);
  // Stops a build or a solve under way and waits for the worker.
  ~SolverService() override;

  // Starts loading or building the table, once; later calls do nothing while it is there or
  // under way. After a cancel or a failure it starts again.
  void PrepareTable();
  bool TableReady() const { return table_ != nullptr; }
  bool Preparing() const { return preparing_; }
  // Stops a build at its next level (a second or so at most); TablePrepared then says so.
  void CancelBuild();

  // Asks for a shortest solution of a layout the moves can reach, preparing the table first
  // when needed. A request made while another runs replaces it: only the newest is answered.
  // Gives the request's number, which Solved carries.
  uint64_t Solve(const std::string& layout);
  // Forgets every request made so far: none of them is answered.
  void Forget();

  // The table's file, as given.
  const std::string& TablePath() const { return tablePath_; }

 signals:
  // The build's share done, 0 to 100, after each level.
  void BuildProgress(int percent);
  // The table is there (or not, after a cancel or a lack of memory: `failure` says which).
  // `unsaved` when it was built but could not be kept in its file.
  void TablePrepared(bool ready, bool built, bool unsaved, const QString& failure);
  // The answer to request `request`; `seconds` is the solver's own time.
  void Solved(quint64 request, const QString& layout, const QString& solution, double seconds);

 private:
  struct Job {
    enum { Prepare, Solve } What;
    uint64_t Request = 0;
    std::string Layout;
  };
  void Work();
  void RunPrepare();
  void RunSolve(const Job& job);
  void Post(Job job);

  std::string tablePath_;
  optimal::TableKind kind_;
  std::shared_ptr<const optimal::PatternTable> table_;  // read and written on the window's thread
  bool preparing_ = false;                              // the window's thread's view

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> jobs_;
  bool ending_ = false;
  std::atomic<bool> cancelBuild_{false};
  std::atomic<uint64_t> newest_{0};
  uint64_t requests_ = 0;
  std::shared_ptr<const optimal::PatternTable> workerTable_;  // the worker's own reference
  std::thread worker_;
};

// Threads for a build or a search: one per core.
int SolverThreads();

}  // namespace tq::solver_window
