// The background solver's reports, posted to the window's thread.
#include "ui/solver_window/solver_service.h"

#include "solver/optimal/table_cache.h"

#include <QMetaObject>

namespace tq::solver_window {

SolverService::SolverService(std::vector<optimal::TableToPrepare> tables, QObject* parent)
    : QObject(parent), tablePath_(tables.empty() ? std::string() : tables.back().Path) {
  solver_ = std::make_unique<optimal::BackgroundSolver>(std::move(tables), optimal::SolverThreads(), Posting());
}

SolverService::SolverService(std::string tablePath, optimal::TableKind kind, QObject* parent)
    : SolverService(std::vector<optimal::TableToPrepare>{{kind, std::move(tablePath)}}, parent) {}

// The solver is ended before the QObject: a report posted meanwhile is dropped with the object.
SolverService::~SolverService() { solver_.reset(); }

optimal::BackgroundCallbacks SolverService::Posting() {
  // Queued even when called on the window's own thread (a solver that could not start answers
  // at once), so that the window never meets a report inside its own call.
  return {
      [this](const optimal::BuildReport& report) {
        QMetaObject::invokeMethod(this, [this, report] { emit BuildProgress(report); }, Qt::QueuedConnection);
      },
      [this](const optimal::TableReport& report) {
        QMetaObject::invokeMethod(this, [this, report] { emit TablePrepared(report); }, Qt::QueuedConnection);
      },
      [this](const optimal::SolveReport& report) {
        QMetaObject::invokeMethod(this, [this, report] { emit Solved(report); }, Qt::QueuedConnection);
      },
  };
}

}  // namespace tq::solver_window
