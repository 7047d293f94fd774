// Window sizes that fit the screen they open on, at any scale factor.
#pragma once

#include <QRect>
#include <QSize>

namespace tq::solver_window {

// `wanted`, made no larger than `available` less a margin for the window's frame and title (a
// tenth of each side, at least 8 pixels): a window opened at this size shows whole.
QSize FitOnScreen(QSize wanted, QSize available);

// `window` (a frame's geometry) moved and shrunk to lie inside `available`; a window already
// inside stays where it is.
QRect PlaceOnScreen(QRect window, QRect available);

}  // namespace tq::solver_window
