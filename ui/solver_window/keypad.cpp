// Keypad keys to moves.
#include "ui/solver_window/keypad.h"

#include "model/moves.h"

namespace tq::solver_window {

KeypadMove KeypadMoveOf(int key, Qt::KeyboardModifiers modifiers) {
  if (!(modifiers & Qt::KeypadModifier) || (modifiers & (Qt::ControlModifier | Qt::AltModifier))) return KeypadMove::None;
  switch (key) {
    case Qt::Key_4:
    case Qt::Key_Left: return KeypadMove::UpperLeft;
    case Qt::Key_6:
    case Qt::Key_Right: return KeypadMove::UpperRight;
    case Qt::Key_1:
    case Qt::Key_End: return KeypadMove::LowerLeft;
    case Qt::Key_3:
    case Qt::Key_PageDown: return KeypadMove::LowerRight;
    case Qt::Key_2:
    case Qt::Key_Down: return KeypadMove::SlideDown;
    case Qt::Key_5:
    case Qt::Key_Clear: return KeypadMove::SlideUp;
    default: return KeypadMove::None;
  }
}

int MoveCodeOf(KeypadMove move, bool longColumnsUp) {
  switch (move) {
    case KeypadMove::UpperLeft: return MoveUpperLeft;
    case KeypadMove::UpperRight: return MoveUpperRight;
    case KeypadMove::LowerLeft: return MoveLowerLeft;
    case KeypadMove::LowerRight: return MoveLowerRight;
    case KeypadMove::SlideDown: return longColumnsUp ? MoveSlide : 0;
    case KeypadMove::SlideUp: return longColumnsUp ? 0 : MoveSlide;
    case KeypadMove::None: return 0;
  }
  return 0;
}

}  // namespace tq::solver_window
