// Setting up a benchmark search.
#include "bench/ui/search_position.h"

#include <ctime>

#include "model/field.h"
#include "solver/search.h"
#include "store/solutions.h"

namespace tq::bench {

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void SetUpSearch(const std::string& layout) {
  // A stop thread of an earlier search that has not yet taken its request back would stop
  // this one at its first trial.
  AwaitStopTakenBack();
  ClearSolutions();
  LayoutToField(layout);
  SlideState = ReadSlideState();
}

}  // namespace tq::bench
