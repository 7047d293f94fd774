// The optimal solver behind the window: a BackgroundSolver whose reports are posted to the
// window's thread as signals. The threads, the tables and the request numbers live in
// solver/optimal/background_solver.h; this class only carries them across to Qt.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "solver/optimal/background_solver.h"

namespace tq::solver_window {

class SolverService : public QObject {
  Q_OBJECT

 public:
  // The tables weakest first, each kept at its path (loaded from there, or built and saved
  // there); solves use the strongest that is ready.
  explicit SolverService(std::vector<optimal::TableToPrepare> tables, QObject* parent = nullptr);
  // One table only: for tests and small machines.
  SolverService(std::string tablePath, optimal::TableKind kind, QObject* parent = nullptr);
  // Stops a build or a solve under way and waits for the solver's threads.
  ~SolverService() override;

  // False when the system would not start the solver's threads: every solve then fails at once.
  bool Started() const { return solver_->Started(); }
  // Starts loading or building the tables, once (see BackgroundSolver::PrepareTables).
  void PrepareTable() { solver_->PrepareTables(); }
  bool TableReady() const { return solver_->AnyTableReady(); }
  bool StrongestReady() const { return solver_->StrongestReady(); }
  bool Preparing() const { return solver_->Preparing(); }
  // Stops a build at its next level (a second or so at most); TablePrepared then says so.
  void CancelBuild() { solver_->CancelBuild(); }

  // Asks for a shortest solution; only the newest request is answered. Gives its number.
  uint64_t Solve(const std::string& layout) { return solver_->Solve(layout); }
  // Forgets every request made so far: none of them is answered.
  void Forget() { solver_->Forget(); }

  // The strongest table's file.
  const std::string& TablePath() const { return tablePath_; }

 signals:
  void BuildProgress(const tq::optimal::BuildReport& report);
  void TablePrepared(const tq::optimal::TableReport& report);
  void Solved(const tq::optimal::SolveReport& report);

 private:
  optimal::BackgroundCallbacks Posting();

  std::string tablePath_;
  std::unique_ptr<optimal::BackgroundSolver> solver_;
};

}  // namespace tq::solver_window
