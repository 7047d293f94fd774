// The keys of the window's actions, read from the actions themselves.
#include "ui/solver_window/window_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QRegularExpression>

#include "model/moves.h"

namespace tq::solver_window {

namespace {

// Where a move action keeps its keypad keys: the menu's key column shows what follows a tab in
// an action's text, and the keypad keys are no shortcuts (the window takes them itself, with
// Num Lock on or off).
constexpr const char* KeypadProperty = "keypadKeys";

QString NativeKey(QKeyCombination key) { return QKeySequence(key).toString(QKeySequence::NativeText); }

}  // namespace

std::vector<QAction*> SolverActions::All() const {
  return {Moves[MoveUpperLeft - 1], Moves[MoveUpperRight - 1], Moves[MoveLowerLeft - 1], Moves[MoveLowerRight - 1],
          Moves[MoveSlide - 1], Solve, Hint, Next, Previous, First, Last, Play, Undo, Redo, CopyLayout, CopySolution,
          Paste, Scramble, Reset, AddToGame, Animate, Numbers, DrumGuide, Keys, About, Quit};
}

QString KeypadKeys(int code) {
  const Qt::KeyboardModifier keypad = Qt::KeypadModifier;
  switch (code) {
    case MoveUpperLeft: return NativeKey(keypad | Qt::Key_4);
    case MoveUpperRight: return NativeKey(keypad | Qt::Key_6);
    case MoveLowerLeft: return NativeKey(keypad | Qt::Key_1);
    case MoveLowerRight: return NativeKey(keypad | Qt::Key_3);
    case MoveSlide: return NativeKey(keypad | Qt::Key_2) + QStringLiteral(", ") + NativeKey(keypad | Qt::Key_5);
    default: return {};
  }
}

QString ActionKeys(const QAction* action) {
  const QVariant keypad = action->property(KeypadProperty);
  if (keypad.isValid()) return keypad.toString();
  QStringList keys;
  for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::NativeText);
  return keys.join(QStringLiteral(", "));
}

void ShowKeypadKeys(QAction* action, int code) {
  const QString keys = KeypadKeys(code);
  action->setProperty(KeypadProperty, keys);
  action->setIconText(action->text());
  action->setText(action->text() + QLatin1Char('\t') + keys);
  ShowKeysInToolTip(action);
}

void ShowKeysInToolTip(QAction* action) {
  QString words = action->text().section(QLatin1Char('\t'), 0, 0);
  words.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  const QString keys = ActionKeys(action);
  action->setToolTip(keys.isEmpty() ? words : QCoreApplication::translate("SolverActions", "%1 (%2)").arg(words, keys));
}

std::vector<KeyRow> KeyRows(const SolverActions& actions) {
  std::vector<KeyRow> rows;
  for (const QAction* action : actions.All()) {
    const QString keys = ActionKeys(action);
    if (!keys.isEmpty()) rows.push_back({keys, action->whatsThis()});
  }
  const QString ctrlArrows = NativeKey(Qt::CTRL | Qt::Key_Left).section(QLatin1Char('+'), 0, -2);
  rows.push_back({NativeKey(Qt::Key_Up) + QStringLiteral(", ") + NativeKey(Qt::Key_Down),
                  QCoreApplication::translate("SolverActions", "In the solution's list: the step before, after")});
  rows.push_back({QCoreApplication::translate("SolverActions", "Click"), QCoreApplication::translate("SolverActions", "Give a slot the colour chosen in the palette")});
  rows.push_back({QCoreApplication::translate("SolverActions", "Right-click"), QCoreApplication::translate("SolverActions", "Empty a slot")});
  rows.push_back({QCoreApplication::translate("SolverActions", "Click a line of the solution"), QCoreApplication::translate("SolverActions", "Jump to that step")});
  rows.push_back({QCoreApplication::translate("SolverActions", "%1+arrow keys").arg(ctrlArrows), QCoreApplication::translate("SolverActions", "Move the slot cursor")});
  rows.push_back({QCoreApplication::translate("SolverActions", "0 to 5"), QCoreApplication::translate("SolverActions", "Give the cursor's slot that colour and go to the next slot")});
  rows.push_back({QCoreApplication::translate("SolverActions", ". or %1").arg(NativeKey(Qt::Key_Delete)),
                  QCoreApplication::translate("SolverActions", "Empty the cursor's slot; %1 empties the slot before it").arg(NativeKey(Qt::Key_Backspace))});
  rows.push_back({NativeKey(Qt::Key_Tab), QCoreApplication::translate("SolverActions", "Go to the palette, the solution's list and the Solve button")});
  return rows;
}

}  // namespace tq::solver_window
