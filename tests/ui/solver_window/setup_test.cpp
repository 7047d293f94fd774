// Setting up a position in the window: the reasons a position cannot be solved, clicks and typed
// colours, paste and copy, the keypad, and undo and redo over every kind of change.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <set>
#include <vector>

#include "model/field.h"
#include "model/moves.h"
#include "tests/support/positions.h"
#include "tests/ui/solver_window/window_fixture.h"
#include "ui/solver_window/drum_view.h"

namespace tq::solver_window {
namespace {

class SetupWindow : public ::testing::Test, public test::WindowFixture {
 protected:
  // Setting up never asks for the table.
  SetupWindow() : WindowFixture("/nonexistent/trommelquirl/table", optimal::TableKind::Small) {}
  bool SolveAllowed() {
    auto* button = Window().findChild<QPushButton*>();
    return Window().Actions().Solve->isEnabled() && button != nullptr && button->isEnabled();
  }
};

TEST_F(SetupWindow, SaysWhyAPositionCannotBeSolvedAndAllowsNoSolve) {
  const struct {
    const char* Layout;
    const char* Reason;
  } cases[] = {
      {"30000 111132222 44443555  ", "There are 4 empty slots; the drum has 3."},
      {"300001111132222 444435555 ", "There are 2 empty slots; the drum has 3."},
      {"30000 111102222 444435555 ", "Colour 0 (blue) has 5 balls, it needs 4."},
      {"30000 111132222 444445555 ", "Colour 3 (grey) has 2 balls, it needs 3."},
      {" 30000111132222 444435555 ", "The long columns' empty slots must all be at the top or all at the bottom."},
      {"3000 0111132222 444435555 ", "The long columns' empty slots must all be at the top or all at the bottom."},
  };
  for (const auto& item : cases) {
    SolverWindow& window = Open(item.Layout);
    EXPECT_TRUE(window.Reason()->isVisibleTo(&window)) << item.Layout;
    // The first reason first; the others, if any, after it.
    EXPECT_TRUE(window.Reason()->text().startsWith(QString::fromUtf8(item.Reason))) << item.Layout << ": " << window.Reason()->text().toStdString();
    EXPECT_FALSE(SolveAllowed()) << item.Layout;
    EXPECT_FALSE(window.Actions().Move(MoveUpperLeft)->isEnabled());
    // Neither a move from the keypad nor the solve key changes anything.
    Keypad(Qt::Key_4);
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(window.Layout(), item.Layout);
    EXPECT_FALSE(window.IsWaiting());
  }
  SolverWindow& window = Open(StartLayout);
  EXPECT_FALSE(window.Reason()->isVisibleTo(&window));
  EXPECT_TRUE(SolveAllowed());
}

TEST_F(SetupWindow, NamesEveryWrongColourAndAnEmptySlotInAShortColumn) {
  // Slot 6 yellow made orange, slot 16 green made red: four colours are wrong.
  SolverWindow& window = Open("30000 211132222 544435555 ");
  const QString reason = window.Reason()->text();
  for (const char* sentence : {"Colour 1 (yellow) has 3 balls, it needs 4.", "Colour 2 (orange) has 5 balls, it needs 4.",
                               "Colour 4 (green) has 3 balls, it needs 4.", "Colour 5 (red) has 5 balls, it needs 4."}) {
    EXPECT_TRUE(reason.contains(QLatin1String(sentence))) << sentence << " in " << reason.toStdString();
  }
  // The drum marks the slots the session names for each fault, and only those.
  std::vector<int> named;
  for (const session::MarkedFault& fault : window.Session().Faults()) named.insert(named.end(), fault.Slots.begin(), fault.Slots.end());
  std::vector<int> marked = window.Drum()->MarkedSlots();
  std::sort(named.begin(), named.end());
  std::sort(marked.begin(), marked.end());
  EXPECT_FALSE(marked.empty());
  EXPECT_EQ(std::set<int>(marked.begin(), marked.end()), std::set<int>(named.begin(), named.end()));
  // Mended, nothing is marked.
  window.EditSlot(6, 2);
  window.EditSlot(16, 5);
  EXPECT_TRUE(window.Session().Valid());
  EXPECT_TRUE(window.Drum()->MarkedSlots().empty());
  // The top of column 1's empty slot moved into column 2, a short one.
  Open("3000011 1132222 444435555 ");
  EXPECT_TRUE(Window().Reason()->text().startsWith(QStringLiteral("Column 2 is a short one")))
      << Window().Reason()->text().toStdString();
}

TEST_F(SetupWindow, ClicksAndTypedColoursSetSlotsAndTheReasonFollows) {
  SolverWindow& window = Open(StartLayout);
  DrumView* drum = window.Drum();
  // Blue is the palette's first choice; the grey ball on top of column 0 becomes blue.
  QTest::mouseClick(drum, Qt::LeftButton, Qt::NoModifier, drum->SlotCentre(0).toPoint());
  EXPECT_EQ(window.Layout()[0], '0');
  EXPECT_EQ(window.Reason()->text().toStdString(), "Colour 0 (blue) has 5 balls, it needs 4. Colour 3 (grey) has 2 balls, it needs 3.");
  // Typed: the cursor stands on the clicked slot and moves on with each colour.
  Key(Qt::Key_3);
  EXPECT_EQ(window.Layout(), StartLayout);
  EXPECT_FALSE(window.Reason()->isVisibleTo(&window));
  Key(Qt::Key_5);
  Key(Qt::Key_Period);
  EXPECT_EQ(window.Layout().substr(0, 3), "35 ");
  QTest::mouseClick(drum, Qt::RightButton, Qt::NoModifier, drum->SlotCentre(25).toPoint());
  EXPECT_EQ(window.Layout()[25], ' ');
  // The palette's empty slot empties a slot at a click, as its colours colour it.
  QAbstractButton* empty = window.findChild<QButtonGroup*>()->button(0);
  ASSERT_NE(empty, nullptr);
  empty->click();
  QTest::mouseClick(drum, Qt::LeftButton, Qt::NoModifier, drum->SlotCentre(3).toPoint());
  EXPECT_EQ(window.Layout()[3], ' ');
  window.findChild<QButtonGroup*>()->button(6)->click();
  QTest::mouseClick(drum, Qt::LeftButton, Qt::NoModifier, drum->SlotCentre(3).toPoint());
  EXPECT_EQ(window.Layout()[3], '5');
  // Keys that are no colour change nothing.
  Key(Qt::Key_7);
  Key(Qt::Key_A);
  EXPECT_EQ(window.Layout().substr(0, 4), "35 5");
}

TEST_F(SetupWindow, PastesAndCopiesBothSpellingsAndRefusesGarbage) {
  SolverWindow& window = Open(StartLayout);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QStringLiteral("31100_221134422_554430055_\n"));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window.Layout(), tq::test::OneLeftLayout);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("31100_221134422_554430055_"));
  clipboard->setText(QString::fromLatin1(tq::test::TwoLeftLayout));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window.Layout(), tq::test::TwoLeftLayout);

  for (const QString& garbage : {QStringLiteral("hello"), QStringLiteral(""), QStringLiteral("31100_221134422_554430055_7"),
                                 QStringLiteral("31100_221134422_55443005x_"), QStringLiteral("31100_221134422_55443005ä_")}) {
    clipboard->setText(garbage);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.Layout(), tq::test::TwoLeftLayout) << garbage.toStdString();
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Not pasted. That is not a layout"))) << Status().toStdString();
  }
}

