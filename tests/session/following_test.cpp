// Solving and following: every step replays to solved, a move off the path asks again, and only
// the newest answer for the position shown counts.
#include <gtest/gtest.h>

#include "model/field.h"
#include "model/layout_moves.h"
#include "model/moves.h"
#include "session/solving_session.h"
#include "tests/session/session_support.h"

namespace tq::session {
namespace {

using testing::ExpectConsistent;
using testing::KnownSolutions;
using testing::ScrambledFromStart;

// A session on a scrambled position with its solution shown at step 0.
SolvingSession Solved(const testing::Scrambled& scrambled) {
  SolvingSession session(scrambled.Layout);
  EXPECT_TRUE(session.RequestSolution());
  const std::optional<SolveRequest> request = session.TakeSolveRequest();
  EXPECT_TRUE(request.has_value());
  EXPECT_FALSE(session.TakeSolveRequest().has_value()) << "a request is taken once";
  EXPECT_EQ(session.Answer(request->Number, scrambled.Solution), AnswerUse::Taken);
  EXPECT_FALSE(session.RequestSolution()) << "the drum shows the solution's start already";
  EXPECT_FALSE(session.TakeSolveRequest().has_value());
  return session;
}

TEST(Following, EveryStepShowsThePathAndTheEndIsSolved) {
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    const testing::Scrambled scrambled = ScrambledFromStart(seed, static_cast<int>(seed % 17));
    SolvingSession session = Solved(scrambled);
    ASSERT_EQ(session.Path().Length(), static_cast<int>(scrambled.Solution.size()));
    EXPECT_EQ(session.Step(), 0);
    while (!session.AtEnd()) {
      const int move = session.NextMove();
      const std::string expected = LayoutAfterMove(session.Layout(), move);
      ASSERT_TRUE(session.Next());
      EXPECT_EQ(session.Layout(), expected);
      EXPECT_EQ(session.LastMove(), move);
      ExpectConsistent(session);
    }
    EXPECT_TRUE(session.Solved());
    EXPECT_EQ(session.NextMove(), 0);
    EXPECT_FALSE(session.Next());
    // Backwards to the start and straight to the end again.
    EXPECT_TRUE(session.First() || session.Path().Length() == 0);
    EXPECT_EQ(session.Layout(), scrambled.Layout);
    EXPECT_TRUE(session.Last() || session.Path().Length() == 0);
    EXPECT_TRUE(session.AtEnd());
  }
}

TEST(Following, AMoveOffThePathAsksAgainAndOldAnswersAreStale) {
  for (uint64_t seed = 100; seed < 120; ++seed) {
    const testing::Scrambled scrambled = ScrambledFromStart(seed, 12);
    KnownSolutions solver;
    solver.Learn(scrambled.Layout, scrambled.Solution);
    SolvingSession session(scrambled.Layout);
    ASSERT_TRUE(session.RequestSolution());
    const SolveRequest first = *session.TakeSolveRequest();
    ASSERT_EQ(session.Answer(first.Number, scrambled.Solution), AnswerUse::Taken);
    ASSERT_TRUE(session.Next());
    // A move that is not the path's: the first of the other four that leaves it.
    int code = 1;
    while (session.Path().StepOf(LayoutAfterMove(session.Layout(), code), 1) >= 0) ++code;
    ASSERT_TRUE(session.Move(code));
    EXPECT_FALSE(session.OnPath());
    EXPECT_EQ(session.WaitingFor(), Waiting::Solution);
    const SolveRequest second = *session.TakeSolveRequest();
    EXPECT_GT(second.Number, first.Number);
    EXPECT_EQ(second.Layout, session.Layout());
    EXPECT_EQ(session.Answer(first.Number, scrambled.Solution), AnswerUse::Stale);
    EXPECT_EQ(session.WaitingFor(), Waiting::Solution);
    EXPECT_EQ(session.Answer(second.Number, solver.Solve(second.Layout)), AnswerUse::Taken);
    EXPECT_EQ(session.Step(), 0);
    EXPECT_EQ(session.Answer(second.Number, solver.Solve(second.Layout)), AnswerUse::Stale) << "answered twice";
    ExpectConsistent(session);
  }
}

TEST(Following, AnAnswerAfterThePositionChangedIsStale) {
  const testing::Scrambled scrambled = testing::ScrambledFromStart(7, 10);
  // A move while the solution is awaited asks for the new position instead; an edit asks nothing.
  for (const bool byMove : {true, false}) {
    SolvingSession session(scrambled.Layout);
    ASSERT_TRUE(session.RequestSolution());
    const SolveRequest request = *session.TakeSolveRequest();
    ASSERT_TRUE(byMove ? session.Move(MoveSlide) : session.Edit(2, -1));
    const std::optional<SolveRequest> again = session.TakeSolveRequest();
    EXPECT_EQ(again.has_value(), byMove);
    if (again) {
      EXPECT_GT(again->Number, request.Number);
      EXPECT_EQ(again->Layout, session.Layout());
    }
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.Layout(), scrambled.Layout);
    EXPECT_EQ(session.Answer(request.Number, scrambled.Solution), AnswerUse::Stale);
    EXPECT_TRUE(session.Path().Empty());
    ExpectConsistent(session);
  }
}

