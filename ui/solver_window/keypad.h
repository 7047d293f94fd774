// The numeric keypad's moves, as the game takes them, with Num Lock on or off.
#pragma once

#include <Qt>

namespace tq::solver_window {

enum class KeypadMove { None, UpperLeft, UpperRight, LowerLeft, LowerRight, SlideDown, SlideUp };

// 4 and 6 turn the upper half left and right, 1 and 3 the lower half, 2 slides the long columns
// down and 5 up. With Num Lock off the keypad sends cursor keys (4 Left, 6 Right, 1 End,
// 3 Page Down, 2 Down, 5 Clear), told from the ordinary ones by the keypad modifier. None for
// every other key, and for a keypad key held with Ctrl or Alt.
KeypadMove KeypadMoveOf(int key, Qt::KeyboardModifiers modifiers);

// The move code (1 to 5) of a keypad move, or 0 where it cannot be made: a slide down needs the
// long columns up, a slide up needs them down.
int MoveCodeOf(KeypadMove move, bool longColumnsUp);

}  // namespace tq::solver_window
