// What the Qt event pump offers benchmarks and tests beyond the toolkit operations.
#pragma once

#include <cstdint>

namespace tq {

// How often DrainEvents has been called; the search calls it twice per trial. Readable
// from any thread.
uint64_t DrainEventsCalls();

// Shows the lines and the progress value that wait for the next flush.
void FlushPendingOutput();

// True while Qt handles events for one of the pumps (WaitForEvent, DrainEventsNow).
bool InsideEventPump();

}  // namespace tq
