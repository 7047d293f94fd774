// Key mapping from Qt key events to virtual-key codes.
#include "ui/qt/key_mapping.h"

#include <QKeyEvent>

#include "ui/window_toolkit.h"

namespace tq {

namespace {
// X keysyms KP_0 to KP_9; with Num Lock off the keypad sends KP_Home, KP_Up, ... instead.
constexpr uint32_t KeysymKeypad0 = 0xffb0;
constexpr uint32_t KeysymKeypad9 = 0xffb9;
}  // namespace

uint32_t VirtualKeyOf(int key, Qt::KeyboardModifiers modifiers, uint32_t nativeVirtualKey) {
  if (key == Qt::Key_Escape) return VkEscape;
  if (nativeVirtualKey >= KeysymKeypad0 && nativeVirtualKey <= KeysymKeypad9) {
    return VkNumpad0 + (nativeVirtualKey - KeysymKeypad0);
  }
  if (nativeVirtualKey != 0) return 0;
  if ((modifiers & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9) {
    return VkNumpad0 + static_cast<uint32_t>(key - Qt::Key_0);
  }
  return 0;
}

uint32_t VirtualKeyOf(const QKeyEvent& event) {
  return VirtualKeyOf(event.key(), event.modifiers(), event.nativeVirtualKey());
}

}  // namespace tq
