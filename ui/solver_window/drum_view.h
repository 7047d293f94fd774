// The drum drawn to any size: balls in the game's colours, the slot cursor, the next move's
// arrow, the colour digits for who cannot tell the colours apart, and the moves animated.
#pragma once

#include <QVariantAnimation>
#include <QWidget>
#include <string>

namespace tq::solver_window {

class DrumView : public QWidget {
  Q_OBJECT

 public:
  explicit DrumView(QWidget* parent = nullptr);

  // Shows `layout`; with `move` (a move code) leading to it from the layout shown before, that
  // move is animated when animation is on.
  void SetLayout(const std::string& layout, int move = 0);
  const std::string& Layout() const { return layout_; }
  // The move to mark with an arrow (a move code), or 0 for none.
  void SetMarkedMove(int move);
  int MarkedMove() const { return marked_; }
  void SetShowColourNumbers(bool show);
  void SetAnimate(bool animate);
  bool Animating() const { return animation_.state() == QAbstractAnimation::Running; }
  // Ends a running animation at once.
  void FinishAnimation();
  int CursorSlot() const { return cursor_; }

  // The slot under a point of the widget, or -1.
  int SlotAt(QPointF point) const;
  // The centre of a slot in the widget, for tests and tools.
  QPointF SlotCentre(int slot) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return false; }

 signals:
  // A left-button press on a slot: give it the chosen colour.
  void SlotClicked(int slot);
  // A slot set from the keyboard or with the right button: `value` is 0 for empty, 1 to 6 for
  // colours 0 to 5.
  void SlotEdited(int slot, int value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void MoveCursor(int columns, int rows);
  QTransform ToWidget() const;

  std::string layout_;
  std::string before_;  // the layout the running animation starts from
  int animatedMove_ = 0;
  int marked_ = 0;
  int cursor_ = 1;
  bool showNumbers_ = false;
  bool animate_ = true;
  QVariantAnimation animation_;
};

// Where a slot's ball stands in the drum: column and row, as numbers so that moving balls can
// stand between two.
QPointF SlotPlaceOf(int slot);

}  // namespace tq::solver_window
