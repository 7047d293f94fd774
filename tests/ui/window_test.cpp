// MainWindow after start-up: geometry, look, close requests, focus and the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <vector>

#include "model/field.h"
#include "tests/ui/ui_support.h"
#include "ui/qt/images.h"
#include "ui/qt/main_window.h"
#include "ui/qt/result_list.h"
#include "ui/render/field_drawing.h"
#include "ui/window_toolkit.h"

namespace tq {
namespace {

using test::ColourAt;
using test::GrabMainWindow;
using WindowTest = test::ProgramTest;

TEST(CentredPosition, HalvesAreRoundedDownOnTheirOwnAndClampedToTheScreen) {
  EXPECT_EQ(CentredPosition(1920, 1080, 580, 215), QPoint(670, 433));
  EXPECT_EQ(CentredPosition(1025, 769, 580, 215), QPoint(512 - 290, 384 - 107));
  EXPECT_EQ(CentredPosition(400, 200, 580, 215), QPoint(0, 0));
}

TEST_F(WindowTest, OpensFramelessAndCentredWithItsControlsInPlace) {
  ASSERT_NE(MainWindow, nullptr);
  EXPECT_TRUE(MainWindow->isVisible());
  EXPECT_TRUE(MainWindow->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(MainWindow->windowTitle(), "Trommelquirl");
  EXPECT_EQ(MainWindow->cursor().shape(), Qt::ArrowCursor);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(MainWindow->geometry(),
            QRect(screen.topLeft() + CentredPosition(screen.width(), screen.height(), 580, 215), QSize(580, 215)));
  EXPECT_EQ(FieldPicture->geometry(), QRect(0, 0, 180, 215));
  EXPECT_EQ(ResultList->geometry(), QRect(180, 0, 300, 200));
  EXPECT_EQ(SearchProgress->geometry(), QRect(180, 200, 300, 15));
  EXPECT_TRUE(test::ListedLines().empty());
  EXPECT_EQ(test::ShownProgress(), 0);
  EXPECT_EQ(FieldToLayout(), StartLayout);
}

// The desktop matches the window to the launcher entry by this name, and shows this icon.
TEST_F(WindowTest, CarriesTheApplicationIdAndTheIconAtEverySize) {
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.trommelquirl.Trommelquirl");
  const QList<QSize> sizes = MainWindow->windowIcon().availableSizes();
  for (int size : {16, 24, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST_F(WindowTest, ShowsTheFieldImageExactlyAndTheBareStripInButtonFace) {
  const QImage shown = GrabMainWindow();
  const QImage field = ImageAt(FieldImage);
  ASSERT_EQ(field.size(), QSize(180, 215));
  for (int y = 0; y < 215; ++y) {
    for (int x = 0; x < 180; ++x) ASSERT_EQ(ColourAt(shown, x, y), ColourAt(field, x, y)) << x << "," << y;
  }
  const QRgb face = MainWindow->palette().color(QPalette::Button).rgb();
  EXPECT_EQ(shown.pixel(480, 0), face);
  EXPECT_EQ(shown.pixel(579, 214), face);
}

TEST_F(WindowTest, ProgressIsClampedAndOnlyAChangedValueReachesTheBar) {
  SetSearchProgress(666);
  EXPECT_EQ(test::ShownProgress(), 300);
  SetSearchProgress(-5);
  EXPECT_EQ(test::ShownProgress(), 0);
  SetSearchProgress(100);
  EXPECT_EQ(test::ShownProgress(), 100);
  SearchProgress->setValue(7);   // someone else moved the bar...
  SetSearchProgress(100);        // ...an unchanged value does not touch it
  EXPECT_EQ(test::ShownProgress(), 7);
}

TEST_F(WindowTest, IgnoresCloseRequests) {
  EXPECT_FALSE(MainWindow->close());
  MainWindow->windowHandle()->close();
  DrainEventsNow();
  EXPECT_TRUE(MainWindow->isVisible());
}

// Records what reaches the window callback, in place of the program's commands.
std::vector<std::pair<uint32_t, uint32_t>> Offered;
uint32_t RecordingCallback(uint32_t, uint32_t message, uint32_t wParam, uint32_t) {
  Offered.emplace_back(message, wParam);
  if (message == WmLButtonDown) DragMainWindow();
  return NotHandled;
}

class FocusTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Offered.clear();
    InstallWindowCallback(RecordingCallback);
  }
  static size_t KeysOffered() {
    size_t keys = 0;
    for (auto [message, code] : Offered) keys += message == WmKeyDown;
    return keys;
  }
};

TEST_F(FocusTest, TabOnlyEverLeadsToTheListWhichKeepsEveryKey) {
  EXPECT_EQ(QApplication::focusWidget(), MainWindow);
  test::PressKeypad(4);
  EXPECT_EQ(KeysOffered(), 1u);
  test::PressSyntheticKey(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), ResultList);
  test::PressSyntheticKey(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), ResultList);
  test::PressSyntheticKey(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), ResultList);
  test::PressKeypad(4);
  test::PressEscape();
  test::PressSyntheticKey(Qt::Key_8, Qt::KeypadModifier);
  EXPECT_EQ(KeysOffered(), 1u);
}

TEST_F(FocusTest, APressOnThePictureOrTheBareStripGivesTheFocusBack) {
  for (QPoint at : {QPoint(90, 100), QPoint(530, 100)}) {
    ResultList->setFocus();
    Offered.clear();
    test::ClickMainWindow(at);
    EXPECT_EQ(Offered, (std::vector<std::pair<uint32_t, uint32_t>>{{WmLButtonDown, 1}})) << at.x();
    EXPECT_EQ(QApplication::focusWidget(), MainWindow) << at.x();
  }
}

TEST_F(FocusTest, APressOnTheListOrTheBarIsTheirOwn) {
  test::ClickMainWindow(QPoint(300, 100));
  EXPECT_EQ(QApplication::focusWidget(), ResultList);
  test::ClickMainWindow(QPoint(300, 207));
  EXPECT_TRUE(Offered.empty());
}

TEST_F(FocusTest, TheWindowFollowsThePointerWhileTheButtonIsDown) {
  QWindow* window = MainWindow->windowHandle();
  const QPoint start = MainWindow->pos();
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseMove(window, QPoint(70, 50));
  DrainEventsNow();
  EXPECT_EQ(MainWindow->pos(), start + QPoint(50, 30));
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseMove(window, QPoint(100, 100));
  DrainEventsNow();
  EXPECT_EQ(MainWindow->pos(), start + QPoint(50, 30));
}

// A tap (press and release at once, as a touchpad sends it) must not leave a drag behind: the
// window stays where it is when the pointer moves on, and the keys go on acting.
TEST_F(FocusTest, ATapStartsNoDragAndLeavesTheKeysActing) {
  QWindow* window = MainWindow->windowHandle();
  const QPoint start = MainWindow->pos();
  QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseMove(window, QPoint(120, 90));
  DrainEventsNow();
  EXPECT_EQ(MainWindow->pos(), start);
  test::PressKeypad(4);
  EXPECT_EQ(KeysOffered(), 1u);
}

// A hand that trembles while it clicks does not move the window; a move beyond the drag
// distance does; following the pointer itself, the window keeps the pressed point under it.
TEST_F(FocusTest, TheDragBeginsBeyondTheDragDistanceAndKeepsThePressedPoint) {
  QWindow* window = MainWindow->windowHandle();
  const QPoint start = MainWindow->pos();
  const int distance = QGuiApplication::styleHints()->startDragDistance();
  ASSERT_GT(distance, 1);
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseMove(window, QPoint(20 + distance - 1, 20));
  DrainEventsNow();
  EXPECT_EQ(MainWindow->pos(), start);
  QTest::mouseMove(window, QPoint(20 + distance + 5, 20));
  DrainEventsNow();
  EXPECT_EQ(MainWindow->pos(), start + QPoint(distance + 5, 0));
  QTest::mouseMove(window, QPoint(20, 20 + 3));  // relative to the window, which has moved
  DrainEventsNow();
  EXPECT_EQ(MainWindow->pos(), start + QPoint(distance + 5, 3));
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(20, 23));
}

}  // namespace
}  // namespace tq
