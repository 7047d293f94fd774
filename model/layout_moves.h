// Moves on layout texts, for callers that keep positions as text: no process-wide state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// The layout after move code 1 to 5 (any other code: the layout as read). The layout is read
// as LayoutToField reads it and written as FieldToLayout writes it; meant for layouts that
// FindLayoutFault accepts.
std::string LayoutAfterMove(std::string_view layout, int code);

// True when the long columns stand up: some long column's row 5 is empty, so that a slide
// moves them down (slide state 0).
bool LongColumnsUp(std::string_view layout);

// The layout after `moves` random moves drawn as Scramble draws them (never two slides in a row,
// never a half turn undone at once), from a generator of its own seeded from `seed`: the same
// seed gives the same layout on every platform.
std::string ScrambledLayout(std::string_view layout, int moves, uint64_t seed);

}  // namespace tq
