// The drum picture's places: 30-unit slots, 46 units from column to column so that an arrow
// fits between two balls, 40 from row to row within a half, wider gaps at the fixed strips and
// between the halves, so that what moves together stands together.
#include "ui/solver_window/drum_geometry.h"

#include <QLineF>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/field.h"
#include "model/moves.h"

namespace tq::solver_window::drum {

namespace {

constexpr qreal Cell = 30;
constexpr qreal ColumnPitch = 46;
constexpr qreal Margin = 4;
// How much of a neighbour column shows: its ball's side towards the drum and a little more.
constexpr qreal NeighbourInside = 13, NeighbourOutside = 6;
constexpr qreal FirstCentreX = Margin + NeighbourOutside + ColumnPitch;  // column 0
// Rows 0 to 5: the fixed strip, the upper half's two rows, the lower half's two, the fixed strip.
constexpr std::array<qreal, 6> RowCentres = {37, 77, 117, 161, 201, 241};
constexpr qreal Width = FirstCentreX + 5 * ColumnPitch + NeighbourOutside + Margin;
constexpr qreal Height = 262;
// Bands and strips reach this far beyond the centres of their outer slots.
constexpr qreal Reach = 18;
// The arrows: a 5-unit shaft, a head twice as wide, so that the head fits the 20-unit gap
// between two balls with room on either side.
constexpr qreal Shaft = 5;
constexpr qreal Head = 10;
constexpr qreal HeadLength = 14;

qreal CentreX(qreal column) { return FirstCentreX + ColumnPitch * column; }

qreal CentreY(qreal row) {
  const int below = std::clamp(static_cast<int>(std::floor(row)), 0, 4);
  const qreal part = row - below;
  return RowCentres[static_cast<size_t>(below)] + part * (RowCentres[static_cast<size_t>(below) + 1] - RowCentres[static_cast<size_t>(below)]);
}

// One arrow from `from` to `to`, its shaft `Shaft` wide.
QPainterPath Arrow(QPointF from, QPointF to) {
  const QLineF line(from, to);
  const QPointF along = (to - from) / line.length();
  const QPointF across(-along.y(), along.x());
  const QPointF neck = to - along * HeadLength;
  QPainterPath path;
  path.moveTo(from + across * Shaft / 2);
  path.lineTo(neck + across * Shaft / 2);
  path.lineTo(neck + across * Head / 2);
  path.lineTo(to);
  path.lineTo(neck - across * Head / 2);
  path.lineTo(neck - across * Shaft / 2);
  path.lineTo(from - across * Shaft / 2);
  path.closeSubpath();
  return path;
}

// A turn's arrow runs between the two rows of its half, across the drum and on into both
// neighbour strips, since the balls go on round the drum.
QPainterPath TurnArrow(bool upper, bool right) {
  const qreal y = upper ? (RowCentres[1] + RowCentres[2]) / 2 : (RowCentres[3] + RowCentres[4]) / 2;
  const qreal left = CentreX(-0.5), rightEnd = CentreX(4.5);
  return right ? Arrow({left, y}, {rightEnd, y}) : Arrow({rightEnd, y}, {left, y});
}

}  // namespace

QSizeF PictureSize() { return {Width, Height}; }

QPointF CentreAt(qreal column, qreal row) { return {CentreX(column), CentreY(row)}; }

QRectF SlotSquare(qreal column, qreal row) {
  const QPointF centre = CentreAt(column, row);
  return {centre.x() - Cell / 2, centre.y() - Cell / 2, Cell, Cell};
}

QRectF SlotSquare(int slot) {
  const SlotPlace place = SlotTable[static_cast<size_t>(slot)];
  return SlotSquare(static_cast<qreal>(place.Column), static_cast<qreal>(place.Row));
}

QRectF SlotHitArea(int slot) { return SlotSquare(slot).adjusted(-8, -5, 8, 5); }

QRectF FixedStrip(bool top) {
  const qreal y = RowCentres[top ? 0 : 5];
  return QRectF(QPointF(CentreX(0) - Reach - 4, y - Reach), QPointF(CentreX(4) + Reach + 4, y + Reach));
}

QRectF HalfBand(bool upper) {
  const qreal top = RowCentres[upper ? 1 : 3] - Reach, bottom = RowCentres[upper ? 2 : 4] + Reach;
  return QRectF(QPointF(Margin, top), QPointF(Width - Margin, bottom));
}

QLineF HalfLine() {
  const qreal y = (HalfBand(true).bottom() + HalfBand(false).top()) / 2;
  return QLineF(Margin, y, Width - Margin, y);
}

QRectF SlideTrack(int column) {
  return QRectF(QPointF(CentreX(column) - Reach, RowCentres[0] - Reach), QPointF(CentreX(column) + Reach, RowCentres[5] + Reach));
}

QRectF MainArea() { return QRectF(QPointF(CentreX(-0.5), 0), QPointF(CentreX(4.5), Height)); }

QRectF NeighbourArea(bool left) {
  const QRectF band = HalfBand(true).united(HalfBand(false));
  if (left) return QRectF(QPointF(Margin, band.top()), QPointF(CentreX(-1) + NeighbourInside, band.bottom()));
  return QRectF(QPointF(CentreX(5) - NeighbourInside, band.top()), QPointF(Width - Margin, band.bottom()));
}

QRectF NumberBox(int column) { return QRectF(CentreX(column) - Cell / 2, 1, Cell, RowCentres[0] - Reach - 2); }

QPainterPath MoveArrows(int move, bool longColumnsUp) {
  switch (move) {
    case MoveUpperRight: return TurnArrow(true, true);
    case MoveUpperLeft: return TurnArrow(true, false);
    case MoveLowerRight: return TurnArrow(false, true);
    case MoveLowerLeft: return TurnArrow(false, false);
    case MoveSlide: {
      // Beside each long column, in the gap to its right, over the column's whole height.
      QPainterPath arrows;
      const qreal top = RowCentres[0] - Cell / 2, bottom = RowCentres[5] + Cell / 2;
      for (int column = 0; column <= 4; column += 2) {
        const qreal x = CentreX(column + 0.5);
        arrows.addPath(longColumnsUp ? Arrow({x, top}, {x, bottom}) : Arrow({x, bottom}, {x, top}));
      }
      return arrows;
    }
    default: return {};
  }
}

QPainterPath MovedArea(int move) {
  QPainterPath area;
  if (move == MoveUpperRight || move == MoveUpperLeft) area.addRect(HalfBand(true));
  if (move == MoveLowerRight || move == MoveLowerLeft) area.addRect(HalfBand(false));
  if (move == MoveSlide) {
    for (int column = 0; column <= 4; column += 2) area.addRoundedRect(SlideTrack(column), 6, 6);
  }
  return area;
}

}  // namespace tq::solver_window::drum
