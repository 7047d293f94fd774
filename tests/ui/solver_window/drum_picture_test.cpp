// What only the drum's picture does: holes that no ball can be taken for, arrows clear of the
// balls, marked slots and the keyboard's cursor drawn, the same picture at every pixel ratio, and
// the guide that explains it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>

#include "model/field.h"
#include "model/moves.h"
#include "ui/solver_window/drum_geometry.h"
#include "ui/solver_window/drum_painting.h"
#include "ui/solver_window/drum_guide.h"
#include "ui/solver_window/drum_view.h"
#include "session/solving_session.h"
#include "ui/solver_window/slot_painter.h"

namespace tq::solver_window {
namespace {

double Distance(QColor a, QColor b) {
  return std::sqrt(std::pow(a.red() - b.red(), 2) + std::pow(a.green() - b.green(), 2) + std::pow(a.blue() - b.blue(), 2));
}

QImage PaintedSlot(int value, QColor background, bool digit = false) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintSlot(painter, QRectF(0, 0, 60, 60), value, digit);
  return image;
}

// The mean colour distance of two pictures over the slot's disc.
double MeanDistanceOverTheDisc(const QImage& a, const QImage& b) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (std::hypot(x + 0.5 - 30, y + 0.5 - 30) > 24) continue;
      sum += Distance(a.pixelColor(x, y), b.pixelColor(x, y));
      ++count;
    }
  }
  return sum / count;
}

// On the drum's dark band, on its lighter track and on a light button alike, a hole shows what
// lies behind it and differs from every ball, the dark and the grey ones too, digit or not.
TEST(SlotPainter, AnEmptySlotIsAHoleThatNoBallCanBeTakenFor) {
  for (const QColor background : {QColor(40, 43, 50), QColor(62, 66, 78), QColor(239, 239, 239)}) {
    const QImage hole = PaintedSlot(0, background);
    EXPECT_LT(Distance(hole.pixelColor(30, 34), background), 12) << background.name().toStdString();
    for (int value = 1; value <= 6; ++value) {
      for (const bool digit : {false, true}) {
        EXPECT_GT(MeanDistanceOverTheDisc(hole, PaintedSlot(value, background, digit)), 60)
            << background.name().toStdString() << " colour " << value - 1 << (digit ? " with digit" : "");
      }
    }
  }
}

TEST(SlotPainter, EveryDigitStandsOutFromItsBall) {
  const auto luminance = [](QColor colour) {
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
  };
  for (int value = 1; value <= 6; ++value) {
    const double ball = luminance(BallColourOf(value)), digit = luminance(DigitColourOn(BallColourOf(value)));
    EXPECT_GE((std::max(ball, digit) + 0.05) / (std::min(ball, digit) + 0.05), 4.5) << "colour " << value - 1;
  }
  // Nothing is painted for a value that is no slot.
  const QImage nothing = PaintedSlot(7, Qt::white);
  EXPECT_EQ(nothing, PaintedSlot(-1, Qt::white));
  EXPECT_EQ(nothing.pixelColor(30, 30), QColor(Qt::white));
}

TEST(SlotPainter, TheIconIsPaintedAfreshAtEveryRatioAndFadedWhenDisabled) {
  const QIcon icon = SlotIcon(2, true);
  const QPixmap sharp = icon.pixmap(QSize(24, 24), 2.0);
  EXPECT_EQ(sharp.size(), QSize(48, 48));
  EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
  const QColor yellow = BallColourOf(2);
  EXPECT_LT(Distance(sharp.toImage().pixelColor(34, 10), yellow), 40);  // the ball, right of its digit
  const QImage disabled = icon.pixmap(QSize(24, 24), 2.0, QIcon::Disabled).toImage();
  EXPECT_LT(disabled.pixelColor(34, 10).alpha(), 200);
  EXPECT_EQ(sharp.toImage().pixelColor(1, 1).alpha(), 0);  // the corners stay clear
}

