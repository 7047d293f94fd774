// The program's start-up, in its fixed order, and its event loop.
#pragma once

#include <cstdint>

namespace tq {

// Everything up to and including the first RefreshField: the toolkit and the random seed,
// the sizes, the colours and ball images, the remembered solutions, the start position and
// the window with its controls. Ends the process when the window cannot be opened.
int32_t StartProgram();
// StartProgram, then handles events for ever; the process ends through ShutDown.
[[noreturn]] void RunProgram();

}  // namespace tq
