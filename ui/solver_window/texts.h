// The window's words for moves, colours and what keeps a position from being solved.
#pragma once

#include <QString>

#include "model/layout_check.h"

namespace tq::solver_window {

// "Turn upper half right" and so on for move codes 1 to 5, "Slide the long columns" for a slide.
QString MoveText(int code);
// The same for a move made from a known position, where a slide is named by its way: "Slide the
// long columns down" when they stand up, "... up" otherwise.
QString MoveText(int code, bool longColumnsUp);
// "blue" and so on for colour codes 0 to 5, "empty" for -1.
QString ColourName(int colour);
// Why a position cannot be solved, as one sentence; "" for Kind::None.
QString FaultText(const LayoutFault& fault);
// Why a pasted text is no layout (Length or Character faults), as one sentence.
QString RefusedPasteText(const LayoutFault& fault);
// "31 moves; none shorter", or that the drum is solved already.
QString SolutionLengthText(int moves);

}  // namespace tq::solver_window
