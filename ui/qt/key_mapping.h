// Turns a Qt key press into the virtual-key code the commands are keyed on.
#pragma once

#include <cstdint>

#include <Qt>

class QKeyEvent;

namespace tq {

// The code for a key: VkNumpad0 + d for the keypad digit d with Num Lock on, VkEscape for
// Escape, 0 for every other key. The X keysym decides when the event carries one; events
// without a native code (synthetic ones) fall back to the keypad modifier.
uint32_t VirtualKeyOf(int key, Qt::KeyboardModifiers modifiers, uint32_t nativeVirtualKey);
uint32_t VirtualKeyOf(const QKeyEvent& event);

}  // namespace tq
