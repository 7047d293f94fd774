// The Keys list as a dialog that scrolls where the screen is too small for it.
#pragma once

#include <vector>

#include "ui/solver_window/window_actions.h"

class QDialog;
class QWidget;

namespace tq::solver_window {

// Builds the dialog (titled "Keys", one line per row, a Close button); the caller shows it.
// It never opens taller or wider than the screen's available area: the list scrolls instead.
QDialog* MakeKeysDialog(QWidget* parent, const std::vector<KeyRow>& rows);

}  // namespace tq::solver_window
