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
// The longest sequence the search key's search counts to.
inline constexpr int32_t SearchLimit = 100;

// 1 while Solve runs.
extern std::atomic<int32_t> SolverRunning;
// 1 from the moment a stop is asked for until the stopped search has ended.
extern std::atomic<int32_t> StopRequested;

// Searches move sequences of up to `limit` moves from the current Field. Returns a solution
// text, a stored solution, or "No Result". Leaves the Field and SlideState as they were.
std::string Solve(int32_t limit);

// Raises StopRequested, waits until no search runs, then clears it. Runs on its own thread.
int32_t StopSolverThread(int32_t parameter);
// Starts StopSolverThread(0) on a detached thread, as Escape does during a search.
void StartStopSolverThread();
// Waits until a stop asked for has been taken back, so that no stop request outlives the
// search it was meant for; at most `limit`. True when none is left.
bool AwaitStopTakenBack(std::chrono::milliseconds limit = std::chrono::milliseconds::max());

}  // namespace tq