// A ball's disc, for each slot and for the neighbours' copies beyond columns 5 and 1.
std::vector<QPainterPath> BallDiscs() {
  std::vector<QPainterPath> discs;
  for (int slot = 0; slot < SlotCount; ++slot) {
    const QRectF square = drum::SlotSquare(slot);
    QPainterPath disc;
    disc.addEllipse(square.center(), 0.45 * square.width(), 0.45 * square.width());
    discs.push_back(disc);
  }
  for (int row = 1; row <= 4; ++row) {
    for (const qreal column : {-1.0, 5.0}) {
      QPainterPath disc;
      disc.addEllipse(drum::SlotSquare(column, row).center(), 13.5, 13.5);
      discs.push_back(disc);
    }
  }
  return discs;
}

TEST(DrumGeometry, NoMoveArrowCoversABallOrItsDigit) {
  const std::vector<QPainterPath> discs = BallDiscs();
  for (int move = MoveUpperRight; move <= MoveSlide; ++move) {
    for (const bool up : {true, false}) {
      const QPainterPath arrows = drum::MoveArrows(move, up);
      ASSERT_FALSE(arrows.isEmpty()) << move;
      for (size_t i = 0; i < discs.size(); ++i) EXPECT_FALSE(arrows.intersects(discs[i])) << "move " << move << " ball " << i;
    }
  }
  EXPECT_TRUE(drum::MoveArrows(0, true).isEmpty());
  EXPECT_TRUE(drum::MoveArrows(6, true).isEmpty());
}

// The head of an arrow is wider than its shaft: it stands where the moved balls go.
TEST(DrumGeometry, EachArrowPointsTheWayItsBallsGo) {
  const auto headAt = [](const QPainterPath& arrows, QPointF tip, QPointF inwards) {
    const QPointF across(inwards.y(), -inwards.x());
    return arrows.contains(tip + 12 * inwards + 3.5 * across);
  };
  for (const bool up : {true, false}) {
    const QPainterPath slide = drum::MoveArrows(MoveSlide, up);
    for (int column = 0; column <= 4; column += 2) {
      const qreal x = (drum::SlotSquare(column, 0).center().x() + drum::SlotSquare(column + 1, 0).center().x()) / 2;
      const QPointF top(x, drum::SlotSquare(column, 0).top()), bottom(x, drum::SlotSquare(column, 5).bottom());
      // Standing up, the long columns go down.
      EXPECT_EQ(headAt(slide, bottom, {0, -1}), up) << column;
      EXPECT_EQ(headAt(slide, top, {0, 1}), !up) << column;
    }
  }
  for (int move = MoveUpperRight; move <= MoveLowerLeft; ++move) {
    const QRectF bounds = drum::MoveArrows(move, true).boundingRect();
    const bool right = move == MoveUpperRight || move == MoveLowerRight;
    const QPointF leftTip(bounds.left(), bounds.center().y()), rightTip(bounds.right(), bounds.center().y());
    EXPECT_EQ(headAt(drum::MoveArrows(move, true), rightTip, {-1, 0}), right) << move;
    EXPECT_EQ(headAt(drum::MoveArrows(move, true), leftTip, {1, 0}), !right) << move;
    EXPECT_TRUE(drum::HalfBand(move <= MoveUpperLeft).contains(bounds)) << move;
  }
}

// Every slot is hit in its own square and in no other, and nothing outside the slots is hit.
TEST(DrumGeometry, EachSlotIsHitWhereItIsDrawn) {
  DrumView view;
  view.resize(500, 440);
  for (int slot = 0; slot < SlotCount; ++slot) EXPECT_EQ(view.SlotAt(view.SlotCentre(slot)), slot);
  EXPECT_EQ(view.SlotAt(QPointF(1, 1)), -1);
  // The fixed strips hold slots only where a long column runs through them.
  const QPointF shortColumnTop = view.SlotCentre(SlotNumber(1, 1)) - (view.SlotCentre(SlotNumber(0, 1)) - view.SlotCentre(SlotNumber(0, 0)));
  EXPECT_EQ(view.SlotAt(shortColumnTop), -1);
}

QImage Rendered(DrumView& view) { return view.grab().toImage(); }

