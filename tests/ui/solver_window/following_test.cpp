// Following a solution as a person with the puzzle in hand does: a stray click loses nothing,
// Undo during play is not overtaken by the play, and the window opens again where it was left.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <filesystem>

#include "model/field.h"
#include "model/moves.h"
#include "tests/solver/optimal/layout_moves.h"
#include "tests/solver/optimal/test_tables.h"
#include "tests/support/positions.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"
#include "tests/ui/solver_window/window_fixture.h"
#include "ui/solver_window/drum_view.h"
#include "ui/solver_window/kept_session.h"

namespace tq::solver_window {
namespace {

class SolvingAndFollowing : public ::testing::Test, public test::WindowFixture {
 protected:
  SolvingAndFollowing() : WindowFixture(optimal::test::TablePath(optimal::TableKind::Full), optimal::TableKind::Full) {}
  void SolveHere() {
    Key(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(AwaitAnswer());
    ASSERT_FALSE(Window().Path().Empty());
  }
};

TEST_F(SolvingAndFollowing, AStrayClickIsSaidAndUndoBringsTheSolutionBackAtItsStep) {
  SolverWindow& window = Open(tq::test::TwoLeftLayout);
  SolveHere();
  Key(Qt::Key_Right);
  ASSERT_EQ(window.Step(), 1);
  const std::string moves = window.Path().Moves();
  DrumView* drum = window.Drum();
  QTest::mouseClick(drum, Qt::LeftButton, Qt::NoModifier, drum->SlotCentre(7).toPoint());
  EXPECT_EQ(Status(), QStringLiteral("Edited the position; the solution is set aside. Undo brings it back."));
  EXPECT_FALSE(window.Session().OnPath());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Status(), QString());
  EXPECT_EQ(window.Layout(), tq::test::OneLeftLayout);
  EXPECT_EQ(window.Step(), 1);
  EXPECT_EQ(window.Path().Moves(), moves);
  EXPECT_EQ(window.Steps()->count(), 3);
  EXPECT_EQ(window.Steps()->currentRow(), 1);
}

TEST_F(SolvingAndFollowing, UndoDuringPlayStopsThePlaySoThatRedoStaysPossible) {
  SolverWindow& window = Open(optimal::test::RandomPosition(5, 12));
  SolveHere();
  ASSERT_GT(window.Path().Length(), 4);
  Key(Qt::Key_Space);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Step() >= 2; }, 10'000));
  Key(Qt::Key_Z, Qt::ControlModifier);
  const int step = window.Step();
  const std::string layout = window.Layout();
  QTest::qWait(1500);  // more than two of play's 600 ms ticks
  EXPECT_EQ(window.Step(), step);
  EXPECT_EQ(window.Layout(), layout);
  EXPECT_TRUE(window.Actions().Redo->isEnabled());
  EXPECT_EQ(window.Actions().Play->text(), QStringLiteral("&Play"));
}

TEST_F(SolvingAndFollowing, TheWindowOpensAgainWhereItWasLeft) {
  tq::test::TempDirectory state;
  const std::string kept = state.File("trommelquirl/solver-session.txt");
  SolverWindow& window = Open(session::SolvingSession(tq::test::TwoLeftLayout), kept);
  SolveHere();
  Key(Qt::Key_Right);
  window.close();
  std::string problem;
  const std::optional<std::string> text = ReadKeptSession(kept, problem);
  ASSERT_TRUE(text.has_value()) << problem;
  EXPECT_EQ(*text, window.Session().SavedText());

  SolverWindow& again = Open(session::SolvingSession::FromSavedText(*text), kept);
  EXPECT_EQ(again.Layout(), tq::test::OneLeftLayout);
  EXPECT_EQ(again.Step(), 1);
  EXPECT_EQ(again.Path().Length(), 2);
  EXPECT_EQ(again.Steps()->currentRow(), 1);
  EXPECT_TRUE(again.NextMoveText()->text().endsWith(QStringLiteral("move 2 of 2"))) << again.NextMoveText()->text().toStdString();
  // The last move solves the drum, and that is kept a moment later without closing.
  Key(Qt::Key_Right);
  EXPECT_EQ(again.NextMoveText()->text(), QStringLiteral("The drum is solved."));
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReadKeptSession(kept, problem) == again.Session().SavedText(); }, 5'000));
}

}  // namespace
}  // namespace tq::solver_window
