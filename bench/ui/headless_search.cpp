// The search with the headless host for a fixed time; prints "<trials> <CPU seconds>".
// bench_ui runs it as a child to compare the Qt toolkit against it.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "bench/ui/search_position.h"
#include "solver/search.h"
#include "solver/headless/headless_host.h"

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
  tq::ResetHeadless();
  tq::Headless.KeepLines = false;
  tq::bench::SetUpSearch(tq::bench::RateLayout);
  std::thread stopper([seconds] {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    tq::StopSolverThread(0);
  });
  const double start = tq::bench::ThreadCpuSeconds();
  tq::Solve(tq::SearchLimit);
  const double took = tq::bench::ThreadCpuSeconds() - start;
  stopper.join();
  std::printf("%lld %.6f\n", static_cast<long long>(tq::Headless.DrainCalls / 2), took);
  return 0;
}
