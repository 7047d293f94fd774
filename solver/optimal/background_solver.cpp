// Two threads behind a front end: one prepares the tables weakest first, one searches with the
// strongest that is ready and searches again when a stronger one arrives mid-search.
#include "solver/optimal/background_solver.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <new>
#include <system_error>

namespace tq::optimal {

namespace {

// A build keeps every core busy for seconds. Below normal priority, the front end's thread gets
// a core the moment it wants one: measured in the solver window, the longest event-loop gap
// during a build fell from about 60 ms to a few ms on two cores. Threads a build or a search
// starts inherit the priority.
void LowerThisThreadsPriority() { setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10); }

}  // namespace

BackgroundSolver::BackgroundSolver(std::vector<TableToPrepare> tables, int threads, BackgroundCallbacks callbacks)
    : wanted_(std::move(tables)), threads_(std::max(1, threads)), callbacks_(std::move(callbacks)), tables_(wanted_.size()) {
  try {
    preparer_ = std::thread([this] { PrepareLoop(); });
    searcher_ = std::thread([this] { SolveLoop(); });
    started_ = true;
  } catch (const std::system_error&) {
    {
      std::lock_guard lock(mutex_);
      ending_ = true;
    }
    wake_.notify_all();
    if (preparer_.joinable()) preparer_.join();
  }
}

BackgroundSolver::~BackgroundSolver() {
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
    cancelBuild_ = true;
    solves_.clear();
  }
  wake_.notify_all();
  if (preparer_.joinable()) preparer_.join();
  if (searcher_.joinable()) searcher_.join();
}

void BackgroundSolver::PrepareTables() {
  if (!started_) {
    if (callbacks_.TablePrepared && !wanted_.empty()) {
      TableReport report;
      report.Kind = wanted_.front().Kind;
      report.Failure = TableFailure::ThreadStart;
      callbacks_.TablePrepared(report);
    }
    return;
  }
  {
    std::lock_guard lock(mutex_);
    const bool allReady = std::all_of(tables_.begin(), tables_.end(), [](const auto& table) { return table != nullptr; });
    if (allReady || preparing_) return;
    preparing_ = true;
    prepareWanted_ = true;
    cancelBuild_ = false;
  }
  wake_.notify_all();
}

void BackgroundSolver::CancelBuild() {
  std::lock_guard lock(mutex_);
  if (preparing_) cancelBuild_ = true;
}

bool BackgroundSolver::AnyTableReady() const {
  std::lock_guard lock(mutex_);
  return std::any_of(tables_.begin(), tables_.end(), [](const auto& table) { return table != nullptr; });
}

bool BackgroundSolver::StrongestReady() const {
  std::lock_guard lock(mutex_);
  return !tables_.empty() && tables_.back() != nullptr;
}

bool BackgroundSolver::Preparing() const {
  std::lock_guard lock(mutex_);
  return preparing_;
}

uint64_t BackgroundSolver::Solve(std::string layout) {
  PrepareTables();
  uint64_t request = 0;
  {
    std::lock_guard lock(mutex_);
    request = ++requests_;
    newest_ = request;
    if (started_) solves_.emplace_back(request, std::move(layout));
  }
  if (!started_) {
    if (callbacks_.Solved) {
      SolveReport report;
      report.Request = request;
      report.Layout = std::move(layout);
      callbacks_.Solved(report);
    }
    return request;
  }
  wake_.notify_all();
  return request;
}

void BackgroundSolver::Forget() {
  std::lock_guard lock(mutex_);
  newest_ = ++requests_;
  solves_.clear();
}

std::shared_ptr<const PatternTable> BackgroundSolver::BestTable(size_t* index) const {
  for (size_t i = tables_.size(); i-- > 0;) {
    if (tables_[i] != nullptr) {
      *index = i;
      return tables_[i];
    }
  }
  return nullptr;
}

