// Solving in the window with the Full table: the solution replays to solved and is as short as
// the Small table's independent search finds; following it shows the right position at every
// step; leaving the path solves again; the hint starts a shortest solution; and the game's
// solutions file gets the solution.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <cstdlib>

#include "model/field.h"
#include "model/moves.h"
#include "solver/notation.h"
#include "store/solutions.h"
#include "tests/solver/optimal/test_tables.h"
#include "tests/support/positions.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"
#include "tests/ui/solver_window/window_fixture.h"
#include "ui/solver_window/drum_view.h"
#include "tests/solver/optimal/layout_moves.h"

namespace tq::solver_window {
namespace {

// The length of a shortest solution, from the Small table: a search of its own, apart from the
// window's.
int ShortestLength(const std::string& layout) {
  const optimal::SearchResult result = optimal::Solve(optimal::test::SmallTable(), layout);
  EXPECT_EQ(result.Status, optimal::SearchStatus::Solved);
  return static_cast<int>(result.Solution.size());
}

bool Solves(const std::string& layout, const std::string& moves) {
  PlaceLayout(layout);
  ApplySolution(moves, SlideState);
  return IsSolved() == 5;
}

class SolvingWindow : public ::testing::Test, public test::WindowFixture {
 protected:
  SolvingWindow() : WindowFixture(optimal::test::TablePath(optimal::TableKind::Full), optimal::TableKind::Full) {}
  void SolveHere() {
    Key(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(AwaitAnswer());
    ASSERT_FALSE(Window().Path().Empty());
  }
};

TEST_F(SolvingWindow, SolutionsReplayToSolvedAndAreShortest) {
  for (const std::string& layout :
       {std::string(tq::test::TwoLeftLayout), optimal::test::RandomPosition(18, 9), optimal::test::RandomPosition(18, 12)}) {
    SolverWindow& window = Open(layout);
    SolveHere();
    EXPECT_EQ(window.Path().Start(), layout);
    EXPECT_TRUE(Solves(layout, window.Path().Moves())) << layout;
    EXPECT_EQ(window.Path().Length(), ShortestLength(layout)) << layout;
    EXPECT_EQ(window.Steps()->count(), window.Path().Length() + 1);
  }
  // A solved position: nothing to do, said so.
  SolverWindow& window = Open(StartLayout);
  SolveHere();
  EXPECT_EQ(window.Path().Length(), 0);
}

TEST_F(SolvingWindow, FollowingShowsThePositionOfEveryStep) {
  const std::string start = optimal::test::RandomPosition(7, 10);
  SolverWindow& window = Open(start);
  SolveHere();
  const std::string moves = window.Path().Moves();
  const int length = static_cast<int>(moves.size());
  ASSERT_GT(length, 3);
  // Each step forward is the next move of the solution, replayed here by the model itself.
  for (int step = 1; step <= length; ++step) {
    EXPECT_EQ(window.Drum()->MarkedMove(), moves[static_cast<size_t>(step - 1)] - '0');
    Key(Qt::Key_Right);
    PlaceLayout(start);
    ApplySolution(moves.substr(0, static_cast<size_t>(step)), SlideState);
    EXPECT_EQ(window.Layout(), FieldToLayout()) << "step " << step;
    EXPECT_EQ(window.Step(), step);
    EXPECT_EQ(window.Steps()->currentRow(), step);
  }
  EXPECT_EQ(window.Drum()->MarkedMove(), 0);
  Key(Qt::Key_Right);  // past the end: nothing
  EXPECT_EQ(window.Step(), length);
  for (int step = length - 1; step >= 0; --step) {
    Key(Qt::Key_Left);
    EXPECT_EQ(window.Layout(), window.Path().PositionAt(step)) << "back to step " << step;
  }
  EXPECT_EQ(window.Layout(), start);
  // The end is a solved drum (not always the start position: any turn of it counts).
  Key(Qt::Key_End);
  const std::string end = window.Path().PositionAt(length);
  EXPECT_EQ(window.Layout(), end);
  EXPECT_TRUE(window.Session().Solved());
  Key(Qt::Key_Home);
  EXPECT_EQ(window.Layout(), start);
  // Undo takes the steps back too, and the path is still followed.
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.Layout(), end);
  EXPECT_EQ(window.Step(), length);
  // Space plays the rest to the end (here the last move, to keep the test short).
  Key(Qt::Key_Left);
  Key(Qt::Key_Space);
  EXPECT_EQ(window.Step(), length - 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.Step() == length; }, 30'000));
}

TEST_F(SolvingWindow, SaysTheMoveToMakeNowAndUpAndDownInTheListStepThrough) {
  SolverWindow& window = Open(tq::test::TwoLeftLayout);
  SolveHere();
  ASSERT_EQ(window.Path().Length(), 2);
  EXPECT_EQ(window.NextMoveText()->text(), QStringLiteral("Next: Turn upper half right — move 1 of 2"));
  EXPECT_TRUE(window.Steps()->item(1)->font().bold());
  EXPECT_FALSE(window.Steps()->item(2)->font().bold());
  window.Steps()->setFocus();
  Key(Qt::Key_Down);
  EXPECT_EQ(window.Step(), 1);
  EXPECT_EQ(window.Layout(), tq::test::OneLeftLayout);
  EXPECT_TRUE(window.Steps()->item(2)->font().bold());
  Key(Qt::Key_Down);
  EXPECT_EQ(window.Layout(), StartLayout);
  EXPECT_EQ(window.NextMoveText()->text(), QStringLiteral("The drum is solved."));
  Key(Qt::Key_Up);
  EXPECT_EQ(window.Step(), 1);
  EXPECT_TRUE(Status().startsWith(QStringLiteral("Found a shortest solution in"))) << Status().toStdString();
}

TEST_F(SolvingWindow, AMoveOffThePathSolvesAgainFromThere) {
  SolverWindow& window = Open(optimal::test::RandomPosition(3, 8));
  SolveHere();
  const int first = window.Path().MoveAfter(0);
  // Of the turns, one that is not the solution's first move.
  const int other = first == MoveUpperRight ? MoveUpperLeft : MoveUpperRight;
  window.ApplyMove(other);
  const std::string offPath = window.Layout();
  ASSERT_TRUE(AwaitAnswer());
  EXPECT_EQ(window.Path().Start(), offPath);
  EXPECT_EQ(window.Step(), 0);
  EXPECT_TRUE(Solves(offPath, window.Path().Moves()));
  EXPECT_EQ(window.Path().Length(), ShortestLength(offPath));
}

TEST_F(SolvingWindow, TheHintIsTheFirstMoveOfAShortestSolution) {
  for (int scramble : {5, 9}) {
    const std::string layout = optimal::test::RandomPosition(11, scramble);
    SolverWindow& window = Open(layout);
    Key(Qt::Key_H);
    ASSERT_TRUE(AwaitAnswer());
    const int hint = window.HintMove();
    ASSERT_NE(hint, 0);
    EXPECT_EQ(window.Drum()->MarkedMove(), hint);
    // The hint alone: no solution is shown.
    EXPECT_TRUE(window.Path().Empty());
    EXPECT_EQ(ShortestLength(test::After(layout, hint)), ShortestLength(layout) - 1);
  }
}

TEST_F(SolvingWindow, AddsTheSolutionToTheGamesFileBesideWhatItHolds) {
  tq::test::TempDirectory home;
  setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
  std::filesystem::create_directories(home / "trommelquirl");
  const std::string earlier = std::string(tq::test::OneLeftLayout) + "1\r\n";
  tq::test::WriteWholeFile(home / "trommelquirl/Loesungen.txt", earlier);

  SolverWindow& window = Open(tq::test::TwoLeftLayout);
  SolveHere();
  window.Actions().AddToGame->trigger();
  const std::string expected = earlier + tq::test::TwoLeftLayout + window.Path().Moves() + "\r\n";
  EXPECT_EQ(tq::test::ReadWholeFile(home / "trommelquirl/Loesungen.txt"), expected);
  // The game, reading its file, answers the position at once.
  LoadSolutions();
  EXPECT_EQ(LookupSolution(tq::test::TwoLeftLayout), window.Path().Moves());
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace tq::solver_window
