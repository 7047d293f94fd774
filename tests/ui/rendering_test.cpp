// The ball images and the field picture, pixel for pixel.
#include <gtest/gtest.h>

#include "model/field.h"
#include "model/moves.h"
#include "tests/ui/ui_support.h"
#include "ui/drawing.h"
#include "ui/qt/images.h"
#include "ui/render/field_drawing.h"

namespace tq {
namespace {

using test::ColourAt;

constexpr int32_t Black = 0;
constexpr int32_t DarkGrey = Rgb(50, 50, 50);
constexpr int32_t Blue = Rgb(0, 0, 255);
constexpr int32_t Yellow = Rgb(255, 255, 0);
constexpr int32_t Orange = Rgb(255, 127, 0);
constexpr int32_t Grey = Rgb(100, 100, 100);
constexpr int32_t Green = Rgb(0, 192, 0);
constexpr int32_t Red = Rgb(255, 0, 0);

class Rendering : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseImages();
    FieldWidth = 180;
    FieldHeight = 215;
    SetBallColours();
    ASSERT_EQ(CreateBallImages(), 1);
    LayoutToField(StartLayout);
    SlideState = ReadSlideState();
  }
  static QImage Drawn() {
    DrawField();
    return ImageAt(FieldImage);
  }
  static int32_t BallAt(const QImage& field, int column, int row) {
    return ColourAt(field, 35 * column + 20, 35 * row + 20);
  }
};

// FNV-1a over the colours of every pixel, row by row: a change of any pixel changes it.
uint64_t Fingerprint(const QImage& image) {
  uint64_t hash = 14695981039346656037u;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const auto colour = static_cast<uint32_t>(ColourAt(image, x, y));
      for (int shift = 0; shift < 24; shift += 8) hash = (hash ^ ((colour >> shift) & 0xff)) * 1099511628211u;
    }
  }
  return hash;
}

TEST_F(Rendering, BallImageIsADiscTwentyPixelsAcrossWithABlackMargin) {
  const QImage ball = ImageAt(2);
  ASSERT_EQ(ball.size(), QSize(30, 30));
  EXPECT_EQ(ColourAt(ball, 15, 15), Blue);
  for (QPoint black : {QPoint(0, 0), QPoint(29, 29), QPoint(4, 15), QPoint(25, 15), QPoint(15, 4), QPoint(15, 25),
                       QPoint(5, 5), QPoint(24, 24)}) {
    EXPECT_EQ(ColourAt(ball, black.x(), black.y()), Black) << black.x() << "," << black.y();
  }
  for (QPoint inside : {QPoint(5, 14), QPoint(5, 15), QPoint(24, 14), QPoint(24, 15), QPoint(14, 5), QPoint(15, 24)}) {
    EXPECT_EQ(ColourAt(ball, inside.x(), inside.y()), Blue) << inside.x() << "," << inside.y();
  }
}

TEST_F(Rendering, DiscIsSymmetricAboutTheImageCentre) {
  const QImage ball = ImageAt(7);
  int covered = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const int32_t colour = ColourAt(ball, x, y);
      covered += colour == Red;
      ASSERT_EQ(colour, ColourAt(ball, 29 - x, y)) << x << "," << y;
      ASSERT_EQ(colour, ColourAt(ball, y, x)) << x << "," << y;
    }
  }
  // Close to pi * 10^2: a disc, neither a square nor a diamond.
  EXPECT_GT(covered, 300);
  EXPECT_LT(covered, 330);
}

// The pictures of the start position and of the slid-down one, pixel for pixel as they were
// drawn before the drawing learnt other pixel ratios.
TEST_F(Rendering, PictureAtRatioOneIsTheOneItHasAlwaysBeen) {
  EXPECT_EQ(Fingerprint(Drawn()), 12198803437820907945u);
  SlideState = SlideColumns(SlideState);
  EXPECT_EQ(Fingerprint(Drawn()), 1842691082266354793u);
}

TEST_F(Rendering, GridBarsCloseOnlyTheLongColumnsAtTheEnds) {
  const QImage field = Drawn();
  ASSERT_EQ(field.size(), QSize(180, 215));
  for (int y : {0, 4, 210, 214}) {
    for (int x = 0; x < 180; ++x) {
      const bool shortColumn = (x >= 40 && x < 70) || (x >= 110 && x < 140);
      ASSERT_EQ(ColourAt(field, x, y), shortColumn ? Black : GridColour) << x << "," << y;
    }
  }
  for (int x : {0, 37, 72, 107, 142, 177}) EXPECT_EQ(ColourAt(field, x, 100), GridColour) << x;
  for (int y : {35, 70, 105, 140, 175}) EXPECT_EQ(ColourAt(field, 90, y), GridColour) << y;
  EXPECT_EQ(ColourAt(field, 90, 34), Black);  // between a disc and a bar
}

TEST_F(Rendering, StartPositionShowsFiveColouredColumns) {
  const QImage field = Drawn();
  const int32_t columns[5] = {Blue, Yellow, Orange, Green, Red};
  for (int column = 0; column < 5; ++column) {
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(BallAt(field, column, row), columns[column]) << column << "," << row;
  }
  for (int column : {0, 2, 4}) {
    EXPECT_EQ(BallAt(field, column, 0), Grey);
    EXPECT_EQ(BallAt(field, column, 5), DarkGrey);
  }
  for (int column : {1, 3}) {
    EXPECT_EQ(BallAt(field, column, 0), Black);
    EXPECT_EQ(BallAt(field, column, 5), Black);
  }
}

TEST_F(Rendering, SlidDownColumnsShowTheEmptySlotsAtTheTop) {
  SlideState = SlideColumns(SlideState);
  const QImage field = Drawn();
  for (int column : {0, 2, 4}) {
    EXPECT_EQ(BallAt(field, column, 0), DarkGrey);
    EXPECT_EQ(BallAt(field, column, 1), Grey);
  }
}

TEST_F(Rendering, SlotValuesOutsideTheTableLeaveTheirCellBlack) {
  Field[SlotNumber(1, 1)] = 7;
  Field[SlotNumber(1, 2)] = -1;
  Field[SlotNumber(1, 3)] = 127;
  const QImage field = Drawn();
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(BallAt(field, 1, row), Black) << row;
  EXPECT_EQ(BallAt(field, 1, 4), Yellow);
}

TEST_F(Rendering, DrawingOperationsClipAndIgnoreMissingImages) {
  ASSERT_EQ(NewImage(FieldImage, 10, 10), 1);
  StartDrawing();
  FillRectangle(-5, 8, 100, 100, Red);
  CopyImage(6, 100, 100);     // wholly outside
  CopyImage(ImageSlots, 0, 0);  // no such image
  FillDisc(9, 0, 3, Green);
  StopDrawing();
  const QImage image = ImageAt(FieldImage);
  EXPECT_EQ(ColourAt(image, 0, 8), Red);
  EXPECT_EQ(ColourAt(image, 9, 9), Red);
  EXPECT_EQ(ColourAt(image, 0, 7), Black);
  EXPECT_EQ(ColourAt(image, 9, 0), Green);
  EXPECT_EQ(NewImage(-1, 10, 10), 0);
  EXPECT_EQ(NewImage(ImageSlots, 10, 10), 0);
}

}  // namespace
}  // namespace tq
