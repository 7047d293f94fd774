// Painting the drum in the game's own proportions (30-unit cells, 5-unit bars), scaled to the
// widget and antialiased, so that it is sharp at any size and device pixel ratio.
#include "ui/solver_window/drum_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "model/field.h"
#include "model/moves.h"
#include "ui/render/ball_colours.h"
#include "ui/solver_window/layout_moves.h"

namespace tq::solver_window {

namespace {

constexpr qreal Pitch = 35;  // a cell and a bar
constexpr qreal Bar = 5;
constexpr qreal Radius = 11;
constexpr qreal FieldWidth = 5 * Pitch + Bar;
constexpr qreal FieldHeight = 6 * Pitch + Bar;
constexpr qreal Margin = 8;
// A move takes this long on the screen: long enough to see which way the balls go, short enough
// not to hold up someone who knows.
constexpr int MoveMilliseconds = 200;

QColor ColourOf(int value) {
  const BallColour& colour = BallColours[static_cast<size_t>(value)];
  return QColor(colour.Red, colour.Green, colour.Blue);
}

int ValueOf(char c) { return c == ' ' ? 0 : c - '0' + 1; }
bool IsBall(char c) { return c >= '0' && c <= '5'; }

QPointF CentreOf(QPointF place) { return {Pitch * place.x() + Bar + 15, Pitch * place.y() + Bar + 15}; }

bool IsLongColumn(int column) { return column % 2 == 0; }

// Black behind the slots, grey bars between them; the short columns have no cells in the end rows.
void DrawGrid(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawRect(QRectF(0, Pitch, FieldWidth, 4 * Pitch + Bar));
  for (int j = 0; j <= 2; ++j) painter.drawRect(QRectF(2 * Pitch * j, 0, Pitch + Bar, FieldHeight));
  painter.setBrush(QColor(127, 127, 127));
  for (int i = 0; i <= 5; ++i) painter.drawRect(QRectF(Pitch * i, 0, Bar, FieldHeight));
  for (int i = 0; i <= 6; ++i) {
    if (i == 0 || i == 6) {
      for (int j = 0; j <= 2; ++j) painter.drawRect(QRectF(2 * Pitch * j, Pitch * i, Pitch + Bar, Bar));
    } else {
      painter.drawRect(QRectF(0, Pitch * i, FieldWidth, Bar));
    }
  }
}

void DrawBall(QPainter& painter, QPointF place, char c, bool number) {
  const int value = ValueOf(c);
  if (value < 0 || value > 6) return;
  const QPointF centre = CentreOf(place);
  const QColor colour = ColourOf(value);
  painter.setPen(QPen(colour.darker(150), 1));
  painter.setBrush(colour);
  painter.drawEllipse(centre, Radius, Radius);
  if (!number || !IsBall(c)) return;
  // Dark digits on the bright balls (yellow, orange), light ones on the rest, by perceived
  // brightness: pure blue is as light as orange by HSL lightness but reads as dark.
  const int brightness = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
  painter.setPen(brightness > 128 ? Qt::black : Qt::white);
  QFont font = painter.font();
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRectF(centre.x() - Radius, centre.y() - Radius, 2 * Radius, 2 * Radius), Qt::AlignCenter, QString(QChar(c)));
}

// One arrow from `from` to `to`, in the drum's units.
void DrawArrow(QPainter& painter, QPointF from, QPointF to, qreal width) {
  const QLineF line(from, to);
  const qreal head = width * 1.6;
  QLineF back(to, from);
  back.setLength(head);
  const QPointF neck = back.p2();
  const QPointF across = QPointF(-line.dy(), line.dx()) / line.length();
  QPainterPath path;
  path.moveTo(from + across * width / 2);
  path.lineTo(neck + across * width / 2);
  path.lineTo(neck + across * head / 2 * 1.4);
  path.lineTo(to);
  path.lineTo(neck - across * head / 2 * 1.4);
  path.lineTo(neck - across * width / 2);
  path.lineTo(from - across * width / 2);
  path.closeSubpath();
  painter.setPen(QPen(QColor(0, 0, 0, 220), 1.5));
  painter.setBrush(QColor(255, 255, 255, 215));
  painter.drawPath(path);
}

void DrawMoveArrow(QPainter& painter, int move, bool longColumnsUp) {
  switch (move) {
    case MoveUpperRight: DrawArrow(painter, {8, 1.5 * Pitch + 20}, {FieldWidth - 8, 1.5 * Pitch + 20}, 9); break;
    case MoveUpperLeft: DrawArrow(painter, {FieldWidth - 8, 1.5 * Pitch + 20}, {8, 1.5 * Pitch + 20}, 9); break;
    case MoveLowerRight: DrawArrow(painter, {8, 3.5 * Pitch + 20}, {FieldWidth - 8, 3.5 * Pitch + 20}, 9); break;
    case MoveLowerLeft: DrawArrow(painter, {FieldWidth - 8, 3.5 * Pitch + 20}, {8, 3.5 * Pitch + 20}, 9); break;
    case MoveSlide:
      for (int column = 0; column < 5; column += 2) {
        const qreal x = CentreOf({static_cast<qreal>(column), 0}).x();
        const qreal top = 12, bottom = FieldHeight - 12;
        if (longColumnsUp) {
          DrawArrow(painter, {x, top}, {x, bottom}, 8);
        } else {
          DrawArrow(painter, {x, bottom}, {x, top}, 8);
        }
      }
      break;
    default: break;
  }
}

// Which slots a move carries, and which way: +1 or -1 columns for a turn of their row, rows for
// a slide of their column; 0 for a slot that stays.
int Carried(int move, int slot, bool longColumnsUp) {
  const QPointF place = SlotPlaceOf(slot);
  const int column = static_cast<int>(place.x()), row = static_cast<int>(place.y());
  const bool upper = row == 1 || row == 2, lower = row == 3 || row == 4;
  switch (move) {
    case MoveUpperRight: return upper ? +1 : 0;
    case MoveUpperLeft: return upper ? -1 : 0;
    case MoveLowerRight: return lower ? +1 : 0;
    case MoveLowerLeft: return lower ? -1 : 0;
    case MoveSlide: return IsLongColumn(column) ? (longColumnsUp ? +1 : -1) : 0;
    default: return 0;
  }
}

}  // namespace

