// Fitting a window to the available screen.
#include "ui/solver_window/screen_fit.h"

#include <algorithm>

namespace tq::solver_window {

QSize FitOnScreen(QSize wanted, QSize available) {
  const int marginX = std::max(8, available.width() / 10), marginY = std::max(8, available.height() / 10);
  return {std::clamp(wanted.width(), 1, std::max(1, available.width() - marginX)),
          std::clamp(wanted.height(), 1, std::max(1, available.height() - marginY))};
}

QRect PlaceOnScreen(QRect window, QRect available) {
  QRect placed(window.topLeft(), window.size().boundedTo(available.size()));
  if (placed.right() > available.right()) placed.moveRight(available.right());
  if (placed.bottom() > available.bottom()) placed.moveBottom(available.bottom());
  if (placed.left() < available.left()) placed.moveLeft(available.left());
  if (placed.top() < available.top()) placed.moveTop(available.top());
  return placed;
}

}  // namespace tq::solver_window
