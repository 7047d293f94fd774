// The keypad commands through real key events, and the search command with its stop.
#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <functional>
#include <regex>

#include "model/field.h"
#include "model/moves.h"
#include "model/scramble.h"
#include "solver/search.h"
#include "tests/ui/scripted_program.h"
#include "tests/ui/ui_support.h"
#include "ui/qt/images.h"
#include "ui/qt/main_window.h"
#include "ui/drawing.h"
#include "ui/render/field_drawing.h"
#include "ui/window_toolkit.h"

namespace tq {
namespace {

using test::ListedLines;
using test::PressKeypad;
using CommandsTest = test::ProgramTest;

// The layout the model gives for the start position after `moves`.
std::string StartAfter(const std::function<void()>& moves) {
  const FieldSlots saved = Field;
  const int32_t savedSlide = SlideState;
  LayoutToField(StartLayout);
  SlideState = ReadSlideState();
  moves();
  std::string layout = FieldToLayout();
  Field = saved;
  SlideState = savedSlide;
  return layout;
}

void Turn(int ring0, int ring1, int direction) {
  RotateRing(ring0, direction);
  RotateRing(ring1, direction);
}

bool IsTimeLine(const std::string& line) { return std::regex_match(line, std::regex("Time: -?[0-9]+ ms")); }

TEST_F(CommandsTest, EachKeypadMoveChangesTheFieldAsItsMoveDoes) {
  struct Case {
    int digit;
    std::function<void()> move;
  };
  const Case cases[] = {
      {4, [] { Turn(0, 1, -1); }}, {6, [] { Turn(0, 1, +1); }}, {1, [] { Turn(2, 3, -1); }},
      {3, [] { Turn(2, 3, +1); }}, {2, [] { SlideState = SlideColumns(SlideState); }},
  };
  for (const Case& c : cases) {
    PressKeypad(9);
    ASSERT_EQ(FieldToLayout(), StartLayout);
    PressKeypad(c.digit);
    EXPECT_EQ(FieldToLayout(), StartAfter(c.move)) << "keypad " << c.digit;
  }
}

TEST_F(CommandsTest, SlidesOnlyWhereTheColumnsCanGo) {
  PressKeypad(5);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  PressKeypad(2);
  const std::string down = FieldToLayout();
  EXPECT_EQ(SlideState, 1);
  PressKeypad(2);
  EXPECT_EQ(FieldToLayout(), down);
  PressKeypad(5);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  EXPECT_EQ(SlideState, 0);
}

TEST_F(CommandsTest, ScrambleChangesThePositionAndResetRestoresIt) {
  PressKeypad(7);
  EXPECT_NE(FieldToLayout(), StartLayout);
  PressKeypad(9);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  EXPECT_EQ(SlideState, 0);
}

TEST_F(CommandsTest, AutoRepeatRunsTheCommandEachTime) {
  for (int i = 0; i < 4; ++i) test::PressNativeKey(Qt::Key_4, Qt::KeypadModifier, 0xffb4, i > 0);
  EXPECT_NE(FieldToLayout(), StartLayout);
  test::PressNativeKey(Qt::Key_4, Qt::KeypadModifier, 0xffb4, true);
  EXPECT_EQ(FieldToLayout(), StartLayout);
}

TEST_F(CommandsTest, OtherKeysAndTheKeypadWithNumLockOffDoNothing) {
  test::PressNativeKey(Qt::Key_4, Qt::NoModifier, 0x34);               // main keyboard 4
  test::PressNativeKey(Qt::Key_Left, Qt::KeypadModifier, 0xff96);      // keypad 4, Num Lock off
  test::PressNativeKey(Qt::Key_Home, Qt::KeypadModifier, 0xff95);      // keypad 7, Num Lock off
  test::PressNativeKey(Qt::Key_Insert, Qt::KeypadModifier, 0xff9e);    // keypad 0
  test::PressSyntheticKey(Qt::Key_4);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  // Synthetic events carry no keysym; the keypad modifier tells the keypad apart.
  test::PressSyntheticKey(Qt::Key_4, Qt::KeypadModifier);
  EXPECT_EQ(FieldToLayout(), StartAfter([] { Turn(0, 1, -1); }));
}

TEST_F(CommandsTest, SearchOnAPositionWithACorrectColumnOnlyClearsTheList) {
  AddListLine("left over");
  PressKeypad(8);  // all five columns correct
  EXPECT_TRUE(ListedLines().empty());
  PressKeypad(2);  // the long columns slid: only the short ones stay correct
  ASSERT_EQ(IsSolved(), 2);
  AddListLine("left over");
  PressKeypad(8);
  EXPECT_TRUE(ListedLines().empty());
  EXPECT_TRUE(test::ExportedTexts(dataDirectory_).empty());
}

TEST_F(CommandsTest, SearchListsItsLinesTheTimeAndTheResultAndExportsIt) {
  PressKeypad(6);
  PressKeypad(6);
  const std::string before = FieldToLayout();
  PressKeypad(8);
  const std::vector<std::string> lines = ListedLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("Status: 1/100 Time: ", 0), 0u) << lines[0];
  EXPECT_TRUE(IsTimeLine(lines[1])) << lines[1];
  EXPECT_EQ(lines[2], "22");
  EXPECT_EQ(test::ShownProgress(), 0);
  EXPECT_EQ(FieldToLayout(), before);
  EXPECT_EQ(test::ExportedTexts(dataDirectory_), std::vector<std::string>{"22\r\n"});
  // What the picture shows is the position from before the search.
  DrawField();
  const QImage expected = ImageAt(FieldImage);
  EXPECT_EQ(test::GrabMainWindow().copy(0, 0, 180, 215), expected);
}

TEST_F(CommandsTest, DuringASearchOnlyEscapeActsAndStopsIt) {
  LayoutToField(test::LongSearchLayout);
  SlideState = ReadSlideState();
  ASSERT_EQ(IsSolved(), 0);
  bool triedKeys = false;
  std::string heldLayout;
  QTimer::singleShot(100, [&] {
    // Nested inside the search: nothing may change the Field or start a second search.
    triedKeys = SolverRunning.load() != 0;
    heldLayout = FieldToLayout();
    const int32_t heldSlide = SlideState;
    for (int digit : {4, 6, 1, 3, 2, 5, 7, 9, 8}) PressKeypad(digit);
    EXPECT_EQ(FieldToLayout(), heldLayout);
    EXPECT_EQ(SlideState, heldSlide);
    test::PressEscape();
  });
  PressKeypad(8);
  EXPECT_TRUE(triedKeys);
  const std::vector<std::string> lines = ListedLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_TRUE(IsTimeLine(lines[lines.size() - 2])) << lines[lines.size() - 2];
  EXPECT_EQ(lines.back(), "No Result");
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), IsTimeLine), 1);
  EXPECT_EQ(FieldToLayout(), test::LongSearchLayout);
  EXPECT_EQ(test::ShownProgress(), 0);
  EXPECT_EQ(test::ExportedTexts(dataDirectory_), std::vector<std::string>{"No Result\r\n"});
  // The stop thread takes its request back once it has seen the search end.
  AwaitStopTakenBack(std::chrono::seconds(2));
  EXPECT_EQ(StopRequested.load(), 0);
  EXPECT_TRUE(MainWindow->isVisible());
}

}  // namespace
}  // namespace tq