TEST_F(SetupWindow, KeypadMovesWithNumLockOnOrOffAndTheCursorKeysDoNot) {
  SolverWindow& window = Open(StartLayout);
  Keypad(Qt::Key_4);
  EXPECT_EQ(window.Layout(), tq::test::OneLeftLayout);
  Keypad(Qt::Key_Left);  // keypad 4 with Num Lock off
  EXPECT_EQ(window.Layout(), tq::test::TwoLeftLayout);
  Key(Qt::Key_Left);  // the arrow key follows a solution; there is none
  EXPECT_EQ(window.Layout(), tq::test::TwoLeftLayout);
  Keypad(Qt::Key_Right);
  Keypad(Qt::Key_6);
  EXPECT_EQ(window.Layout(), StartLayout);
  // Keypad 5 slides up, which the columns at the start cannot: nothing, and a word why.
  Keypad(Qt::Key_5);
  EXPECT_EQ(window.Layout(), StartLayout);
  EXPECT_FALSE(Status().isEmpty());
  Keypad(Qt::Key_Down);  // keypad 2 with Num Lock off
  EXPECT_EQ(window.Layout(), test::After(StartLayout, MoveSlide));
  Keypad(Qt::Key_5);
  Keypad(Qt::Key_1);
  Keypad(Qt::Key_3);
  EXPECT_EQ(window.Layout(), StartLayout);
}

TEST_F(SetupWindow, UndoAndRedoRestoreEveryKindOfChange) {
  SolverWindow& window = Open(StartLayout);
  std::vector<std::string> seen = {window.Layout()};
  Keypad(Qt::Key_6);  // a move
  seen.push_back(window.Layout());
  window.EditSlot(0, 1);  // an edit
  seen.push_back(window.Layout());
  QGuiApplication::clipboard()->setText(QString::fromLatin1(tq::test::HardLayout));
  Key(Qt::Key_V, Qt::ControlModifier);  // a paste
  seen.push_back(window.Layout());
  Key(Qt::Key_R, Qt::ControlModifier);  // a scramble
  seen.push_back(window.Layout());
  EXPECT_NE(seen.back(), tq::test::HardLayout);
  Key(Qt::Key_Home, Qt::ControlModifier);  // a reset
  seen.push_back(window.Layout());
  ASSERT_EQ(seen.back(), StartLayout);

  for (size_t k = seen.size() - 1; k > 0; --k) {
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Layout(), seen[k - 1]) << "undo to change " << k - 1;
  }
  EXPECT_FALSE(window.Actions().Undo->isEnabled());
  for (size_t k = 1; k < seen.size(); ++k) {
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.Layout(), seen[k]) << "redo to change " << k;
  }
  EXPECT_FALSE(window.Actions().Redo->isEnabled());
  // A new change after undoing forgets what could be redone.
  Key(Qt::Key_Z, Qt::ControlModifier);
  Keypad(Qt::Key_4);
  EXPECT_FALSE(window.Actions().Redo->isEnabled());
}

}  // namespace
}  // namespace tq::solver_window
