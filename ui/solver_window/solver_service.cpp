// One worker thread takes the table's preparation and the solves in turn; answers go back to
// the window's thread as queued calls.
#include "ui/solver_window/solver_service.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <new>

namespace tq::solver_window {

namespace {

struct BuildCancelled {};

// The build keeps every core busy for seconds. Below normal priority, the window's thread gets
// a core the moment it wants one: measured, the longest event-loop gap during a build fell from
// about 60 ms to a few ms on two cores. Threads the worker starts inherit the priority.
void LowerThisThreadsPriority() { setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10); }

}  // namespace

int SolverThreads() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

SolverService::SolverService(std::string tablePath, optimal::TableKind kind, QObject* parent)
    : QObject(parent), tablePath_(std::move(tablePath)), kind_(kind), worker_([this] { Work(); }) {}

SolverService::~SolverService() {
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
    jobs_.clear();
  }
  cancelBuild_ = true;
  newest_ = 0;
  wake_.notify_all();
  worker_.join();
}

void SolverService::Post(Job job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_all();
}

void SolverService::PrepareTable() {
  if (table_ != nullptr || preparing_) return;
  preparing_ = true;
  cancelBuild_ = false;
  Post({Job::Prepare, 0, {}});
}

void SolverService::CancelBuild() {
  if (preparing_) cancelBuild_ = true;
}

uint64_t SolverService::Solve(const std::string& layout) {
  PrepareTable();
  const uint64_t request = ++requests_;
  newest_ = request;
  Post({Job::Solve, request, layout});
  return request;
}

void SolverService::Forget() { newest_ = ++requests_; }

void SolverService::Work() {
  LowerThisThreadsPriority();
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
      if (ending_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    if (job.What == Job::Prepare) {
      RunPrepare();
    } else if (job.Request == newest_) {
      RunSolve(job);
    }
  }
}

void SolverService::RunPrepare() {
  std::shared_ptr<const optimal::PatternTable> table;
  bool built = false, unsaved = false;
  QString failure;
  try {
    const optimal::CachedTable cached = optimal::LoadOrBuild(
        tablePath_, kind_, SolverThreads(), [this](const optimal::BuildProgress& progress) {
          if (cancelBuild_) throw BuildCancelled{};
          const int percent = static_cast<int>(100 * progress.Filled / std::max<uint64_t>(1, progress.Total));
          QMetaObject::invokeMethod(this, [this, percent] { emit BuildProgress(percent); }, Qt::QueuedConnection);
        });
    table = cached.Table;
    built = cached.Source != optimal::TableSource::Loaded;
    unsaved = cached.Source == optimal::TableSource::BuiltNotSaved;
  } catch (const BuildCancelled&) {
    failure = QStringLiteral("cancelled");
  } catch (const std::bad_alloc&) {
    failure = QStringLiteral("memory");
  }
  workerTable_ = table;
  QMetaObject::invokeMethod(
      this,
      [this, table, built, unsaved, failure] {
        table_ = table;
        preparing_ = false;
        emit TablePrepared(table != nullptr, built, unsaved, failure);
      },
      Qt::QueuedConnection);
}

void SolverService::RunSolve(const Job& job) {
  if (workerTable_ == nullptr) return;
  optimal::SearchOptions options;
  options.Threads = SolverThreads();
  options.ShouldStop = [this, request = job.Request] { return newest_ != request; };
  const auto start = std::chrono::steady_clock::now();
  const optimal::SearchResult result = optimal::Solve(*workerTable_, job.Layout, options);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (result.Status != optimal::SearchStatus::Solved) return;
  QMetaObject::invokeMethod(
      this,
      [this, request = job.Request, layout = QString::fromStdString(job.Layout),
       solution = QString::fromStdString(result.Solution), seconds] {
        if (request == newest_) emit Solved(request, layout, solution, seconds);
      },
      Qt::QueuedConnection);
}

}  // namespace tq::solver_window