TEST(Following, AnswersThatDoNotSolveAreRefusedAndEndTheWait) {
  const testing::Scrambled scrambled = ScrambledFromStart(8, 10);
  for (const std::string& wrong : {scrambled.Solution.substr(1), std::string("9"), scrambled.Solution + "x", std::string()}) {
    SolvingSession session(scrambled.Layout);
    ASSERT_TRUE(session.RequestSolution());
    const SolveRequest request = *session.TakeSolveRequest();
    EXPECT_EQ(session.Answer(request.Number, wrong), AnswerUse::Refused) << wrong;
    EXPECT_EQ(session.WaitingFor(), Waiting::Nothing);
    EXPECT_TRUE(session.Path().Empty());
  }
  SolvingSession failed(scrambled.Layout);
  ASSERT_TRUE(failed.RequestSolution());
  failed.AnswerFailed(failed.TakeSolveRequest()->Number);
  EXPECT_EQ(failed.WaitingFor(), Waiting::Nothing);
}

TEST(Following, HintsComeFromThePathOrFromARequest) {
  const testing::Scrambled scrambled = ScrambledFromStart(9, 8);
  SolvingSession session(scrambled.Layout);
  ASSERT_TRUE(session.RequestHint());
  const SolveRequest request = *session.TakeSolveRequest();
  EXPECT_EQ(session.WaitingFor(), Waiting::Hint);
  ASSERT_EQ(session.Answer(request.Number, scrambled.Solution), AnswerUse::Taken);
  EXPECT_EQ(session.HintMove(), scrambled.Solution[0] - '0');
  EXPECT_EQ(session.NextMove(), session.HintMove());
  EXPECT_TRUE(session.Path().Empty()) << "a hint shows no solution";
  ASSERT_TRUE(session.Move(session.HintMove()));
  EXPECT_EQ(session.HintMove(), 0) << "a hint belongs to the position it was given for";
  // On the path a hint needs no solver.
  SolvingSession solved = Solved(scrambled);
  ASSERT_TRUE(solved.RequestHint());
  EXPECT_FALSE(solved.TakeSolveRequest().has_value());
  EXPECT_EQ(solved.HintMove(), scrambled.Solution[0] - '0');
}

TEST(Following, NothingIsAskedForALayoutTheMovesCannotReach) {
  SolvingSession session("30000 111132222 44443555 5");
  EXPECT_FALSE(session.Valid());
  EXPECT_FALSE(session.RequestSolution());
  EXPECT_FALSE(session.RequestHint());
  EXPECT_FALSE(session.Move(MoveSlide));
  EXPECT_FALSE(session.TakeSolveRequest().has_value());
  // A layout that is no layout at all opens the start.
  EXPECT_EQ(SolvingSession("garbage").Layout(), StartLayout);
  EXPECT_EQ(SolvingSession("30000_111132222_444435555_").Layout(), StartLayout);
}

}  // namespace
}  // namespace tq::session
