// A word-for-word search over the model's Field, slow and plain, to hold the real one to.
#pragma once

#include <cstdint>
#include <string>

namespace tq {

// Same contract as Solve: lists through the toolkit, stores, restores the Field.
std::string ReferenceSolve(int32_t limit);

}  // namespace tq
