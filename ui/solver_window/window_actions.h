// The window's commands as a typed set of actions, with the keys each is reached by, so that the
// menus, the tool bar's tooltips and the Keys list all say the same keys.
#pragma once

#include <QString>
#include <array>
#include <vector>

class QAction;

namespace tq::solver_window {

struct SolverActions {
  // The moves, by move code - 1 (model/moves.h: upper right, upper left, lower right, lower left,
  // slide). Their keys are the keypad's, which the window takes itself (see KeypadKeys).
  std::array<QAction*, 5> Moves{};
  QAction* Undo = nullptr;
  QAction* Redo = nullptr;
  QAction* CopyLayout = nullptr;
  QAction* CopySolution = nullptr;
  QAction* Paste = nullptr;
  QAction* Scramble = nullptr;
  QAction* Reset = nullptr;
  QAction* Solve = nullptr;
  QAction* Hint = nullptr;
  QAction* Next = nullptr;
  QAction* Previous = nullptr;
  QAction* First = nullptr;
  QAction* Last = nullptr;
  QAction* Play = nullptr;
  QAction* AddToGame = nullptr;
  QAction* Quit = nullptr;
  QAction* Animate = nullptr;
  QAction* Numbers = nullptr;
  QAction* Keys = nullptr;
  QAction* DrumGuide = nullptr;
  QAction* About = nullptr;

  // Every action, in the order the Keys list names them; none is null once the window is built.
  std::vector<QAction*> All() const;
  QAction* Move(int code) const { return Moves[static_cast<size_t>(code - 1)]; }
};

// The keypad keys of move code 1 to 5 in the user's language ("Num+4"; "Num+2, Num+5" for the
// slide, which goes down or up as the columns stand); empty for other codes.
QString KeypadKeys(int code);

// An action's keys in the user's language, as the menus show them: its shortcuts, or for a move
// its keypad keys; empty for an action without keys.
QString ActionKeys(const QAction* action);

// Marks a move action with its keypad keys: shown in the menu's key column and its tooltip.
void ShowKeypadKeys(QAction* action, int code);

// Sets an action's tooltip to its words followed by its keys: "Undo Move (Ctrl+Z)". Call again
// after the action's text changes.
void ShowKeysInToolTip(QAction* action);

// One line of the Keys list.
struct KeyRow {
  QString Keys;
  QString What;
};

// The Keys list: one line for every action with keys (its keys, and what it does as its
// What's This text says), then the lines for the mouse and the slot cursor, which no action has.
std::vector<KeyRow> KeyRows(const SolverActions& actions);

}  // namespace tq::solver_window
