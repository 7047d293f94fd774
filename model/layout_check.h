// Telling a layout that the moves can reach from one they cannot.
#pragma once

#include <string>
#include <string_view>

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
    EmptyPlace,   // the empty slots are not all in row 0 or all in row 5 of the long columns
  };
  Kind What = Kind::None;
  int Count = 0;
  int Needed = 0;
  int Colour = 0;
  int Position = 0;
  char Character = '\0';
};

// Kind::None for a layout of 26 spaces and digits 0 to 5 with the start position's ball counts
// and its three empty slots all in row 0 or all in row 5 of the long columns: exactly the layouts
// some moves make from the start. Otherwise the first fault, length before characters before
// the empty slots' number before the colours' counts (colour 0 first) before the empty slots'
// places.
LayoutFault FindLayoutFault(std::string_view layout);

// "" where FindLayoutFault finds nothing; otherwise what is wrong, in words such as "layout has
// 25 characters, needs 26".
std::string LayoutProblem(std::string_view layout);

}  // namespace tq
