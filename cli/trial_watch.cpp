// The search reports one progress value per trial and hands over each line it lists; that is
// where trials are counted, lines chosen, and stops asked for.
#include "cli/trial_watch.h"

#include "cli/end_signals.h"
#include "solver/headless/headless_host.h"
#include "solver/search.h"

namespace tq::cli {

namespace {

// Raised here, the request is seen at the end of this very trial; the stop thread then takes
// it back once the search is over, just as after an Escape.
void AskForStop(TrialWatch& watch) {
  if (watch.StopAsked) return;
  watch.StopAsked = true;
  StopRequested.store(1);
  StartStopSolverThread();
}

void CountTrial(TrialWatch& watch) {
  // The search resets the progress bar once more when it finishes; that is no trial.
  if (SolverRunning.load() == 0) return;
  ++watch.Trials;
  if (watch.Trials == watch.StopAfter || EndSignal() != 0) AskForStop(watch);
}

void ShowLine(Console& console, TrialWatch& watch, std::string_view line) {
  if (!watch.AllLines && line.starts_with(CorrectColumnsText)) return;
  console.Out << line << '\n';
  if (!console.Out) AskForStop(watch);  // no one reads on: the search would run for nothing
  if (!line.starts_with(StatusText)) return;
  if (++watch.FinishedLengths == HintAfter && !watch.LongSearchHint.empty()) console.Err << watch.LongSearchHint << '\n';
}

}  // namespace

void WatchSearch(Console& console, TrialWatch& watch) {
  ResetHeadless();
  Headless.KeepLines = false;
  Headless.OnLine = [&console, &watch](std::string_view line) { ShowLine(console, watch, line); };
  Headless.OnProgress = [&watch](int32_t) { CountTrial(watch); };
}

}  // namespace tq::cli
