// What the session tests share: scrambles with a known way back, a stand-in solver, and the
// invariants every session keeps.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "model/field.h"
#include "model/layout_moves.h"
#include "model/moves.h"
#include "session/solving_session.h"

namespace tq::session::testing {

inline int Inverse(int code) { return code == MoveSlide ? code : code % 2 == 1 ? code + 1 : code - 1; }

// A position `moves` scramble moves from the start, and the scramble undone as its solution:
// each prefix of a scramble is the scramble of fewer moves with the same seed.
inline std::pair<std::string, std::string> Scrambled(uint64_t seed, int moves) {
  std::string layout = StartLayout, solution;
  for (int k = 1; k <= moves; ++k) {
    const std::string next = ScrambledLayout(StartLayout, k, seed);
    int code = MoveUpperRight;
    while (code < MoveSlide && LayoutAfterMove(layout, code) != next) ++code;
    solution.insert(solution.begin(), static_cast<char>('0' + Inverse(code)));
    layout = next;
  }
  return {layout, solution};
}

// Any correct solution serves the session: this solver knows the positions along the solutions
// it learnt and those one move away from them, and "?" for the rest.
class Solver {
 public:
  void Learn(std::string layout, const std::string& moves) {
    for (size_t k = 0; k <= moves.size(); ++k) {
      known_.emplace(layout, moves.substr(k));
      if (k < moves.size()) layout = LayoutAfterMove(layout, moves[k] - '0');
    }
  }
  std::string Solve(const std::string& layout) const {
    for (int code = 0; code <= MoveSlide; ++code) {
      const auto found = known_.find(code == 0 ? layout : LayoutAfterMove(layout, code));
      if (found != known_.end()) return (code == 0 ? "" : std::to_string(code)) + found->second;
    }
    return "?";
  }
  // Answers the session's request, if it has one; true when the answer was taken.
  bool Answer(SolvingSession& session) const {
    const std::optional<SolveRequest> request = session.TakeSolveRequest();
    return request && session.Answer(request->Number, Solve(request->Layout)) == AnswerUse::Taken;
  }

 private:
  std::map<std::string, std::string> known_;
};

inline void ExpectConsistent(const SolvingSession& session) {
  const std::string& layout = session.Layout();
  const bool valid = FindLayoutFault(layout).What == LayoutFault::Kind::None;
  EXPECT_EQ(session.Valid(), valid) << layout;
  EXPECT_EQ(session.Faults().empty(), valid) << layout;
  EXPECT_EQ(session.Solved(), valid && CorrectColumns(FieldOfLayout(layout)) == 5) << layout;
  EXPECT_EQ(session.Path().Empty(), session.Step() < 0) << layout;
  if (session.OnPath()) {
    EXPECT_EQ(session.Path().PositionAt(session.Step()), layout);
    EXPECT_EQ(session.NextMove(), session.Path().MoveAfter(session.Step()));
    EXPECT_EQ(session.AtEnd() && !session.Solved(), false) << layout;
  }
  EXPECT_TRUE(valid || session.WaitingFor() == Waiting::Nothing) << layout;
}

}  // namespace tq::session::testing
