// MainWindow: opening it, the callback it offers presses to, and dragging it.
#include "ui/qt/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>
#include <QWindow>
#include <algorithm>

#include "ui/qt/key_mapping.h"
#include "ui/qt/result_list.h"
#include "ui/render/field_drawing.h"
#include "ui/window_toolkit.h"

namespace tq {

MainWindowWidget* MainWindow = nullptr;

namespace {

WindowCallbackProc Callback = nullptr;

uint32_t Offer(uint32_t message, uint32_t wParam, uint32_t lParam) {
  return Callback != nullptr ? Callback(0, message, wParam, lParam) : NotHandled;
}

}  // namespace

MainWindowWidget::MainWindowWidget() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setWindowTitle(QStringLiteral("Trommelquirl"));
  setCursor(Qt::ArrowCursor);
  // Not in the Tab chain: Tab only ever leads to ResultList.
  setFocusPolicy(Qt::NoFocus);
}

void MainWindowWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
}

void MainWindowWidget::keyPressEvent(QKeyEvent* event) {
  Offer(WmKeyDown, VirtualKeyOf(*event), 0);
  QWidget::keyPressEvent(event);
}

void MainWindowWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressPoint_ = event->globalPosition().toPoint();
  const QPoint at = event->position().toPoint();
  Offer(WmLButtonDown, 1, static_cast<uint32_t>(at.x() & 0xffff) | static_cast<uint32_t>(at.y() & 0xffff) << 16);
  event->accept();
}

void MainWindowWidget::ArmDrag() {
  dragArmed_ = true;
  following_ = false;
  grabOffset_ = pressPoint_ - pos();
}

// The window system's move starts only once the pointer has moved with the button held: asked
// for at the press itself, a tap whose release comes with the press leaves the window manager
// moving the window with no button down, holding every key until Escape.
void MainWindowWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    dragArmed_ = false;
    following_ = false;
    return;
  }
  const QPoint pointer = event->globalPosition().toPoint();
  if (dragArmed_ && (pointer - pressPoint_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
    dragArmed_ = false;
    // The window system moves the window on from where it stands now, a drag distance behind
    // the pointer: moved first, it would be put back by the system's own move.
    QWindow* window = windowHandle();
    following_ = window == nullptr || !window->startSystemMove();
  }
  if (following_) move(pointer - grabOffset_);
}

void MainWindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragArmed_ = false;
  following_ = false;
}

void MainWindowWidget::closeEvent(QCloseEvent* event) { event->ignore(); }

QPoint CentredPosition(int screenWidth, int screenHeight, int width, int height) {
  return QPoint(screenWidth / 2 - std::min(width, screenWidth) / 2, screenHeight / 2 - std::min(height, screenHeight) / 2);
}

int32_t OpenMainWindow() {
  // A window opened anew takes its controls with it.
  delete MainWindow;
  FieldPicture = nullptr;
  ResultList = nullptr;
  SearchProgress = nullptr;
  MainWindow = new MainWindowWidget();
  const int width = FieldWidth + 400;
  const int height = FieldHeight;
  MainWindow->setFixedSize(width, height);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    MainWindow->move(area.topLeft() + CentredPosition(area.width(), area.height(), width, height));
  }
  MainWindow->show();
  MainWindow->activateWindow();
  MainWindow->setFocus(Qt::ActiveWindowFocusReason);
  return MainWindow->windowHandle() != nullptr ? 1 : 0;
}

int32_t InstallWindowCallback(WindowCallbackProc callback) {
  Callback = callback;
  return 0;
}

int32_t DragMainWindow() {
  if (MainWindow == nullptr) return 0;
  MainWindow->setFocus(Qt::MouseFocusReason);
  MainWindow->ArmDrag();
  return 0;
}

}  // namespace tq
