// The window's words for moves, colours and what keeps a position from being solved.
#pragma once

#include <QString>

class QLocale;
class QTranslator;

#include <string_view>
#include <vector>

#include "model/layout_check.h"
#include "session/solving_session.h"

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
// Every fault of a layout, one sentence each, in the session's order; an empty slot in a short
// column is named by its column (numbered from 1, as the drum shows them). "" for none.
QString FaultsText(const std::vector<session::MarkedFault>& faults, std::string_view layout);
// Why a pasted text is no layout (Length or Character faults), as one sentence.
QString RefusedPasteText(const LayoutFault& fault);
// Loads the window's words for `locale`, and the English ones where there are none for it (the
// C locale, a language not translated): English plurals ("1 empty slot") come from there too.
bool LoadWindowTranslation(QTranslator& translator, const QLocale& locale);
// "31 moves; none shorter", or that the drum is solved already.
QString SolutionLengthText(int moves);

}  // namespace tq::solver_window
