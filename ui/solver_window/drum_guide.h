// "How to read the drum": a picture of the drum with its parts named, and a few lines on how the
// picture maps onto the drum in the hand.
#pragma once

#include <QWidget>

namespace tq::solver_window {

// Shows the guide beside `parent` without holding up the window, or raises it when it is open
// already. It closes with its button or Escape and is deleted when closed.
void ShowDrumGuide(QWidget* parent);

// The guide's picture: the drum as the solver window draws it, with its parts named beside it.
class DrumGuidePicture : public QWidget {
 public:
  explicit DrumGuidePicture(QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tq::solver_window
