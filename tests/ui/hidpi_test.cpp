// The window at device pixel ratio 2: the same picture, drawn at the screen's own resolution.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "model/field.h"
#include "tests/ui/ui_support.h"
#include "ui/drawing.h"
#include "ui/qt/images.h"
#include "ui/qt/main_window.h"
#include "ui/render/field_drawing.h"
#include "ui/window_toolkit.h"

namespace tq {
namespace {

using test::ColourAt;
using HiDpiTest = test::ProgramTest;

constexpr int32_t Black = 0;

// The field as drawn at ratio 1, the picture every ratio is measured against.
QImage FieldAtRatioOne() {
  const qreal ratio = DrawingRatio();
  SetDrawingRatio(1);
  CreateBallImages();
  DrawField();
  QImage field = ImageAt(FieldImage).copy();
  SetDrawingRatio(ratio);
  CreateBallImages();
  return field;
}

// Every device pixel that is not a disc shows what its logical pixel shows at ratio 1: so
// each bar stands at exactly twice its position and is exactly twice as wide.
void ExpectBarsDoubled(const QImage& shown, const QImage& reference) {
  for (int y = 0; y < 2 * reference.height(); ++y) {
    for (int x = 0; x < 2 * reference.width(); ++x) {
      const int32_t want = ColourAt(reference, x / 2, y / 2);
      const int32_t got = ColourAt(shown, x, y);
      if (want == GridColour || got == GridColour) {
        ASSERT_EQ(got, want) << x << "," << y;
      }
    }
  }
}

// The disc in the cell at (left, top), 30 logical pixels square, is round at radius 20 within
// one device pixel: filled wherever a pixel's centre lies 19 from the centre, black beyond 21.
// And its edge is not the ratio-1 disc enlarged: some 2 x 2 block of device pixels on it is
// part disc, part black.
void ExpectRoundDisc(const QImage& shown, int left, int top, int32_t colour) {
  const double centreX = 2 * (left + 15);
  const double centreY = 2 * (top + 15);
  for (int y = 2 * top; y < 2 * (top + 30); ++y) {
    for (int x = 2 * left; x < 2 * (left + 30); ++x) {
      const double distance = std::hypot(x + 0.5 - centreX, y + 0.5 - centreY);
      const int32_t got = ColourAt(shown, x, y);
      const int32_t want = distance <= 19 ? colour : distance >= 21 ? Black : got == colour ? colour : Black;
      ASSERT_EQ(got, want) << x << "," << y;
    }
  }
  int mixedBlocks = 0;
  for (int y = 2 * top; y < 2 * (top + 30); y += 2) {
    for (int x = 2 * left; x < 2 * (left + 30); x += 2) {
      const int32_t corner = ColourAt(shown, x, y);
      mixedBlocks += corner != ColourAt(shown, x + 1, y) || corner != ColourAt(shown, x, y + 1) ||
                     corner != ColourAt(shown, x + 1, y + 1);
    }
  }
  EXPECT_GT(mixedBlocks, 0) << left << "," << top;
}

TEST_F(HiDpiTest, TheWindowKeepsItsSizeAndShowsTheFieldAtTwiceTheResolution) {
  ASSERT_EQ(MainWindow->devicePixelRatioF(), 2);
  EXPECT_EQ(MainWindow->size(), QSize(580, 215));
  const QImage shown = test::GrabMainWindow();
  ASSERT_EQ(shown.size(), QSize(1160, 430));
  const QImage reference = FieldAtRatioOne();
  ExpectBarsDoubled(shown, reference);
  for (int slot = 0; slot < SlotCount; ++slot) {
    const SlotPlace place = SlotTable[slot];
    const int left = 35 * place.Column + 5;
    const int top = 35 * place.Row + 5;
    ExpectRoundDisc(shown, left, top, ColourAt(reference, left + 15, top + 15));
  }
}

// Moving to a screen of another ratio paints the position the picture showed, even while a
// search holds some other position in the Field.
TEST_F(HiDpiTest, AnotherScreensRatioRedrawsTheShownPositionAtThatRatio) {
  test::PressKeypad(4);
  const FieldSlots shown = Field;
  LayoutToField(StartLayout);
  const QImage atOne = RedrawFieldAtRatio(1);
  EXPECT_EQ(atOne.size(), QSize(180, 215));
  EXPECT_EQ(atOne.devicePixelRatio(), 1);
  EXPECT_EQ(FieldToLayout(), StartLayout);
  const QImage atTwo = RedrawFieldAtRatio(2);
  EXPECT_EQ(atTwo.size(), QSize(360, 430));
  // Column 0, row 1 holds the yellow ball the turn brought there.
  EXPECT_EQ(ColourAt(atOne, 20, 55), Rgb(255, 255, 0));
  EXPECT_EQ(ColourAt(atTwo, 40, 110), Rgb(255, 255, 0));
  Field = shown;
  EXPECT_EQ(ColourAt(atTwo, 40, 110), ColourAt(test::GrabMainWindow(), 40, 110));
}

}  // namespace
}  // namespace tq
