// Solving and following: every step replays to solved, a move off the path asks again, and only
// the newest answer for the position shown counts.
#include "tests/session/session_support.h"

namespace tq::session {
namespace {

using testing::ExpectConsistent;

// A session on `layout` showing `solution` at step 0.
SolvingSession SolvedBy(const std::string& layout, const std::string& solution) {
  SolvingSession session(layout);
  EXPECT_TRUE(session.RequestSolution());
  const std::optional<SolveRequest> request = session.TakeSolveRequest();
  EXPECT_FALSE(session.TakeSolveRequest().has_value()) << "a request is taken once";
  EXPECT_EQ(session.Answer(request->Number, solution), AnswerUse::Taken);
  EXPECT_FALSE(session.RequestSolution()) << "the drum shows the solution's start already";
  return session;
}

TEST(Following, EveryStepShowsThePathAndTheEndIsSolved) {
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    const auto [layout, solution] = testing::Scrambled(seed, static_cast<int>(seed % 17));
    SolvingSession session = SolvedBy(layout, solution);
    ASSERT_EQ(session.Path().Length(), static_cast<int>(solution.size()));
    while (!session.AtEnd()) {
      const int move = session.NextMove();
      const std::string expected = LayoutAfterMove(session.Layout(), move);
      ASSERT_TRUE(session.Next());
      EXPECT_EQ(session.Layout(), expected);
      EXPECT_EQ(session.LastMove(), move);
      ExpectConsistent(session);
    }
    EXPECT_TRUE(session.Solved());
    EXPECT_FALSE(session.Next());
    session.First();
    EXPECT_EQ(session.Layout(), layout);
  }
}

// A move off the path, or any move while a solution is awaited, asks for the new position; an
// edit asks nothing. Answers to the requests before are stale, also after undo.
TEST(Following, AChangeMakesEarlierAnswersStale) {
  for (uint64_t seed = 100; seed < 120; ++seed) {
    const auto [layout, solution] = testing::Scrambled(seed, 12);
    testing::Solver solver;
    solver.Learn(layout, solution);
    for (const int how : {0, 1, 2}) {
      SolvingSession session(layout);
      session.RequestSolution();
      const SolveRequest first = *session.TakeSolveRequest();
      if (how == 0) {
        ASSERT_EQ(session.Answer(first.Number, solution), AnswerUse::Taken);
        ASSERT_TRUE(session.Next());
      }
      int code = MoveUpperRight;  // a move that leaves the path
      while (session.Path().StepOf(LayoutAfterMove(session.Layout(), code), 1) >= 0) ++code;
      ASSERT_TRUE(how == 2 ? session.Edit(2, -1) : session.Move(code));
      const std::optional<SolveRequest> second = session.TakeSolveRequest();
      ASSERT_EQ(second.has_value(), how != 2);
      EXPECT_EQ(session.Answer(first.Number, solution), AnswerUse::Stale);
      if (second) {
        EXPECT_GT(second->Number, first.Number);
        EXPECT_EQ(second->Layout, session.Layout());
        EXPECT_EQ(session.Answer(second->Number, solver.Solve(second->Layout)), AnswerUse::Taken);
        EXPECT_EQ(session.Answer(second->Number, solver.Solve(second->Layout)), AnswerUse::Stale) << "twice";
      }
      ExpectConsistent(session);
    }
  }
}

TEST(Following, AnswersThatDoNotSolveAreRefusedAndEndTheWait) {
  const auto [layout, solution] = testing::Scrambled(8, 10);
  for (const std::string& wrong : {solution.substr(1), std::string("9"), solution + "x", std::string()}) {
    SolvingSession session(layout);
    session.RequestSolution();
    EXPECT_EQ(session.Answer(session.TakeSolveRequest()->Number, wrong), AnswerUse::Refused) << wrong;
    EXPECT_EQ(session.WaitingFor(), Waiting::Nothing);
    EXPECT_TRUE(session.Path().Empty());
  }
  SolvingSession failed(layout);
  failed.RequestSolution();
  failed.AnswerFailed(failed.TakeSolveRequest()->Number);
  EXPECT_EQ(failed.WaitingFor(), Waiting::Nothing);
}

TEST(Following, HintsComeFromThePathOrFromARequest) {
  const auto [layout, solution] = testing::Scrambled(9, 8);
  SolvingSession session(layout);
  ASSERT_TRUE(session.RequestHint());
  EXPECT_EQ(session.WaitingFor(), Waiting::Hint);
  ASSERT_EQ(session.Answer(session.TakeSolveRequest()->Number, solution), AnswerUse::Taken);
  EXPECT_EQ(session.NextMove(), solution[0] - '0');
  EXPECT_TRUE(session.Path().Empty()) << "a hint shows no solution";
  ASSERT_TRUE(session.Move(session.HintMove()));
  EXPECT_EQ(session.HintMove(), 0) << "a hint belongs to its position";
  SolvingSession solved = SolvedBy(layout, solution);
  ASSERT_TRUE(solved.RequestHint());
  EXPECT_FALSE(solved.TakeSolveRequest().has_value()) << "on the path a hint needs no solver";
  EXPECT_EQ(solved.HintMove(), solution[0] - '0');
}

TEST(Following, LayoutsTheMovesCannotReachAskNothing) {
  SolvingSession session("30000 111132222 44443555 5");
  EXPECT_FALSE(session.RequestSolution() || session.RequestHint() || session.Move(MoveSlide));
  EXPECT_FALSE(session.TakeSolveRequest().has_value());
  EXPECT_EQ(SolvingSession("garbage").Layout(), StartLayout);
  EXPECT_EQ(SolvingSession("30000_111132222_444435555_").Layout(), StartLayout);
}

}  // namespace
}  // namespace tq::session
