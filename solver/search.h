// The search for a move sequence that solves the current Field, and its stop request.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// The result of a search that was stopped or ran out of sequences.
inline constexpr std::string_view NoResult = "No Result";
// The longest sequence keypad 8's search counts to.
inline constexpr int32_t SearchLimit = 100;

// The lines the search lists: the answer of a stored position, and the starts of the line
// after a move that made columns correct and of the line of a finished length.
inline constexpr std::string_view SavedFieldLine = "Saved Field...";
inline constexpr std::string_view CorrectColumnsText = "Richtige Spalten: ";
inline constexpr std::string_view StatusText = "Status: ";
// CorrectColumnsText and the count, as the search lists it after a move.
std::string CorrectColumnsLine(int32_t correct);
// "Time: N ms": the time a search took, and the last part of each status line.
std::string TimeLine(int64_t milliseconds);

// 1 while Solve runs.
extern std::atomic<int32_t> SolverRunning;
// 1 from the moment a stop is asked for until the stopped search has ended.
extern std::atomic<int32_t> StopRequested;

// Searches move sequences of up to `limit` moves from the current Field. Returns a solution
// text, a stored solution, or "No Result". Leaves the Field and SlideState as they were.
// Reports to the installed SearchHost (solver/search_host.h); solver/README.md tells how a
// trial runs.
//
// Each trial takes SlideState and the solutions list as they stand at that trial, as a plain
// search would. Code run inside the host's drains may change either: the window's commands
// refuse to while a search runs, but a host's drain may run anything, and the tests do. So
// the search checks at every trial that neither changed since it walked ahead; two compares
// of values already in cache, which cost nothing measurable against a trial's 40 ns.
std::string Solve(int32_t limit);

struct TimedSearch {
  std::string Result;    // as Solve gives it
  int32_t Milliseconds;  // on the real millisecond clock (solver/search_host.h)
};
// Solve(limit) and the time it took, as the search key and the command line list them.
TimedSearch SolveTimed(int32_t limit);

// Raises StopRequested, waits until no search runs, then clears it. Runs on its own thread.
int32_t StopSolverThread(int32_t parameter);
// Starts StopSolverThread(0) on a detached thread, as Escape does during a search.
void StartStopSolverThread();
// Waits until a stop asked for has been taken back, so that no stop request outlives the
// search it was meant for; at most `limit`. True when none is left.
bool AwaitStopTakenBack(std::chrono::milliseconds limit = std::chrono::milliseconds::max());

}  // namespace tq
