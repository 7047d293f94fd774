// The positions the user-interface benchmarks search from, and how a search is set up.
#pragma once

#include <string>

#include "tests/support/positions.h"

namespace tq::bench {

// The trial-rate position, and one whose search lists many correct-column lines.
inline constexpr const char* RateLayout = test::HardLayout;
inline constexpr const char* ManyLinesLayout = test::ManyLinesLayout;

// CPU seconds the calling thread has used: unlike the wall clock, blind to other programs
// that share the processor, so the two toolkits' runs compare even on a busy machine.
double ThreadCpuSeconds();

// Puts the Field at `layout` with its slide state and an empty solutions list, once no
// earlier stop request is pending.
void SetUpSearch(const std::string& layout);

}  // namespace tq::bench
