// What the Qt event pump tells benchmarks and tests about itself.
#pragma once

#include <cstdint>

namespace tq {

// How often DrainEvents has been called; the search calls it twice per trial. Readable
// from any thread.
uint64_t DrainEventsCalls();

}  // namespace tq
