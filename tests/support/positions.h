// Positions the tests and benchmarks search from, in one place.
#pragma once

namespace tq::test {

// No column correct, and no solution within reach of any test's patience: a search from here
// runs until it is stopped, at the trial rate the benchmarks measure.
inline constexpr const char* HardLayout = "31010 452123024 554035412 ";
// The start after one turn of the upper half to the left (one turn right solves it), and after two.
inline constexpr const char* OneLeftLayout = "31100 221134422 554430055 ";
inline constexpr const char* TwoLeftLayout = "32200 441135522 004431155 ";
// A search from here lists many correct-column lines.
inline constexpr const char* ManyLinesLayout = "51255 103414020 232015434 ";

}  // namespace tq::test
