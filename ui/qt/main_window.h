// MainWindow and its two plain controls, FieldPicture and SearchProgress.
#pragma once

#include <QImage>
#include <QProgressBar>
#include <QWidget>

namespace tq {

// Shows FieldImage as it is; takes no mouse input, so a press on it reaches MainWindow.
class FieldPictureWidget : public QWidget {
 public:
  explicit FieldPictureWidget(QWidget* parent);
  void SetImage(const QImage& image);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

// The frameless top-level window: offers key and button presses to the installed callback,
// refuses close requests, and is dragged with the left button: once the pointer moves beyond
// the platform's drag distance with the button held, by the window system, or by following the
// pointer itself when the system cannot move it.
class MainWindowWidget : public QWidget {
 public:
  MainWindowWidget();
  // Drags the window with the present press once the pointer moves with the button held.
  void ArmDrag();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QPoint pressPoint_;  // global pointer position of the last left-button press
  QPoint grabOffset_;  // pointer minus window position while following
  bool dragArmed_ = false;  // pressed, not yet moved beyond the drag distance
  bool following_ = false;
};

extern MainWindowWidget* MainWindow;
extern FieldPictureWidget* FieldPicture;
extern QProgressBar* SearchProgress;

// The window has moved to a screen of another pixel ratio: paints the ball images and the
// field anew at that ratio, from the position FieldPicture shows (a running search may hold
// another one in the Field meanwhile), and gives the new FieldImage.
QImage RedrawFieldAtRatio(qreal ratio);

// Shows the progress value the search last set, when it differs from what the bar shows.
void ShowSearchProgress();

// Top-left corner that centres a window of the given size on a W x H screen; a window larger
// than the screen starts at its edge.
QPoint CentredPosition(int screenWidth, int screenHeight, int width, int height);

}  // namespace tq
