// Undo and redo bring back the position with its solution and step; play pauses on any change
// but its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "model/field.h"
#include "model/layout_moves.h"
#include "model/moves.h"
#include "session/solving_session.h"
#include "tests/session/session_support.h"

namespace tq::session {
namespace {

using testing::ExpectConsistent;
using testing::KnownSolutions;

struct Shown {
  std::string Layout;
  SolutionPath Path;
  int Step;
  bool operator==(const Shown&) const = default;
};

Shown ShownBy(const SolvingSession& session) { return {session.Layout(), session.Path(), session.Step()}; }

// What an undo or a redo must show again: the position, and its solution at its step when it
// had one. (Without one, the session may follow a solution that passes there, or ask for one.)
void ExpectRestored(const SolvingSession& session, const Shown& recorded, uint32_t seed, int change) {
  if (recorded.Path.Empty()) {
    EXPECT_EQ(session.Layout(), recorded.Layout) << "seed " << seed << " change " << change;
  } else {
    EXPECT_EQ(ShownBy(session), recorded) << "seed " << seed << " change " << change;
  }
}

// Random changes of every kind, answering every request; each undo must show what was shown
// before the change it takes back, and each redo what was shown after it.
TEST(History, UndoAndRedoRestorePositionPathAndStepTogether) {
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    const testing::Scrambled scrambled = testing::ScrambledFromStart(seed, 10);
    KnownSolutions solver;
    solver.Learn(scrambled.Layout, scrambled.Solution);
    SolvingSession session(scrambled.Layout);
    std::mt19937 random(seed);
    std::vector<Shown> shown = {ShownBy(session)};  // what each undo step shows, oldest first
    for (int k = 0; k < 80; ++k) {
      const uint32_t what = random() % 10;
      bool changed = false;
      if (what < 3) {
        changed = session.Move(static_cast<int>(random() % 5) + 1);
      } else if (what < 6) {
        changed = session.StepTo(static_cast<int>(random() % 12));
      } else if (what == 6) {
        changed = session.Edit(static_cast<int>(random() % 26), static_cast<int>(random() % 7) - 1);
      } else if (what == 7) {
        session.RequestSolution();
      } else if (what == 8) {
        // Several steps back and forward again.
        const int back = std::min(static_cast<int>(random() % 4) + 1, static_cast<int>(shown.size()) - 1);
        for (int b = 1; b <= back; ++b) {
          ASSERT_TRUE(session.Undo());
          ExpectRestored(session, shown[shown.size() - 1 - static_cast<size_t>(b)], seed, k);
        }
        for (int b = 0; b < back; ++b) ASSERT_TRUE(session.Redo());
        if (back > 0) ExpectRestored(session, shown.back(), seed, k);
        EXPECT_FALSE(session.CanRedo());
        shown.back() = ShownBy(session);
      } else if (session.Undo()) {
        shown.pop_back();
        ExpectRestored(session, shown.back(), seed, k);
        shown.back() = ShownBy(session);
        solver.AnswerRequest(session);
        ASSERT_TRUE(session.Redo());
        changed = true;
      }
      if (changed) shown.push_back(ShownBy(session));
      EXPECT_EQ(session.CanUndo(), shown.size() > 1);
      // Answers come after the history took the change: they change the state shown now.
      if (solver.AnswerRequest(session)) shown.back() = ShownBy(session);
      ExpectConsistent(session);
    }
  }
}

TEST(History, UndoOfAnEditThatDroppedTheSolutionBringsItBackAtItsStep) {
  const testing::Scrambled scrambled = testing::ScrambledFromStart(5, 9);
  KnownSolutions solver;
  solver.Learn(scrambled.Layout, scrambled.Solution);
  SolvingSession session(scrambled.Layout);
  session.RequestSolution();
  ASSERT_TRUE(solver.AnswerRequest(session));
  ASSERT_TRUE(session.StepTo(4));
  const Shown following = ShownBy(session);
  // A stray click: a ball of another colour.
  const int value = session.Layout()[7] == '0' ? 1 : 0;
  ASSERT_TRUE(session.Edit(7, value));
  EXPECT_TRUE(session.Path().Empty());
  EXPECT_FALSE(session.Valid());
  EXPECT_EQ(session.UndoKind(), ChangeKind::Edit);
  ASSERT_TRUE(session.Undo());
  EXPECT_EQ(ShownBy(session), following);
  ASSERT_TRUE(session.Redo());
  EXPECT_TRUE(session.Path().Empty());
  ASSERT_TRUE(session.Undo());
  EXPECT_TRUE(session.Next());
  EXPECT_EQ(session.Step(), 5);
  EXPECT_FALSE(session.CanRedo()) << "a new change forgets what could be redone";
}

TEST(History, UndoToAPositionOnTheSolutionFollowedKeepsFollowingIt) {
  const testing::Scrambled scrambled = testing::ScrambledFromStart(12, 9);
  KnownSolutions solver;
  solver.Learn(scrambled.Layout, scrambled.Solution);
  SolvingSession session(scrambled.Layout);
  // A move away first, then a solution that leads back through the position moved from.
  const int away = scrambled.Solution[0] == '5' ? MoveUpperRight : MoveSlide;
  ASSERT_TRUE(session.Move(away));
  ASSERT_TRUE(session.RequestSolution());
  ASSERT_TRUE(solver.AnswerRequest(session));
  ASSERT_EQ(session.Path().MoveAfter(0), testing::Inverse(away));
  ASSERT_TRUE(session.Undo());
  EXPECT_EQ(session.Layout(), scrambled.Layout);
  EXPECT_EQ(session.Step(), 1);
  EXPECT_FALSE(session.TakeSolveRequest().has_value()) << "no need to ask: the solution passes here";
}

TEST(History, PlayPausesOnEveryChangeButItsOwn) {
  const testing::Scrambled scrambled = testing::ScrambledFromStart(6, 14);
  KnownSolutions solver;
  solver.Learn(scrambled.Layout, scrambled.Solution);
  const std::vector<void (*)(SolvingSession&)> interruptions = {
      [](SolvingSession& s) { s.Undo(); },       [](SolvingSession& s) { s.Previous(); },
      [](SolvingSession& s) { s.Next(); },       [](SolvingSession& s) { s.Move(MoveSlide); },
      [](SolvingSession& s) { s.Edit(2, -1); },  [](SolvingSession& s) { s.Reset(); },
      [](SolvingSession& s) { s.Scramble(3); },  [](SolvingSession& s) { s.Paste(StartLayout); },
  };
  for (auto interrupt : interruptions) {
    SolvingSession session(scrambled.Layout);
    session.RequestSolution();
    ASSERT_TRUE(solver.AnswerRequest(session));
    ASSERT_TRUE(session.Play());
    ASSERT_TRUE(session.PlayTick());
    ASSERT_TRUE(session.PlayTick());
    EXPECT_TRUE(session.Playing());
    interrupt(session);
    EXPECT_FALSE(session.Playing());
    const std::string layout = session.Layout();
    const bool couldRedo = session.CanRedo();
    EXPECT_FALSE(session.PlayTick()) << "a tick after a pause does nothing";
    EXPECT_EQ(session.Layout(), layout);
    EXPECT_EQ(session.CanRedo(), couldRedo) << "the undo is kept";
  }
}

TEST(History, PlayRunsToTheEndAndStopsThere) {
  const testing::Scrambled scrambled = testing::ScrambledFromStart(4, 11);
  KnownSolutions solver;
  solver.Learn(scrambled.Layout, scrambled.Solution);
  SolvingSession session(scrambled.Layout);
  EXPECT_FALSE(session.Play()) << "nothing to play without a solution";
  session.RequestSolution();
  ASSERT_TRUE(solver.AnswerRequest(session));
  ASSERT_TRUE(session.Play());
  int ticks = 0;
  while (session.PlayTick()) ++ticks;
  EXPECT_EQ(ticks, session.Path().Length());
  EXPECT_TRUE(session.AtEnd());
  EXPECT_TRUE(session.Solved());
  EXPECT_FALSE(session.Playing());
  // Play at the end starts again from the start.
  ASSERT_TRUE(session.Play());
  EXPECT_EQ(session.Step(), 0);
  EXPECT_TRUE(session.Playing());
}

}  // namespace
}  // namespace tq::session