void BackgroundSolver::PrepareLoop() {
  LowerThisThreadsPriority();
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return ending_ || prepareWanted_; });
    if (ending_) return;
    prepareWanted_ = false;
    for (size_t i = 0; i < wanted_.size() && !ending_; ++i) {
      if (tables_[i] != nullptr) continue;
      const TableToPrepare& wanted = wanted_[i];
      TableReport report;
      report.Kind = wanted.Kind;
      report.Strongest = i + 1 == wanted_.size();
      std::shared_ptr<const PatternTable> table;
      lock.unlock();
      try {
        const CachedTable cached = LoadOrBuild(
            wanted.Path, wanted.Kind, threads_,
            [this, &wanted](const BuildProgress& progress) {
              const int percent = static_cast<int>(100 * progress.Filled / std::max<uint64_t>(1, progress.Total));
              if (callbacks_.BuildProgress) callbacks_.BuildProgress({wanted.Kind, percent});
            },
            [this] {
              std::lock_guard stop(mutex_);
              return cancelBuild_ || ending_;
            });
        table = cached.Table;
        report.Source = cached.Source;
        report.FileStatus = cached.FileStatus;
        report.LoadProblem = cached.LoadProblem;
        report.SaveProblem = cached.SaveProblem;
        if (cached.Source == TableSource::Stopped) report.Failure = TableFailure::Cancelled;
      } catch (const std::bad_alloc&) {
        report.Failure = TableFailure::NoMemory;
      } catch (const std::system_error&) {
        report.Failure = TableFailure::ThreadStart;
      }
      report.Ready = table != nullptr;
      lock.lock();
      tables_[i] = table;
      wake_.notify_all();
      lock.unlock();
      if (callbacks_.TablePrepared) callbacks_.TablePrepared(report);
      lock.lock();
      // A stronger table's build would fail the same way, or was cancelled with this one.
      if (!report.Ready) break;
    }
    preparing_ = false;
    wake_.notify_all();
  }
}

void BackgroundSolver::SolveLoop() {
  LowerThisThreadsPriority();
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] {
      if (ending_) return true;
      if (solves_.empty()) return false;
      return !preparing_ || std::any_of(tables_.begin(), tables_.end(), [](const auto& table) { return table != nullptr; });
    });
    if (ending_) return;
    // Only the newest request is answered; the older ones are dropped unsearched.
    auto [request, layout] = std::move(solves_.back());
    solves_.clear();
    if (request != newest_) continue;
    size_t used = 0;
    const std::shared_ptr<const PatternTable> table = BestTable(&used);
    SolveReport report;
    report.Request = request;
    report.Layout = layout;
    if (table == nullptr) {
      report.Outcome = SolveOutcome::NoTable;
      lock.unlock();
      if (callbacks_.Solved) callbacks_.Solved(report);
      lock.lock();
      continue;
    }
    report.Table = wanted_[used].Kind;
    bool stronger = false;
    SearchOptions options;
    options.Threads = threads_;
    // Stops for a newer request, for the end, or to search again with a stronger table.
    options.ShouldStop = [this, request = request, used, &stronger] {
      std::lock_guard stop(mutex_);
      stronger = used + 1 < tables_.size() && std::any_of(tables_.begin() + static_cast<std::ptrdiff_t>(used) + 1,
                                                            tables_.end(), [](const auto& t) { return t != nullptr; });
      return ending_ || newest_ != request || stronger;
    };
    lock.unlock();
    const auto start = std::chrono::steady_clock::now();
    try {
      const SearchResult result = optimal::Solve(*table, report.Layout, options);
      report.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      report.Outcome = result.Status == SearchStatus::Solved      ? SolveOutcome::Solved
                       : result.Status == SearchStatus::BadLayout ? SolveOutcome::BadLayout
                                                                  : SolveOutcome::Failed;
      report.Solution = result.Solution;
      if (result.Status == SearchStatus::Stopped) {
        lock.lock();
        // Stopped for a stronger table: the same request again, unless a newer one came.
        if (stronger && !ending_ && newest_ == request && solves_.empty()) solves_.emplace_back(request, std::move(report.Layout));
        continue;
      }
    } catch (const std::bad_alloc&) {
      report.Outcome = SolveOutcome::Failed;
    } catch (const std::system_error&) {
      report.Outcome = SolveOutcome::Failed;
    }
    if (callbacks_.Solved) callbacks_.Solved(report);
    lock.lock();
  }
}

}  // namespace tq::optimal
