// Painting the drum as it stands in the hand: the fixed strips with the long columns' end slots,
// the two halves with the line between them, the tracks the long columns slide in, and the
// neighbours of columns 1 and 5 faded at either side, where the round drum goes on.
#include "ui/solver_window/drum_painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

#include "model/field.h"
#include "model/moves.h"
#include "ui/solver_window/drum_geometry.h"
#include "ui/solver_window/slot_painter.h"

namespace tq::solver_window {

namespace {

constexpr QRgb BandColour = qRgb(40, 43, 50);
constexpr QRgb StripColour = qRgb(118, 122, 132);
constexpr QRgb StripHatch = qRgb(100, 104, 114);
constexpr QRgb TrackColour = qRgb(62, 66, 78);
constexpr QRgb HalfLineColour = qRgb(245, 245, 245);
constexpr QRgb HalfLineShade = qRgb(20, 20, 24);
// The neighbours are faded enough not to be counted as columns of their own, and clear enough
// to tell their colours.
constexpr qreal NeighbourOpacity = 0.4;

// True when the long columns stand up, their empty slots in row 5, so that a slide takes them
// down; read from the text alone, since painting must not touch the model's one Field.
bool LongColumnsUp(const std::string& layout) {
  if (layout.size() != static_cast<size_t>(SlotCount)) return true;
  for (int column = 0; column <= 4; column += 2) {
    if (layout[static_cast<size_t>(SlotNumber(column, 5))] == ' ') return true;
  }
  return false;
}

int ValueOf(char c) { return c == ' ' ? 0 : (c >= '0' && c <= '5' ? c - '0' + 1 : -1); }
bool IsLongColumn(int column) { return column % 2 == 0; }

// A ball or hole on its way: where it stands now, in columns and rows.
struct Piece {
  qreal column;
  qreal row;
  int value;
};

// Which slots a move carries, and which way: +1 or -1 columns for a turn of their half, rows
// for a slide of their column; 0 for a slot that stays.
int Carried(int move, int slot, bool longColumnsUp) {
  const SlotPlace place = SlotTable[static_cast<size_t>(slot)];
  const bool upper = place.Row == 1 || place.Row == 2, lower = place.Row == 3 || place.Row == 4;
  switch (move) {
    case MoveUpperRight: return upper ? +1 : 0;
    case MoveUpperLeft: return upper ? -1 : 0;
    case MoveLowerRight: return lower ? +1 : 0;
    case MoveLowerLeft: return lower ? -1 : 0;
    case MoveSlide: return IsLongColumn(place.Column) ? (longColumnsUp ? +1 : -1) : 0;
    default: return 0;
  }
}

std::vector<Piece> PiecesOf(const DrumScene& scene) {
  std::vector<Piece> pieces;
  const bool running = scene.movingMove != 0 && scene.before.size() == static_cast<size_t>(SlotCount);
  const bool upBefore = running && LongColumnsUp(scene.before);
  for (int slot = 0; slot < SlotCount; ++slot) {
    const SlotPlace place = SlotTable[static_cast<size_t>(slot)];
    const char now = scene.layout[static_cast<size_t>(slot)];
    const int way = running ? Carried(scene.movingMove, slot, upBefore) : 0;
    if (way == 0) {
      pieces.push_back({static_cast<qreal>(place.Column), static_cast<qreal>(place.Row), ValueOf(now)});
      continue;
    }
    // Of a slide's columns, the balls go their way and the hole they leave behind stands still.
    const char was = scene.before[static_cast<size_t>(slot)];
    if (scene.movingMove == MoveSlide) {
      if (now == ' ') pieces.push_back({static_cast<qreal>(place.Column), static_cast<qreal>(place.Row), 0});
      if (was != ' ') pieces.push_back({static_cast<qreal>(place.Column), place.Row + way * scene.progress, ValueOf(was)});
    } else {
      pieces.push_back({place.Column + way * scene.progress, static_cast<qreal>(place.Row), ValueOf(was)});
    }
  }
  return pieces;
}

void PaintNumbers(QPainter& painter, const DrumScene& scene) {
  QFont font = painter.font();
  font.setPixelSize(14);
  font.setBold(true);
  painter.setFont(font);
  for (int column = -1; column <= 5; ++column) {
    QColor colour = scene.textColour;
    if (column < 0 || column > 4) colour.setAlphaF(NeighbourOpacity);
    painter.setPen(colour);
    painter.drawText(drum::NumberBox(column), Qt::AlignCenter, QString::number((column + 5) % 5 + 1));
  }
}

void PaintBody(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  // The halves run on into the neighbour strips and fade there, as the drum turns away.
  for (const bool upper : {true, false}) {
    const QRectF band = drum::HalfBand(upper);
    const QRectF left = drum::NeighbourArea(true), right = drum::NeighbourArea(false);
    QLinearGradient fade(band.left(), 0, band.right(), 0);
    const qreal in = (left.right() - band.left()) / band.width();
    QColor faded = QColor::fromRgb(BandColour);
    faded.setAlphaF(0.25);
    fade.setColorAt(0, faded);
    fade.setColorAt(in, QColor::fromRgb(BandColour));
    fade.setColorAt(1 - (band.right() - right.left()) / band.width(), QColor::fromRgb(BandColour));
    fade.setColorAt(1, faded);
    painter.setBrush(fade);
    painter.drawRoundedRect(band, 5, 5);
  }
  // The fixed strips, hatched: they hold the long columns' end slots and never turn.
  for (const bool top : {true, false}) {
    const QRectF strip = drum::FixedStrip(top);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(StripColour));
    painter.drawRoundedRect(strip, 5, 5);
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(strip, 5, 5);
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.setPen(QPen(QColor::fromRgb(StripHatch), 2));
    for (qreal x = strip.left() - strip.height(); x < strip.right(); x += 8) {
      painter.drawLine(QPointF(x, strip.bottom()), QPointF(x + strip.height(), strip.top()));
    }
    painter.restore();
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(TrackColour));
  for (int column = 0; column <= 4; column += 2) painter.drawRoundedRect(drum::SlideTrack(column), 6, 6);
  // Light under dark, so that the line shows on the tracks and on the window's background alike.
  painter.setPen(QPen(QColor::fromRgb(HalfLineColour), 4.5, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(drum::HalfLine());
  painter.setPen(QPen(QColor::fromRgb(HalfLineShade), 2, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(drum::HalfLine());
}

// Each piece where it stands and once round the drum either way: a ball that a turn takes out
// at one side comes in at the other, and the neighbour strips show the far side. The clip
// keeps what belongs to the area being painted.
void PaintPieces(QPainter& painter, const std::vector<Piece>& pieces, bool digits) {
  for (const Piece& piece : pieces) {
    for (const qreal round : {-5.0, 0.0, 5.0}) {
      const QRectF square = drum::SlotSquare(piece.column + round, piece.row);
      if (painter.clipBoundingRect().intersects(square)) PaintSlot(painter, square, piece.value, digits);
    }
  }
}

void PaintCursor(QPainter& painter, const DrumScene& scene) {
  const QRectF frame = drum::SlotSquare(scene.cursor).adjusted(-3, -3, 3, 3);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 5.5));
  painter.drawRoundedRect(frame, 5, 5);
  painter.setPen(QPen(scene.cursorColour, 3));
  painter.drawRoundedRect(frame, 5, 5);
}

}  // namespace

void PaintDrum(QPainter& painter, const DrumScene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  PaintNumbers(painter, scene);
  PaintBody(painter);
  const bool moving = scene.movingMove != 0;
  if (!moving && scene.markedMove != 0) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawPath(drum::MovedArea(scene.markedMove));
  }
  if (scene.layout.size() == static_cast<size_t>(SlotCount)) {
    const std::vector<Piece> pieces = PiecesOf(scene);
    painter.save();
    painter.setClipRect(drum::MainArea());
    PaintPieces(painter, pieces, scene.showDigits);
    painter.restore();
    // Column 5 again before column 1, and column 1 again after column 5.
    for (const bool left : {true, false}) {
      painter.save();
      painter.setClipRect(drum::NeighbourArea(left));
      painter.setOpacity(NeighbourOpacity);
      PaintPieces(painter, pieces, scene.showDigits);
      painter.restore();
    }
    for (const int slot : scene.markedSlots) {
      if (slot >= 0 && slot < SlotCount) PaintSlotMark(painter, drum::SlotSquare(slot));
    }
  }
  if (!moving && scene.markedMove != 0) {
    painter.setPen(QPen(QColor(0, 0, 0, 230), 1.5));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawPath(drum::MoveArrows(scene.markedMove, LongColumnsUp(scene.layout)));
  }
  if (scene.cursor >= 0 && scene.cursor < SlotCount) PaintCursor(painter, scene);
  painter.restore();
}

}  // namespace tq::solver_window