QColor ColourAt(const QImage& image, QPointF at) { return image.pixelColor(at.toPoint()); }

TEST(DrumViewPicture, EmptySlotsAreHolesAndTheNeighboursAreFaded) {
  DrumView view;
  view.resize(500, 440);
  view.SetLayout(StartLayout);
  const QImage image = Rendered(view);
  for (const int empty : {SlotNumber(0, 5), SlotNumber(2, 5), SlotNumber(4, 5)}) {
    const QColor centre = ColourAt(image, view.SlotCentre(empty) + QPointF(0, 3));
    for (int value = 1; value <= 6; ++value) EXPECT_GT(Distance(centre, BallColourOf(value)), 30) << empty << " " << value;
  }
  // Column 5's blue ball in row 1 shows again before column 1, fainter.
  const QPointF beforeFirst = view.SlotCentre(SlotNumber(0, 1)) - (view.SlotCentre(SlotNumber(1, 1)) - view.SlotCentre(SlotNumber(0, 1)));
  const QColor ghost = ColourAt(image, beforeFirst + QPointF(6, 0));
  const QColor red = BallColourOf(6);  // column 5 holds colour 5
  EXPECT_GT(Distance(ghost, red), 40);
  EXPECT_GT(ghost.red(), ghost.green() + 40);
}

TEST(DrumViewPicture, MarkedSlotsAreRingedInRedAndOnlyThere) {
  DrumView view;
  view.resize(500, 440);
  view.SetLayout(StartLayout);
  const QImage plain = Rendered(view);
  view.SetMarkedSlots({SlotNumber(1, 2), 99, -1});
  EXPECT_EQ(view.MarkedSlots(), std::vector<int>{SlotNumber(1, 2)});
  const QImage marked = Rendered(view);
  const QPointF centre = view.SlotCentre(SlotNumber(1, 2));
  const qreal pitch = view.SlotCentre(SlotNumber(1, 3)).y() - centre.y();
  int red = 0, changedFarAway = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) == marked.pixel(x, y)) continue;
      if (QLineF(centre, QPointF(x, y)).length() > pitch) {
        ++changedFarAway;
      } else {
        const QColor colour = marked.pixelColor(x, y);
        red += colour.red() > 180 && colour.green() < 60 && colour.blue() < 60;
      }
    }
  }
  EXPECT_GT(red, 100);
  EXPECT_EQ(changedFarAway, 0);
  view.SetMarkedSlots({});
  EXPECT_EQ(Rendered(view), plain);
}

TEST(DrumViewPicture, TheMarkedMoveLightsWhatItMovesAndLeavesTheBallsAsTheyAre) {
  DrumView view;
  view.resize(500, 440);
  view.SetLayout(StartLayout);
  const QImage plain = Rendered(view);
  view.SetMarkedMove(MoveSlide);
  const QImage slide = Rendered(view);
  // Each long column's balls keep their colour at their centres; the short columns' balls too.
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (StartLayout[static_cast<size_t>(slot)] == ' ') continue;
    EXPECT_EQ(ColourAt(slide, view.SlotCentre(slot) + QPointF(4, 4)), ColourAt(plain, view.SlotCentre(slot) + QPointF(4, 4))) << slot;
  }
  EXPECT_NE(slide, plain);
}

// The picture holds no pixmaps of its own: at a device pixel ratio of 2 it is drawn as sharp as
// at twice the size.
TEST(DrumViewPicture, IsDrawnAsSharpAtRatioTwoAsAtTwiceTheSize) {
  DrumView small, large;
  small.resize(300, 260);
  large.resize(600, 520);
  small.SetShowColourNumbers(true);
  large.SetShowColourNumbers(true);
  QImage atTwo(600, 520, QImage::Format_ARGB32_Premultiplied);
  atTwo.setDevicePixelRatio(2);
  atTwo.fill(Qt::transparent);
  small.render(&atTwo);
  QImage twice(600, 520, QImage::Format_ARGB32_Premultiplied);
  twice.fill(Qt::transparent);
  large.render(&twice);
  double sum = 0;
  for (int y = 0; y < 520; ++y) {
    for (int x = 0; x < 600; ++x) sum += Distance(atTwo.pixelColor(x, y), twice.pixelColor(x, y));
  }
  EXPECT_LT(sum / (600.0 * 520.0), 2.0);
}

