// The key mapping: keypad digits with Num Lock on and Escape are commands, nothing else is.
#include <gtest/gtest.h>

#include "ui/qt/key_mapping.h"
#include "ui/window_toolkit.h"

namespace tq {
namespace {

struct KeyCase {
  const char* what;
  int key;
  Qt::KeyboardModifiers modifiers;
  uint32_t keysym;
  uint32_t expected;
};

const Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;
const Qt::KeyboardModifiers None = Qt::NoModifier;

const KeyCase Cases[] = {
    {"X keypad 0", Qt::Key_0, Keypad, 0xffb0, 0x60},
    {"X keypad 5", Qt::Key_5, Keypad, 0xffb5, 0x65},
    {"X keypad 9", Qt::Key_9, Keypad, 0xffb9, 0x69},
    {"keypad keysym without the keypad modifier (Wayland)", Qt::Key_8, None, 0xffb8, 0x68},
    {"synthetic keypad 8", Qt::Key_8, Keypad, 0, 0x68},
    {"synthetic keypad 1", Qt::Key_1, Keypad, 0, 0x61},
    {"X main-keyboard 8", Qt::Key_8, None, 0x38, 0},
    {"synthetic main-keyboard 8", Qt::Key_8, None, 0, 0},
    {"Num Lock off: keypad 8 is KP_Up", Qt::Key_Up, Keypad, 0xff97, 0},
    {"Num Lock off: keypad 5 is KP_Begin", Qt::Key_Clear, Keypad, 0xff9d, 0},
    {"Num Lock off: keypad 0 is KP_Insert", Qt::Key_Insert, Keypad, 0xff9e, 0},
    {"Num Lock off, synthetic", Qt::Key_Left, Keypad, 0, 0},
    {"keypad Enter", Qt::Key_Enter, Keypad, 0xff8d, 0},
    {"keypad plus", Qt::Key_Plus, Keypad, 0xffab, 0},
    {"X Escape", Qt::Key_Escape, None, 0xff1b, VkEscape},
    {"synthetic Escape", Qt::Key_Escape, None, 0, VkEscape},
    {"letter", Qt::Key_A, None, 0x61, 0},
};

TEST(KeyMapping, GivesCommandsOnlyForKeypadDigitsAndEscape) {
  for (const KeyCase& c : Cases) {
    EXPECT_EQ(VirtualKeyOf(c.key, c.modifiers, c.keysym), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace tq
