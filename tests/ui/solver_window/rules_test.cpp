// The window's plain rules: layouts read in both spellings, and keypad keys with Num Lock on
// and off.
#include <gtest/gtest.h>

#include <string>

#include "model/field.h"
#include "model/moves.h"
#include "tests/support/positions.h"
#include "ui/solver_window/keypad.h"
#include "session/solving_session.h"
#include "ui/solver_window/layout_text.h"

namespace tq::solver_window {
namespace {

using Kind = LayoutFault::Kind;

TEST(LayoutText, ReadsBothSpellingsAndCopiesTheUnderscoreOne) {
  const std::string underscored = "30000_111132222_444435555_";
  EXPECT_EQ(CopiedLayout(StartLayout), underscored);
  for (const std::string& text : {StartLayout, underscored, underscored + "\n", StartLayout + "\r\n"}) {
    const LayoutText read = ReadLayoutText(text);
    EXPECT_EQ(read.Layout, StartLayout) << '"' << text << '"';
    EXPECT_EQ(read.Fault.What, Kind::None);
  }
  // A layout that ends in an empty slot keeps it: only line ends are dropped.
  EXPECT_EQ(ReadLayoutText(" 300001111 322224444 35555").Layout, " 300001111 322224444 35555");
}

TEST(LayoutText, RefusesWhatIsNoLayoutButTakesOneThatCannotBeSolvedYet) {
  for (const std::string& garbage : {std::string(), std::string("hello"), StartLayout + "0", StartLayout.substr(1),
                                     std::string("30000_111132222_44443555x_"), std::string("30000\t111132222 444435555 ")}) {
    const LayoutText read = ReadLayoutText(garbage);
    EXPECT_TRUE(read.Refused()) << '"' << garbage << '"';
    EXPECT_EQ(read.Layout, "");
  }
  EXPECT_EQ(ReadLayoutText("30000_111132222_44443555x_").Fault.Position, 25);
  // Set up by hand, a position may hold a ball too many for a while: taken, with its fault.
  const LayoutText counts = ReadLayoutText("30001_111132222_444435555_");
  EXPECT_FALSE(counts.Refused());
  EXPECT_EQ(counts.Fault.What, Kind::ColourCount);
  EXPECT_EQ(counts.Fault.Colour, 0);
  EXPECT_EQ(counts.Fault.Count, 3);
}

TEST(Keypad, MovesWithNumLockOnAndOffButNotFromTheCursorKeys) {
  const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
  const struct {
    int NumLockOn, NumLockOff;
    KeypadMove Move;
  } keys[] = {{Qt::Key_4, Qt::Key_Left, KeypadMove::UpperLeft},   {Qt::Key_6, Qt::Key_Right, KeypadMove::UpperRight},
              {Qt::Key_1, Qt::Key_End, KeypadMove::LowerLeft},    {Qt::Key_3, Qt::Key_PageDown, KeypadMove::LowerRight},
              {Qt::Key_2, Qt::Key_Down, KeypadMove::SlideDown},   {Qt::Key_5, Qt::Key_Clear, KeypadMove::SlideUp}};
  for (const auto& key : keys) {
    EXPECT_EQ(KeypadMoveOf(key.NumLockOn, keypad), key.Move);
    EXPECT_EQ(KeypadMoveOf(key.NumLockOff, keypad), key.Move);
    // The same keys off the keypad follow the solution or type colours instead.
    EXPECT_EQ(KeypadMoveOf(key.NumLockOn, Qt::NoModifier), KeypadMove::None);
    EXPECT_EQ(KeypadMoveOf(key.NumLockOff, Qt::NoModifier), KeypadMove::None);
    EXPECT_EQ(KeypadMoveOf(key.NumLockOn, keypad | Qt::ControlModifier), KeypadMove::None);
  }
  EXPECT_EQ(KeypadMoveOf(Qt::Key_8, keypad), KeypadMove::None);
}

TEST(Keypad, SlidesOnlyTheWayTheColumnsCanGo) {
  EXPECT_EQ(MoveCodeOf(KeypadMove::SlideDown, true), MoveSlide);
  EXPECT_EQ(MoveCodeOf(KeypadMove::SlideDown, false), 0);
  EXPECT_EQ(MoveCodeOf(KeypadMove::SlideUp, false), MoveSlide);
  EXPECT_EQ(MoveCodeOf(KeypadMove::SlideUp, true), 0);
  EXPECT_TRUE(session::SolvingSession(StartLayout).LongColumnsUp());
  EXPECT_FALSE(session::SolvingSession(session::SolutionPath(StartLayout, "5").PositionAt(1)).LongColumnsUp());
}

}  // namespace
}  // namespace tq::solver_window
