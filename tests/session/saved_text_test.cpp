// What is kept between runs reads back the same, and any damage to it still opens a session.
#include <gtest/gtest.h>

#include <random>

#include "model/field.h"
#include "session/solving_session.h"
#include "tests/session/session_support.h"

namespace tq::session {
namespace {

using testing::ExpectConsistent;

void ExpectSameState(const SolvingSession& read, const SolvingSession& saved) {
  EXPECT_EQ(read.Layout(), saved.Layout());
  EXPECT_EQ(read.Path(), saved.Path());
  EXPECT_EQ(read.Step(), saved.Step());
  EXPECT_EQ(read.SavedText(), saved.SavedText());
}

// Sessions in the states a person leaves them in: solved and followed to some step, moved off,
// set up by hand, solved with nothing to do.
std::vector<SolvingSession> Sessions() {
  std::vector<SolvingSession> sessions;
  for (uint64_t seed = 1; seed <= 25; ++seed) {
    const testing::Scrambled scrambled = testing::ScrambledFromStart(seed, static_cast<int>(seed % 13));
    SolvingSession session(scrambled.Layout);
    session.RequestSolution();
    if (const std::optional<SolveRequest> request = session.TakeSolveRequest()) session.Answer(request->Number, scrambled.Solution);
    session.StepTo(static_cast<int>(seed % 5));
    sessions.push_back(session);
    if (seed % 4 == 0) {
      session.Edit(static_cast<int>(seed), -1);
      sessions.push_back(session);
    }
  }
  return sessions;
}

TEST(SavedText, ReadsBackTheSameState) {
  for (const SolvingSession& saved : Sessions()) {
    const std::string text = saved.SavedText();
    EXPECT_EQ(text.rfind("trommelquirl-session 1\n", 0), 0U) << text;
    ExpectSameState(SolvingSession::FromSavedText(text), saved);
    // Line ends written by another system read the same.
    std::string crlf;
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ExpectSameState(SolvingSession::FromSavedText(crlf), saved);
  }
}

TEST(SavedText, ASolutionThatDoesNotHoldFallsBackToThePosition) {
  const testing::Scrambled scrambled = testing::ScrambledFromStart(3, 9);
  const std::string layout = TextOfLayout(scrambled.Layout);
  const std::string head = "trommelquirl-session 1\nlayout " + layout + "\n";
  // Moves that do not solve, a start the moves cannot reach, a step beside the layout.
  for (const std::string& tail : {"solution " + layout + " " + scrambled.Solution.substr(1) + "\nstep 0\n",
                                  std::string("solution 30000_111132222_44443555__ 5\nstep 1\n"),
                                  "solution " + layout + " " + scrambled.Solution + "x\nstep 0\n"}) {
    const SolvingSession read = SolvingSession::FromSavedText(head + tail);
    EXPECT_EQ(read.Layout(), scrambled.Layout) << tail;
    EXPECT_TRUE(read.Path().Empty()) << tail;
  }
  // A damaged step is found again from the layout.
  const SolvingSession stepped = SolvingSession::FromSavedText(head + "solution " + layout + " " + scrambled.Solution + "\nstep 7x\n");
  EXPECT_EQ(stepped.Step(), 0);
  // A foreign text, or one without a layout, opens the start.
  EXPECT_EQ(SolvingSession::FromSavedText("trommelquirl-session 2\nlayout " + layout + "\n").Layout(), StartLayout);
  EXPECT_EQ(SolvingSession::FromSavedText("trommelquirl-session 1\nlayout 12\n").Layout(), StartLayout);
}

TEST(SavedText, SurvivesGarbage) {
  std::mt19937 random(20261209);
  for (const SolvingSession& saved : Sessions()) {
    const std::string text = saved.SavedText();
    for (size_t cut = 0; cut < text.size(); ++cut) ExpectConsistent(SolvingSession::FromSavedText(text.substr(0, cut)));
    for (int flip = 0; flip < 200; ++flip) {
      std::string damaged = text;
      damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
      ExpectConsistent(SolvingSession::FromSavedText(damaged));
    }
  }
  for (int k = 0; k < 500; ++k) {
    std::string bytes(random() % 120, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    if (k % 2 == 0) bytes = "trommelquirl-session 1\n" + bytes;
    ExpectConsistent(SolvingSession::FromSavedText(bytes));
  }
}

}  // namespace
}  // namespace tq::session
