// WindowCallback: routes button and key presses to the drag and the commands.
#include "ui/commands/window_callback.h"

#include "ui/commands/commands.h"
#include "ui/window_toolkit.h"

namespace tq {

uint32_t WindowCallback(uint32_t /*window*/, uint32_t message, uint32_t wParam, uint32_t /*lParam*/) {
  if (message == WmLButtonDown) {
    DragMainWindow();
  } else if (message == WmKeyDown) {
    RunKeyCommand(wParam);
  }
  return NotHandled;
}

}  // namespace tq
