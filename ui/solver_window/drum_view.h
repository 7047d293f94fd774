// The drum drawn to any size as it stands in the hand: balls in the game's colours, empty slots
// as holes, the slot cursor, the next move's arrows, marked slots, the colour digits for who
// cannot tell the colours apart, and the moves animated.
#pragma once

#include <QVariantAnimation>
#include <QWidget>
#include <string>
#include <vector>

namespace tq::solver_window {

class DrumView : public QWidget {
  Q_OBJECT

 public:
  explicit DrumView(QWidget* parent = nullptr);

  // Shows `layout`; with `move` (a move code) leading to it from the layout shown before, that
  // move is animated when animation is on.
  void SetLayout(const std::string& layout, int move = 0);
  const std::string& Layout() const { return layout_; }
  // The move to mark with arrows (a move code), or 0 for none: what it moves is lit, and its
  // arrows show the way.
  void SetMarkedMove(int move);
  int MarkedMove() const { return marked_; }
  // Slots (0 to 25) to mark with a ring that does not rely on colour alone, such as the ones
  // that make a position impossible; numbers outside 0 to 25 are ignored.
  void SetMarkedSlots(std::vector<int> marked);
  const std::vector<int>& MarkedSlots() const { return markedSlots_; }
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
  std::vector<int> markedSlots_;
  int cursor_ = 0;  // typing a layout starts at its first slot
  bool showNumbers_ = false;
  bool animate_ = true;
  QVariantAnimation animation_;
};

// Where a slot's ball stands in the drum: column and row, as numbers so that moving balls can
// stand between two.
QPointF SlotPlaceOf(int slot);

}  // namespace tq::solver_window