QPointF SlotPlaceOf(int slot) {
  const SlotPlace place = SlotTable[static_cast<size_t>(slot)];
  return {static_cast<qreal>(place.Column), static_cast<qreal>(place.Row)};
}

DrumView::DrumView(QWidget* parent) : QWidget(parent), layout_(StartLayout) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  animation_.setStartValue(0.0);
  animation_.setEndValue(1.0);
  animation_.setDuration(MoveMilliseconds);
  connect(&animation_, &QVariantAnimation::valueChanged, this, [this] { update(); });
  connect(&animation_, &QVariantAnimation::finished, this, [this] {
    animatedMove_ = 0;
    update();
  });
}

QSize DrumView::sizeHint() const { return QSize(static_cast<int>(2 * (FieldWidth + 2 * Margin)), static_cast<int>(2 * (FieldHeight + 2 * Margin))); }
QSize DrumView::minimumSizeHint() const { return QSize(static_cast<int>(FieldWidth + 2 * Margin), static_cast<int>(FieldHeight + 2 * Margin)); }

void DrumView::SetLayout(const std::string& layout, int move) {
  FinishAnimation();
  if (animate_ && move != 0 && layout_.size() == static_cast<size_t>(SlotCount)) {
    before_ = layout_;
    animatedMove_ = move;
    layout_ = layout;
    animation_.start();
  } else {
    layout_ = layout;
  }
  update();
}

void DrumView::FinishAnimation() {
  if (animation_.state() == QAbstractAnimation::Running) animation_.stop();
  animatedMove_ = 0;
}

void DrumView::SetMarkedMove(int move) {
  if (marked_ == move) return;
  marked_ = move;
  update();
}

void DrumView::SetShowColourNumbers(bool show) {
  showNumbers_ = show;
  update();
}

void DrumView::SetAnimate(bool animate) {
  animate_ = animate;
  if (!animate) FinishAnimation();
}

QTransform DrumView::ToWidget() const {
  const qreal scale = std::min(width() / (FieldWidth + 2 * Margin), height() / (FieldHeight + 2 * Margin));
  QTransform transform;
  transform.translate((width() - scale * FieldWidth) / 2, (height() - scale * FieldHeight) / 2);
  transform.scale(scale, scale);
  return transform;
}

int DrumView::SlotAt(QPointF point) const {
  const QPointF at = ToWidget().inverted().map(point);
  for (int slot = 0; slot < SlotCount; ++slot) {
    const QPointF centre = CentreOf(SlotPlaceOf(slot));
    if (std::abs(at.x() - centre.x()) <= Pitch / 2 && std::abs(at.y() - centre.y()) <= Pitch / 2) return slot;
  }
  return -1;
}

