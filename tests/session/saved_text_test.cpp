// What is kept between runs reads back the same, and any damage to it still opens a session.
#include <random>
#include <vector>

#include "tests/session/session_support.h"

namespace tq::session {
namespace {

// Sessions as a person leaves them: followed to some step, solved, set up by hand.
std::vector<SolvingSession> Sessions() {
  std::vector<SolvingSession> sessions;
  for (uint64_t seed = 1; seed <= 25; ++seed) {
    const auto [layout, solution] = testing::Scrambled(seed, static_cast<int>(seed % 13));
    SolvingSession session(layout);
    session.RequestSolution();
    if (const std::optional<SolveRequest> request = session.TakeSolveRequest()) session.Answer(request->Number, solution);
    session.StepTo(static_cast<int>(seed % 5));
    sessions.push_back(session);
    if (session.Edit(static_cast<int>(seed), -1)) sessions.push_back(session);
  }
  return sessions;
}

TEST(SavedText, ReadsBackTheSameStateWhateverTheLineEnds) {
  for (const SolvingSession& saved : Sessions()) {
    std::string crlf;
    for (const char c : saved.SavedText()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {saved.SavedText(), crlf}) {
      const SolvingSession read = SolvingSession::FromSavedText(text);
      EXPECT_EQ(read.Layout(), saved.Layout());
      EXPECT_EQ(read.Path(), saved.Path());
      EXPECT_EQ(read.Step(), saved.Step());
    }
  }
}

TEST(SavedText, FallsBackToWhatHolds) {
  const auto [layout, solution] = testing::Scrambled(3, 9);
  const std::string head = "trommelquirl-session 1\nlayout " + TextOfLayout(layout) + "\n";
  const std::string start = "solution " + TextOfLayout(layout) + " ";
  // Moves that do not solve, a start the moves cannot reach, a bad move: the position alone.
  for (const std::string& tail : {start + solution.substr(1) + "\nstep 0\n", start + solution + "x\nstep 0\n",
                                  std::string("solution 30000_111132222_44443555__ 5\nstep 1\n")}) {
    const SolvingSession read = SolvingSession::FromSavedText(head + tail);
    EXPECT_EQ(read.Layout(), layout);
    EXPECT_TRUE(read.Path().Empty()) << tail;
  }
  EXPECT_EQ(SolvingSession::FromSavedText(head + start + solution + "\nstep 7x\n").Step(), 0) << "found again";
  EXPECT_EQ(SolvingSession::FromSavedText("trommelquirl-session 2\nlayout " + TextOfLayout(layout)).Layout(), StartLayout);
  EXPECT_EQ(SolvingSession::FromSavedText("trommelquirl-session 1\nlayout 12\n").Layout(), StartLayout);
}

TEST(SavedText, SurvivesCutsFlippedBytesAndNoise) {
  std::mt19937 random(20261209);
  for (const SolvingSession& saved : Sessions()) {
    const std::string text = saved.SavedText();
    for (size_t cut = 0; cut < text.size(); ++cut) testing::ExpectConsistent(SolvingSession::FromSavedText(text.substr(0, cut)));
    for (int flip = 0; flip < 200; ++flip) {
      std::string damaged = text;
      damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
      testing::ExpectConsistent(SolvingSession::FromSavedText(damaged));
    }
  }
  for (int k = 0; k < 500; ++k) {
    std::string bytes(random() % 120, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    testing::ExpectConsistent(SolvingSession::FromSavedText(k % 2 == 0 ? "trommelquirl-session 1\n" + bytes : bytes));
  }
}

}  // namespace
}  // namespace tq::session
