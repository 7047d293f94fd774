// Scrambles with a known way back, a stand-in solver and the session's invariants.
#include "tests/session/session_support.h"

#include <gtest/gtest.h>

#include "model/field.h"
#include "model/layout_check.h"
#include "model/layout_moves.h"
#include "model/moves.h"

namespace tq::session::testing {

int Inverse(int code) {
  switch (code) {
    case MoveUpperRight: return MoveUpperLeft;
    case MoveUpperLeft: return MoveUpperRight;
    case MoveLowerRight: return MoveLowerLeft;
    case MoveLowerLeft: return MoveLowerRight;
    default: return code;
  }
}

Scrambled ScrambledFromStart(uint64_t seed, int moves) {
  // Each prefix of a scramble is the scramble of fewer moves with the same seed: the moves are
  // read off one prefix after the other.
  Scrambled scrambled{StartLayout, ""};
  for (int k = 1; k <= moves; ++k) {
    const std::string next = ScrambledLayout(StartLayout, k, seed);
    int code = MoveUpperRight;
    while (code <= MoveSlide && LayoutAfterMove(scrambled.Layout, code) != next) ++code;
    EXPECT_LE(code, MoveSlide) << "a scramble of " << k << " moves is no move from that of " << k - 1;
    scrambled.Solution.insert(scrambled.Solution.begin(), static_cast<char>('0' + Inverse(code)));
    scrambled.Layout = next;
  }
  return scrambled;
}

void KnownSolutions::Learn(const std::string& layout, const std::string& moves) {
  std::string position = layout;
  for (size_t k = 0; k <= moves.size(); ++k) {
    known_.emplace(position, moves.substr(k));
    if (k < moves.size()) position = LayoutAfterMove(position, moves[k] - '0');
  }
}

std::string KnownSolutions::Solve(const std::string& layout) const {
  if (const auto found = known_.find(layout); found != known_.end()) return found->second;
  for (int code = MoveUpperRight; code <= MoveSlide; ++code) {
    const auto next = known_.find(LayoutAfterMove(layout, code));
    if (next != known_.end()) return static_cast<char>('0' + code) + next->second;
  }
  return "?";
}

bool KnownSolutions::AnswerRequest(SolvingSession& session) const {
  const std::optional<SolveRequest> request = session.TakeSolveRequest();
  if (!request) return false;
  EXPECT_EQ(request->Layout, session.Layout());
  return session.Answer(request->Number, Solve(request->Layout)) == AnswerUse::Taken;
}

void ExpectConsistent(const SolvingSession& session) {
  const std::string& layout = session.Layout();
  const bool valid = FindLayoutFault(layout).What == LayoutFault::Kind::None;
  EXPECT_EQ(session.Valid(), valid) << layout;
  EXPECT_EQ(session.Faults().empty(), valid) << layout;
  EXPECT_EQ(session.Path().Empty(), session.Step() < 0) << layout;
  if (session.Step() >= 0) {
    EXPECT_EQ(session.Path().PositionAt(session.Step()), layout);
    EXPECT_EQ(session.NextMove(), session.Path().MoveAfter(session.Step()));
    EXPECT_EQ(session.AtEnd(), session.Step() == session.Path().Length());
  }
  if (session.AtEnd()) {
    EXPECT_TRUE(session.Solved()) << layout;
  }
  EXPECT_EQ(session.Solved(), valid && CorrectColumns(FieldOfLayout(layout)) == 5) << layout;
  if (!valid) {
    EXPECT_EQ(session.WaitingFor(), Waiting::Nothing) << layout;
  }
}

}  // namespace tq::session::testing
