// Telling a layout that the moves can reach from one they cannot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tq {

// The first thing wrong with a layout, in the order a person would fix them, as data for a
// program that words it itself.
struct LayoutFault {
  enum class Kind {
    None,         // a position the moves can reach
    Length,       // Count characters instead of Needed
    Character,    // character number Position (from 1) is Character, not a space or 0 to 5
    EmptyCount,   // Count empty slots instead of Needed
    ColourCount,  // Count balls of colour Colour instead of Needed
    EmptyPlace,   // the empty slots are not all in row 0 or all in row 5 of the long columns;
                  // in a list of every fault, Column names a short column that holds one
  };
  Kind What = Kind::None;
  int Count = 0;
  int Needed = 0;
  int Colour = 0;
  int Position = 0;
  char Character = '\0';
  // EmptyPlace in FindLayoutFaults: the short column (1 or 3) holding an empty slot, or -1 when
  // the fault is about empty slots of the long columns outside their end row.
  int Column = -1;
};

// One fault and the slots (0 to 25, 5 * column + row) a front end marks for it.
struct MarkedLayoutFault {
  LayoutFault Fault;
  std::vector<int> Slots;
};

// Kind::None for a layout of 26 spaces and digits 0 to 5 with the start position's ball counts
// and its three empty slots all in row 0 or all in row 5 of the long columns: exactly the layouts
// some moves make from the start. Otherwise the first fault, length before characters before
// the empty slots' number before the colours' counts (colour 0 first) before the empty slots'
// places.
LayoutFault FindLayoutFault(std::string_view layout);

// Every fault of a layout, in the order FindLayoutFault checks them, so that the first is the
// one FindLayoutFault gives (for EmptyPlace: the same kind); empty exactly when it gives None.
// - Length: alone (no slot to mark).
// - Character: one for every character that is not a space or 0 to 5, marking its slot; no
//   count is checked then.
// - EmptyCount: marks every empty slot when there are too many (one of them must be filled),
//   none when there are too few.
// - ColourCount: one for every colour whose count is wrong, colour 0 first; marks every ball of
//   the colour when there are too many, none when too few.
// - EmptyPlace: one for each short column holding an empty slot (Column 1 or 3, marking those
//   slots), then one (Column -1) when an empty slot of a long column lies outside the end row
//   that holds most of the long columns' empty slots (row 5 on a tie, as at the start),
//   marking the empty slots outside it. Checked whatever the counts.
std::vector<MarkedLayoutFault> FindLayoutFaults(std::string_view layout);

// "" where FindLayoutFault finds nothing; otherwise what is wrong, in words such as "layout has
// 25 characters, needs 26".
std::string LayoutProblem(std::string_view layout);

}  // namespace tq