QPointF DrumView::SlotCentre(int slot) const { return ToWidget().map(CentreOf(SlotPlaceOf(slot))); }

void DrumView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(ToWidget());
  DrawGrid(painter);
  if (layout_.size() != static_cast<size_t>(SlotCount)) return;

  const bool running = animatedMove_ != 0 && animation_.state() == QAbstractAnimation::Running;
  const bool upBefore = running && LongColumnsUp(before_);
  const qreal t = running ? animation_.currentValue().toReal() : 1.0;
  for (int slot = 0; slot < SlotCount; ++slot) {
    const char c = layout_[static_cast<size_t>(slot)];
    // What a move carries is drawn on its way, below; of a slide's columns only the empty slots
    // it leaves behind stand still.
    if (running && Carried(animatedMove_, slot, upBefore) != 0 && (animatedMove_ != MoveSlide || c != ' ')) continue;
    DrawBall(painter, SlotPlaceOf(slot), c, showNumbers_);
  }
  if (running) {
    painter.save();
    painter.setClipRect(QRectF(Bar, Bar, FieldWidth - 2 * Bar, FieldHeight - 2 * Bar));
    for (int slot = 0; slot < SlotCount; ++slot) {
      const int way = Carried(animatedMove_, slot, upBefore);
      const char c = before_[static_cast<size_t>(slot)];
      if (way == 0 || (animatedMove_ == MoveSlide && c == ' ')) continue;
      QPointF place = SlotPlaceOf(slot);
      if (animatedMove_ == MoveSlide) {
        place.ry() += way * t;
        DrawBall(painter, place, c, showNumbers_);
      } else {
        // The drum is round: a ball leaving one side comes in at the other.
        place.rx() += way * t;
        DrawBall(painter, place, c, showNumbers_);
        DrawBall(painter, place - QPointF(5 * way, 0), c, showNumbers_);
      }
    }
    painter.restore();
  } else if (marked_ != 0) {
    DrawMoveArrow(painter, marked_, LongColumnsUp(layout_));
  }
  if (hasFocus()) {
    const QPointF centre = CentreOf(SlotPlaceOf(cursor_));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(centre.x() - 15, centre.y() - 15, 30, 30), 4, 4);
  }
}

void DrumView::mousePressEvent(QMouseEvent* event) {
  const int slot = SlotAt(event->position());
  if (slot < 0) return;
  cursor_ = slot;
  if (event->button() == Qt::LeftButton) emit SlotClicked(slot);
  if (event->button() == Qt::RightButton) emit SlotEdited(slot, 0);
  update();
}

void DrumView::MoveCursor(int columns, int rows) {
  const QPointF place = SlotPlaceOf(cursor_);
  int column = (static_cast<int>(place.x()) + columns + 5) % 5;
  int row = static_cast<int>(place.y()) + rows;
  const int top = IsLongColumn(column) ? 0 : 1, bottom = IsLongColumn(column) ? 5 : 4;
  row = std::clamp(row, top, bottom);
  cursor_ = SlotNumber(column, row);
  update();
}

void DrumView::keyPressEvent(QKeyEvent* event) {
  const bool keypad = event->modifiers() & Qt::KeypadModifier;
  const bool control = event->modifiers() & Qt::ControlModifier;
  const int key = event->key();
  if (control && !keypad) {
    switch (key) {
      case Qt::Key_Left: MoveCursor(-1, 0); return;
      case Qt::Key_Right: MoveCursor(+1, 0); return;
      case Qt::Key_Up: MoveCursor(0, -1); return;
      case Qt::Key_Down: MoveCursor(0, +1); return;
      default: break;
    }
  }
  if (!keypad && !control && !(event->modifiers() & Qt::AltModifier)) {
    int value = -1;
    if (key >= Qt::Key_0 && key <= Qt::Key_5) value = key - Qt::Key_0 + 1;
    if (key == Qt::Key_Underscore || key == Qt::Key_Period || key == Qt::Key_Delete || key == Qt::Key_Backspace) value = 0;
    if (value >= 0) {
      const int slot = cursor_;
      // Typing runs through the slots in layout order, so a layout can be typed as it is written;
      // Backspace goes back instead.
      if (key == Qt::Key_Backspace) {
        cursor_ = (cursor_ + SlotCount - 1) % SlotCount;
        emit SlotEdited(cursor_, 0);
      } else {
        cursor_ = (cursor_ + 1) % SlotCount;
        emit SlotEdited(slot, value);
      }
      update();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tq::solver_window
