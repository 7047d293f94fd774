// The drum view: the picture of drum_painting.cpp scaled to the widget, antialiased, so that it
// is sharp at any size and device pixel ratio; presses and keys that edit its slots.
#include "ui/solver_window/drum_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "model/field.h"
#include "ui/solver_window/drum_geometry.h"
#include "ui/solver_window/drum_painting.h"

namespace tq::solver_window {

namespace {

constexpr qreal Margin = 6;
// A move takes this long on the screen: long enough to see which way the balls go, short enough
// not to hold up someone who knows.
constexpr int MoveMilliseconds = 200;

bool IsLongColumn(int column) { return column % 2 == 0; }

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

QSize DrumView::sizeHint() const { return (1.6 * (drum::PictureSize() + QSizeF(2 * Margin, 2 * Margin))).toSize(); }
QSize DrumView::minimumSizeHint() const { return (drum::PictureSize() + QSizeF(2 * Margin, 2 * Margin)).toSize(); }

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

void DrumView::SetMarkedSlots(std::vector<int> marked) {
  std::erase_if(marked, [](int slot) { return slot < 0 || slot >= SlotCount; });
  if (markedSlots_ == marked) return;
  markedSlots_ = std::move(marked);
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
  const QSizeF picture = drum::PictureSize();
  const qreal scale = std::min(width() / (picture.width() + 2 * Margin), height() / (picture.height() + 2 * Margin));
  QTransform transform;
  transform.translate((width() - scale * picture.width()) / 2, (height() - scale * picture.height()) / 2);
  transform.scale(scale, scale);
  return transform;
}

int DrumView::SlotAt(QPointF point) const {
  const QPointF at = ToWidget().inverted().map(point);
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (drum::SlotHitArea(slot).contains(at)) return slot;
  }
  return -1;
}

QPointF DrumView::SlotCentre(int slot) const { return ToWidget().map(drum::SlotSquare(slot).center()); }

void DrumView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setTransform(ToWidget());
  DrumScene scene;
  scene.layout = layout_;
  const bool running = animatedMove_ != 0 && animation_.state() == QAbstractAnimation::Running;
  if (running) {
    scene.before = before_;
    scene.movingMove = animatedMove_;
    scene.progress = animation_.currentValue().toReal();
  }
  scene.markedMove = marked_;
  scene.markedSlots = markedSlots_;
  scene.showDigits = showNumbers_;
  // The cursor is the keyboard's: shown while the keys reach the drum.
  scene.cursor = hasFocus() ? cursor_ : -1;
  scene.cursorColour = palette().color(QPalette::Highlight);
  scene.textColour = palette().color(QPalette::WindowText);
  PaintDrum(painter, scene);
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
  const int column = (static_cast<int>(place.x()) + columns + 5) % 5;
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
