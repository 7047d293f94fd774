// Where everything of the drum picture stands, in the picture's own units: the slots, the fixed
// strips at the top and bottom, the two halves and the line between them, the faded neighbours
// beyond columns 5 and 1, and the arrows of the moves. The painter, the hit test and the tests
// share it.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace tq::solver_window::drum {

// The whole picture, from the column numbers at the top to the lower fixed strip.
QSizeF PictureSize();

// The centre of a ball standing at (column, row); both may lie between two slots, as during a
// move. Column -1 is column 4 again, seen beyond column 0 (the drum is round), and column 5 is
// column 0 beyond column 4. Row 0 and row 5 are the fixed strips.
QPointF CentreAt(qreal column, qreal row);
// The square a ball at (column, row) is painted in.
QRectF SlotSquare(qreal column, qreal row);
// The square of a slot (0 to 25).
QRectF SlotSquare(int slot);
// What still counts as a press on the slot: its square and half the gap around it.
QRectF SlotHitArea(int slot);

// The strip of the top (row 0) or bottom (row 5) slots of the long columns, which stay when the
// halves turn.
QRectF FixedStrip(bool top);
// The band of rows 1 and 2 (upper) or 3 and 4 (lower), which turn together.
QRectF HalfBand(bool upper);
// The line between the upper and the lower half, from its left end to its right end.
QLineF HalfLine();
// The track in which long column 0, 2 or 4 slides, through both fixed strips.
QRectF SlideTrack(int column);
// The part of the picture where columns 0 to 4 are shown in full.
QRectF MainArea();
// The faded strip that shows column 4 again before column 0 (left) or column 0 after column 4.
QRectF NeighbourArea(bool left);
// Where the number of column 0 to 4 (or of a neighbour, -1 and 5) is written.
QRectF NumberBox(int column);

// The arrows of a move code (1 to 5) as one outline. The turns run between the two rows of their
// half; the slide's arrows run beside the long columns, clear of every ball. `longColumnsUp` is
// where the long columns stand before the slide (true: their empty slots in row 5, so they go
// down). Empty for any other code.
QPainterPath MoveArrows(int move, bool longColumnsUp);
// What a move code moves, to be tinted under its arrows: the half, or the three slide tracks.
QPainterPath MovedArea(int move);

}  // namespace tq::solver_window::drum
