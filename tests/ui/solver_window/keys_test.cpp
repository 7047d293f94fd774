// The keys as the window shows them: the Keys list built from the actions cannot drift from
// them, keys are named in the user's language, the moves show their keypad keys, and long
// dialogs and the window fit the screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <memory>

#include "model/field.h"
#include "model/moves.h"
#include "tests/ui/solver_window/window_fixture.h"
#include "ui/solver_window/keys_dialog.h"
#include "ui/solver_window/layout_text.h"
#include "ui/solver_window/screen_fit.h"
#include "ui/solver_window/window_actions.h"

namespace tq::solver_window {
namespace {

class KeysOfTheWindow : public ::testing::Test, public test::WindowFixture {
 protected:
  KeysOfTheWindow() : WindowFixture("/nonexistent/trommelquirl/table", optimal::TableKind::Small) {}
};

bool HasRow(const std::vector<KeyRow>& rows, const QString& keys) {
  return std::any_of(rows.begin(), rows.end(), [&](const KeyRow& row) { return row.Keys == keys; });
}

TEST_F(KeysOfTheWindow, TheKeysListNamesEveryActionsOwnKeysAndSaysWhatEachDoes) {
  SolverWindow& window = Open(StartLayout);
  const std::vector<KeyRow> rows = KeyRows(window.Actions());
  for (const QAction* action : window.Actions().All()) {
    ASSERT_NE(action, nullptr);
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::NativeText);
    if (!keys.isEmpty()) {
      EXPECT_TRUE(HasRow(rows, keys.join(QStringLiteral(", ")))) << action->text().toStdString();
    }
  }
  for (const KeyRow& row : rows) EXPECT_FALSE(row.What.isEmpty()) << row.Keys.toStdString();
  // A shortcut changed on the action changes the list with it.
  window.Actions().Hint->setShortcut(QKeySequence(Qt::Key_F7));
  EXPECT_TRUE(HasRow(KeyRows(window.Actions()), QStringLiteral("F7")));
}

TEST_F(KeysOfTheWindow, MovesShowTheirKeypadKeysInTheMenuAndTheToolTip) {
  SolverWindow& window = Open(StartLayout);
  const struct {
    int Code;
    const char* Keys;
  } moves[] = {{MoveUpperLeft, "Num+4"}, {MoveUpperRight, "Num+6"}, {MoveLowerLeft, "Num+1"}, {MoveLowerRight, "Num+3"},
               {MoveSlide, "Num+2, Num+5"}};
  for (const auto& move : moves) {
    const QAction* action = window.Actions().Move(move.Code);
    EXPECT_TRUE(action->text().endsWith(QStringLiteral("\t") + QLatin1String(move.Keys))) << action->text().toStdString();
    EXPECT_TRUE(action->toolTip().endsWith(QStringLiteral("(%1)").arg(QLatin1String(move.Keys)))) << action->toolTip().toStdString();
    EXPECT_FALSE(action->toolTip().contains(QLatin1Char('\t')));
    EXPECT_TRUE(HasRow(KeyRows(window.Actions()), QLatin1String(move.Keys)));
  }
  // Undo's tooltip follows its changing words and keeps its key.
  Keypad(Qt::Key_4);
  EXPECT_EQ(window.Actions().Undo->toolTip(), QStringLiteral("Undo Move (Ctrl+Z)"));
}

TEST(KeyNames, AreTheUsersLanguagesOwn) {
  QTranslator qt;
  if (!qt.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    GTEST_SKIP() << "Qt's German translation is not installed";
  }
  QCoreApplication::installTranslator(&qt);
  QAction solve;
  solve.setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return)});
  // Qt's own words for the keys, whatever they are for Return in this Qt's German.
  EXPECT_TRUE(ActionKeys(&solve).startsWith(QStringLiteral("Strg+"))) << ActionKeys(&solve).toStdString();
  QCoreApplication::removeTranslator(&qt);
  EXPECT_EQ(ActionKeys(&solve), QStringLiteral("Ctrl+Return"));
}

TEST(ScreenFit, AWindowOrDialogNeverOpensBeyondTheAvailableScreen) {
  // Scale 2 on a 1600x1000 screen: 800x500 device-independent pixels, less the panels.
  const QSize available(800, 470);
  for (const QSize wanted : {QSize(900, 620), QSize(1800, 1240), QSize(300, 200), QSize(0, 0)}) {
    const QSize fitted = FitOnScreen(wanted, available);
    EXPECT_LE(fitted.width(), available.width());
    EXPECT_LE(fitted.height(), available.height());
    EXPECT_GE(fitted.width(), 1);
    if (wanted.width() <= 700 && wanted.height() <= 400) {
      EXPECT_EQ(fitted, wanted.expandedTo(QSize(1, 1)));
    }
  }
  const QRect screen(0, 30, 800, 470);
  EXPECT_EQ(PlaceOnScreen(QRect(10, 40, 300, 200), screen), QRect(10, 40, 300, 200));
  EXPECT_TRUE(screen.contains(PlaceOnScreen(QRect(700, 400, 300, 200), screen)));
  EXPECT_TRUE(screen.contains(PlaceOnScreen(QRect(-50, -50, 2000, 2000), screen)));
}

TEST_F(KeysOfTheWindow, TheKeysDialogScrollsRatherThanOutgrowTheScreen) {
  SolverWindow& window = Open(StartLayout);
  std::vector<KeyRow> rows = KeyRows(window.Actions());
  for (int i = 0; i < 5; ++i) rows.insert(rows.end(), rows.begin(), rows.end());  // far too long
  std::unique_ptr<QDialog> dialog(MakeKeysDialog(&window, rows));
  const QSize available = window.screen()->availableGeometry().size();
  EXPECT_LE(dialog->height(), available.height());
  EXPECT_LE(dialog->width(), available.width());
}

TEST(LayoutText, CountsCharactersNotBytes) {
  // Full-width digits: 26 characters, 78 bytes; the first is no digit this program reads.
  QString fullWidth;
  for (const QChar c : QString::fromStdString(StartLayout)) fullWidth += c == QLatin1Char(' ') ? c : QChar(c.unicode() + 0xFEE0);
  const LayoutText read = ReadLayoutText(fullWidth.toStdString());
  EXPECT_EQ(read.Fault.What, LayoutFault::Kind::Character);
  EXPECT_EQ(read.Fault.Position, 1);
  const LayoutText longer = ReadLayoutText("30000_111132222_444435555_ä");
  EXPECT_EQ(longer.Fault.What, LayoutFault::Kind::Length);
  EXPECT_EQ(longer.Fault.Count, 27);
  const LayoutText umlaut = ReadLayoutText("30000_111132222_4444355ä5_");
  EXPECT_EQ(umlaut.Fault.What, LayoutFault::Kind::Character);
  EXPECT_EQ(umlaut.Fault.Position, 24);
}

}  // namespace
}  // namespace tq::solver_window
