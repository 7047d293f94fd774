// Undo and redo bring back the position with its solution and step; play pauses on any change
// but its own.
#include <algorithm>
#include <random>
#include <vector>

#include "tests/session/session_support.h"

namespace tq::session {
namespace {

struct Shown {
  std::string Layout;
  SolutionPath Path;
  int Step;
  bool operator==(const Shown&) const = default;
};

Shown ShownBy(const SolvingSession& session) { return {session.Layout(), session.Path(), session.Step()}; }

// The position always; its solution at its step when it had one (without one, the session may
// follow a solution that passes there, or ask for one).
void ExpectRestored(const SolvingSession& session, const Shown& recorded) {
  EXPECT_EQ(session.Layout(), recorded.Layout);
  if (!recorded.Path.Empty()) {
    EXPECT_EQ(ShownBy(session), recorded);
  }
}

// Random changes of every kind with every request answered; undo shows what was shown before
// the change it takes back, redo what was shown after it.
TEST(History, UndoAndRedoRestorePositionPathAndStepTogether) {
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    const auto [layout, solution] = testing::Scrambled(seed, 10);
    testing::Solver solver;
    solver.Learn(layout, solution);
    SolvingSession session(layout);
    std::mt19937 random(seed);
    std::vector<Shown> shown = {ShownBy(session)};  // one for each undo step, the current last
    for (int k = 0; k < 80; ++k) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed << " change " << k);
      const uint32_t what = random() % 8;
      bool changed = false;
      if (what < 2) changed = session.Move(static_cast<int>(random() % 5) + 1);
      if (what >= 2 && what < 4) changed = session.StepTo(static_cast<int>(random() % 12));
      if (what == 4) changed = session.Edit(static_cast<int>(random() % 26), static_cast<int>(random() % 7) - 1);
      if (what == 5) session.RequestSolution();
      if (what >= 6) {
        const int back = std::min(static_cast<int>(random() % 4) + 1, static_cast<int>(shown.size()) - 1);
        for (int b = 1; b <= back; ++b) {
          ASSERT_TRUE(session.Undo());
          ExpectRestored(session, shown[shown.size() - 1 - static_cast<size_t>(b)]);
        }
        if (what == 7 && back > 0) {
          solver.Answer(session);
          for (int b = 0; b < back; ++b) ASSERT_TRUE(session.Redo());
          ExpectRestored(session, shown.back());
        } else {
          shown.resize(shown.size() - static_cast<size_t>(back));
        }
        shown.back() = ShownBy(session);
      }
      if (changed) {
        shown.push_back(ShownBy(session));
        EXPECT_FALSE(session.CanRedo()) << "a change forgets what could be redone";
      }
      if (solver.Answer(session)) shown.back() = ShownBy(session);
      EXPECT_EQ(session.CanUndo(), shown.size() > 1);
      testing::ExpectConsistent(session);
    }
  }
}

TEST(History, UndoBringsBackTheSolutionAnEditDropped) {
  const auto [layout, solution] = testing::Scrambled(5, 9);
  testing::Solver solver;
  solver.Learn(layout, solution);
  SolvingSession session(layout);
  session.RequestSolution();
  ASSERT_TRUE(solver.Answer(session));
  ASSERT_TRUE(session.StepTo(4));
  const Shown following = ShownBy(session);
  ASSERT_TRUE(session.Edit(7, session.Layout()[7] == '0' ? 1 : 0));  // a stray click
  EXPECT_TRUE(session.Path().Empty());
  EXPECT_EQ(session.UndoKind(), ChangeKind::Edit);
  ASSERT_TRUE(session.Undo());
  EXPECT_EQ(ShownBy(session), following);
  // Undo onto a position the solution followed now passes keeps following it, without asking.
  SolvingSession away(layout);
  const int move = solution[0] == '5' ? MoveUpperRight : MoveSlide;
  ASSERT_TRUE(away.Move(move));
  away.RequestSolution();
  ASSERT_TRUE(solver.Answer(away));
  ASSERT_TRUE(away.Undo());
  EXPECT_EQ(away.Step(), 1);
  EXPECT_FALSE(away.TakeSolveRequest().has_value());
}

TEST(History, PlayRunsToTheEndAndPausesOnEveryChangeButItsOwn) {
  const auto [layout, solution] = testing::Scrambled(6, 14);
  testing::Solver solver;
  solver.Learn(layout, solution);
  const std::vector<void (*)(SolvingSession&)> interruptions = {
      [](SolvingSession& s) { s.Undo(); },      [](SolvingSession& s) { s.Previous(); },
      [](SolvingSession& s) { s.Next(); },      [](SolvingSession& s) { s.Move(MoveSlide); },
      [](SolvingSession& s) { s.Edit(2, -1); }, [](SolvingSession& s) { s.Scramble(3); },
      [](SolvingSession&) {},  // none: play runs to the end
  };
  for (auto interrupt : interruptions) {
    SolvingSession session(layout);
    EXPECT_FALSE(session.Play()) << "nothing to play without a solution";
    session.RequestSolution();
    ASSERT_TRUE(solver.Answer(session));
    ASSERT_TRUE(session.Play() && session.PlayTick() && session.PlayTick());
    interrupt(session);
    const bool paused = !session.Playing();
    EXPECT_EQ(paused, interrupt != interruptions.back());
    const std::string before = session.Layout();
    int ticks = 0;
    while (session.PlayTick()) ++ticks;
    if (paused) {
      EXPECT_EQ(session.Layout(), before);
      EXPECT_EQ(session.CanRedo(), interrupt == interruptions[0]) << "the undo is kept";
    } else {
      EXPECT_EQ(ticks, session.Path().Length() - 2);
      EXPECT_TRUE(session.AtEnd() && !session.Playing());
      ASSERT_TRUE(session.Play());
      EXPECT_EQ(session.Step(), 0) << "play at the end starts from the start";
    }
  }
}

}  // namespace
}  // namespace tq::session
