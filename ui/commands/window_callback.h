// The program's one handler of user input.
#pragma once

#include <cstdint>

namespace tq {

// A left-button press drags the window; a key press runs its command. Always NotHandled,
// so the toolkit's own handling follows every message.
uint32_t WindowCallback(uint32_t window, uint32_t message, uint32_t wParam, uint32_t lParam);

}  // namespace tq
