// One slot painted anywhere a position is shown: a ball in its colour, with its digit on request,
// or an empty hole that no ball can be mistaken for.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace tq::solver_window {

// Paints one slot centred in `rect` (its smaller side is the slot's diameter). `value` is the
// slot's value: 0 an empty slot, 1 to 6 a ball of colour 0 to 5; any other value paints nothing.
// An empty slot is a hole: what lies behind it shows through a dashed rim with a shadow at its
// upper edge, so it never reads as a ball, not even as the grey or a dark one. `showDigit` writes
// the colour's digit on a ball, in black or white, whichever reads on it. The painter's pen,
// brush and font are kept.
void PaintSlot(QPainter& painter, const QRectF& rect, int value, bool showDigit);

// A mark around the slot in `rect` that tells it apart without relying on colour: a thick red
// ring with four ticks pointing out of it.
void PaintSlotMark(QPainter& painter, const QRectF& rect);

// The slot as an icon, painted afresh at every size and device pixel ratio asked for; disabled,
// it is painted faded.
QIcon SlotIcon(int value, bool showDigit);

// The colour of a ball (value 1 to 6).
QColor BallColourOf(int value);
// Black or white, whichever stands out more from `colour` by the contrast ratio of relative
// luminances: black on the green, red, yellow and orange balls, white on the blue and grey.
QColor DigitColourOn(const QColor& colour);

}  // namespace tq::solver_window
