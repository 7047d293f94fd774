// The solver window's figures: the first paint after start with the table cached, how long a
// solution takes to show beyond the solver's own time, the longest the event loop is held during
// solves, animated moves and a table build (a 1 ms timer notes every gap), the animation's frame
// rate, and resident memory with the table loaded.
// Runs on the display it finds, or offscreen without one. Usage: bench_solver_window [SOLVES]
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "model/field.h"
#include "tests/support/temp_directory.h"
#include "ui/solver_window/drum_view.h"
#include "session/solving_session.h"
#include "solver/optimal/table_cache.h"
#include "ui/solver_window/layout_text.h"
#include "ui/solver_window/solver_service.h"
#include "ui/solver_window/solver_window.h"

namespace {

using Clock = std::chrono::steady_clock;
using tq::solver_window::SolverService;
using tq::solver_window::SolverWindow;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

long ResidentKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == field) {
      status >> value;
      return value;
    }
  }
  return 0;
}

// Notes the longest time between two turns of the event loop, as a 1 ms timer sees them.
class GapWatch : public QObject {
 public:
  GapWatch() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, [this] {
      const Clock::time_point now = Clock::now();
      longest_ = std::max(longest_, now - last_);
      last_ = now;
    });
  }
  void Start() {
    longest_ = {};
    last_ = Clock::now();
    timer_.start();
  }
  double StopMilliseconds() {
    timer_.stop();
    return Milliseconds(longest_);
  }

 private:
  QTimer timer_;
  Clock::time_point last_;
  Clock::duration longest_{};
};

// Counts the drum's paints, and notes the first.
class PaintCount : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      if (paints == 0) first = Clock::now();
      ++paints;
    }
    return false;
  }
  int paints = 0;
  Clock::time_point first;
};

template <typename Done>
void RunUntil(Done done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point start = Clock::now();
  const int solves = argc > 1 ? std::atoi(argv[1]) : 20;
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const Clock::duration toolkitStart = Clock::now() - start;
  QCoreApplication::setOrganizationName(QStringLiteral("Trommelquirl"));
  QCoreApplication::setApplicationName(QStringLiteral("trommelquirl-solver-bench"));

  const std::string cached = tq::optimal::CachedTablePath(tq::optimal::TableKind::Full);
  {
    // Makes sure the table is cached before the start is timed; a first run builds it here.
    SolverService warm(cached, tq::optimal::TableKind::Full);
    warm.PrepareTable();
    RunUntil([&] { return !warm.Preparing(); });
  }

  // First paint, with the table loading in the background as the program does it.
  const Clock::time_point opened = Clock::now();
  SolverService solver(cached, tq::optimal::TableKind::Full);
  SolverWindow window(solver, tq::StartLayout);
  window.resize(900, 620);
  PaintCount paints;
  window.Drum()->installEventFilter(&paints);
  window.show();
  solver.PrepareTable();
  RunUntil([&] { return paints.paints > 0; });
  // From main's start: the toolkit's start, then the window made and painted; the warm-up between
  // the two is left out.
  std::printf("first paint:            %6.1f ms after main began (the window made and painted in %.1f ms)\n",
              Milliseconds(toolkitStart + (paints.first - opened)), Milliseconds(paints.first - opened));
  RunUntil([&] { return solver.TableReady(); });
  std::printf("table loaded:           %6.1f ms after the window was made\n", Milliseconds(Clock::now() - opened));
  std::printf("resident memory:        %6.1f MB with the table loaded (peak %.1f MB)\n", ResidentKilobytes("VmRSS:") / 1024.0,
              ResidentKilobytes("VmHWM:") / 1024.0);

  // Solves: from the request to the solution on the screen, against the solver's own time.
  double solverSeconds = 0;
  QObject::connect(&solver, &SolverService::Solved, [&](const tq::optimal::SolveReport& report) { solverSeconds = report.Seconds; });
  GapWatch gaps;
  std::vector<double> overheads, solverTimes;
  int longest = 0;
  gaps.Start();
  for (int k = 0; k < solves; ++k) {
    tq::session::SolvingSession scrambled(tq::StartLayout);
    scrambled.Scramble(2026 + static_cast<uint64_t>(k));
    window.PasteLayout(QString::fromStdString(scrambled.Layout()));
    const Clock::time_point asked = Clock::now();
    window.Solve();
    RunUntil([&] { return !window.IsWaiting(); });
    window.Steps()->repaint();
    const double shown = Milliseconds(Clock::now() - asked);
    overheads.push_back(shown - 1000 * solverSeconds);
    solverTimes.push_back(1000 * solverSeconds);
    longest = std::max(longest, window.Path().Length());
  }
  const double solveGap = gaps.StopMilliseconds();
  std::printf("solves:                 %d random positions, solver median %.1f ms, longest %.1f ms, up to %d moves\n", solves,
              Median(solverTimes), *std::max_element(solverTimes.begin(), solverTimes.end()), longest);
  std::printf("solution shown after:   median %.2f ms, at most %.2f ms beyond the solver's own time\n", Median(overheads),
              *std::max_element(overheads.begin(), overheads.end()));
  std::printf("event loop during solves: longest gap %.1f ms\n", solveGap);

  // Animated moves along the last solution.
  window.Actions().Animate->setChecked(true);
  const int before = paints.paints;
  const Clock::time_point animating = Clock::now();
  gaps.Start();
  const int steps = window.Path().Length();
  for (int k = 0; k < steps; ++k) {
    window.StepTo(window.Step() + 1);
    RunUntil([&] { return !window.Drum()->Animating(); });
  }
  const double animationGap = gaps.StopMilliseconds();
  const double animationSeconds = Milliseconds(Clock::now() - animating) / 1000;
  std::printf("animation:              %d moves, %.0f frames a second, longest gap %.1f ms\n", steps,
              (paints.paints - before) / std::max(1e-9, animationSeconds), animationGap);

  // A table build into an empty cache, as on a first run.
  {
    tq::test::TempDirectory scratch;
    SolverService building(scratch.File("optimal-full.table"), tq::optimal::TableKind::Full);
    const Clock::time_point built = Clock::now();
    gaps.Start();
    building.PrepareTable();
    RunUntil([&] { return !building.Preparing(); });
    const double buildGap = gaps.StopMilliseconds();
    std::printf("table build:            %.1f s, longest event-loop gap %.1f ms\n", Milliseconds(Clock::now() - built) / 1000, buildGap);
  }
  return 0;
}