// Halfway through a turn to the right, column 5's ball is half gone at the right and half come
// in at the left, before column 1, as on the round drum.
TEST(DrumViewPicture, ABallTurnedOutAtOneSideComesInAtTheOther) {
  DrumScene scene;
  scene.before = StartLayout;
  scene.layout = session::SolutionPath(StartLayout, "1").PositionAt(1);
  scene.movingMove = MoveUpperRight;
  scene.progress = 0.5;
  QImage image(drum::PictureSize().toSize() * 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(2, 2);
  PaintDrum(painter, scene);
  painter.end();
  const QColor red = BallColourOf(6);  // column 5, row 1 holds colour 5
  const QPointF comingIn = drum::CentreAt(-0.5, 1) + QPointF(6, 4), goingOut = drum::CentreAt(4.5, 1) - QPointF(6, -4);
  EXPECT_LT(Distance(image.pixelColor((2 * comingIn).toPoint()), red), 40);
  EXPECT_LT(Distance(image.pixelColor((2 * goingOut).toPoint()), red), 40);
}

TEST(DrumViewKeys, TypingStartsAtTheFirstSlotAndTabShowsTheCursor) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* field = new QLineEdit(&window);
  auto* view = new DrumView(&window);
  layout->addWidget(field);
  layout->addWidget(view);
  window.resize(500, 500);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  field->setFocus();
  EXPECT_EQ(view->CursorSlot(), 0);
  const QImage unfocused = Rendered(*view);
  QTest::keyClick(field, Qt::Key_Tab);
  ASSERT_TRUE(view->hasFocus());
  const QImage focused = Rendered(*view);
  const QColor highlight = view->palette().color(QPalette::Highlight);
  // The frame stands just outside the slot's square, in the highlight colour.
  const QRectF square = drum::SlotSquare(0);
  const qreal scale = (view->SlotCentre(1).y() - view->SlotCentre(0).y()) / (drum::SlotSquare(1).center().y() - square.center().y());
  const QPointF onFrame = view->SlotCentre(0) + QPointF(0, (square.height() / 2 + 3) * scale);
  EXPECT_LT(Distance(ColourAt(focused, onFrame), highlight), 40);
  EXPECT_GT(Distance(ColourAt(unfocused, onFrame), highlight), 60);
  QSignalSpy edited(view, &DrumView::SlotEdited);
  QTest::keyClick(view, Qt::Key_3);
  ASSERT_EQ(edited.count(), 1);
  EXPECT_EQ(edited.at(0).at(0).toInt(), 0);
  EXPECT_EQ(edited.at(0).at(1).toInt(), 4);
  EXPECT_EQ(view->CursorSlot(), 1);
}

TEST(DrumGuide, OpensOnceBesideItsWindowAndFitsTheScreen) {
  QWidget window;
  window.show();
  ShowDrumGuide(&window);
  ShowDrumGuide(&window);
  const QList<QDialog*> guides = window.findChildren<QDialog*>(QStringLiteral("drumGuide"));
  ASSERT_EQ(guides.size(), 1);
  QDialog* guide = guides.front();
  EXPECT_TRUE(guide->isVisible());
  EXPECT_FALSE(guide->windowTitle().isEmpty());
  const QSize available = QGuiApplication::primaryScreen()->availableSize();
  EXPECT_LE(guide->frameGeometry().width(), available.width());
  EXPECT_LE(guide->frameGeometry().height(), available.height());
  auto* picture = guide->findChild<DrumGuidePicture*>();
  ASSERT_NE(picture, nullptr);
  const QImage shown = picture->grab().toImage();
  EXPECT_FALSE(shown.isNull());
  guide->close();
  QTest::qWait(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.findChildren<QDialog*>(QStringLiteral("drumGuide")).isEmpty());
}

}  // namespace
}  // namespace tq::solver_window
