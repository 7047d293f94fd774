// The game's seven ball colours, for every program that draws the drum, so that a position
// looks the same in each.
#pragma once

#include <array>
#include <cstdint>

namespace tq {

struct BallColour {
  uint8_t Red;
  uint8_t Green;
  uint8_t Blue;
};

// Indexed by slot value: 0 the empty slot, 1 to 6 the colour codes 0 to 5. The game draws the
// empty slot as a dark disc in its colour; the solver window draws it as a hole
// (ui/solver_window/slot_painter.h), since next to the grey and blue balls a disc read as a ball.
inline constexpr std::array<BallColour, 7> BallColours = {{
    {50, 50, 50},     // empty slot, dark grey
    {0, 0, 255},      // colour 0, blue
    {255, 255, 0},    // colour 1, yellow
    {255, 127, 0},    // colour 2, orange
    {100, 100, 100},  // colour 3, grey
    {0, 192, 0},      // colour 4, green
    {255, 0, 0},      // colour 5, red
}};

}  // namespace tq
