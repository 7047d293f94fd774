// What the session tests share: scrambled positions with a known way back, a stand-in solver,
// and the session's invariants.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "session/solving_session.h"

namespace tq::session::testing {

// A position some random moves from the start and moves that solve it (the scramble undone).
struct Scrambled {
  std::string Layout;
  std::string Solution;
};
Scrambled ScrambledFromStart(uint64_t seed, int moves);

// The move code that undoes `code`: a turn the other way, a slide back.
int Inverse(int code);

// Answers for positions whose solution it has learnt, and for those one move away from them:
// any correct solution serves, the session does not need a shortest one.
class KnownSolutions {
 public:
  void Learn(const std::string& layout, const std::string& moves);
  // A solution of `layout`, or "?" when none is known.
  std::string Solve(const std::string& layout) const;
  // Passes the session's request on, if any, and gives the answer back; false without one.
  bool AnswerRequest(SolvingSession& session) const;

 private:
  std::map<std::string, std::string> known_;
};

// The invariants every session keeps, whatever happened: checked with gtest expectations.
void ExpectConsistent(const SolvingSession& session);

}  // namespace tq::session::testing
