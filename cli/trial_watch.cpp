// The search reports one progress value per trial; that is where trials are counted and stopped.
#include "cli/trial_watch.h"

#include "solver/headless/headless_host.h"
#include "solver/search.h"

namespace tq::cli {

namespace {

void CountTrial(TrialWatch& watch) {
  // The search resets the progress bar once more when it finishes; that is no trial.
  if (SolverRunning.load() == 0) return;
  ++watch.Trials;
  if (watch.Trials != watch.StopAfter) return;
  // Raised here, the request is seen at the end of this very trial; the stop thread then takes
  // it back once the search is over, just as after an Escape.
  StopRequested.store(1);
  StartStopSolverThread();
}

}  // namespace

void WatchSearch(std::ostream& out, TrialWatch& watch) {
  ResetHeadless();
  Headless.KeepLines = false;
  Headless.OnLine = [&out](std::string_view line) { out << line << '\n'; };
  Headless.OnProgress = [&watch](int32_t) { CountTrial(watch); };
}

}  // namespace tq::cli
