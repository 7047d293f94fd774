// Painting the Field: the colour table, the seven ball images and the field picture.
#pragma once

#include <array>
#include <cstdint>

namespace tq {

// Size of the field picture; the window is FieldWidth + 400 wide and FieldHeight high.
// Zero until start-up sets them.
extern int32_t FieldWidth;
extern int32_t FieldHeight;

inline constexpr int32_t FieldImage = 0;       // image number of the whole field
inline constexpr int32_t BallImageSize = 30;   // ball images 1 to 7 are this square
inline constexpr int32_t GridColour = 127 + 256 * 127 + 65536 * 127;

// Entry v is drawn for slot value v: 0 the empty slot, 1 to 6 the colour codes 0 to 5.
struct ColourEntry {
  int32_t Image;   // number of the entry's BallImage, always index + 1
  int32_t Colour;
};
inline constexpr int32_t ColourCount = 7;
extern std::array<ColourEntry, ColourCount> ColourTable;

int32_t SetBallColour(int32_t index, int32_t colour);
// Fills the table with the program's seven colours, in index order.
int32_t SetBallColours();
// Paints one BallImage per table entry; 1 when all seven were made, 0 at the first failure.
int32_t CreateBallImages();
// Paints FieldImage anew from the Field.
int32_t DrawField();

}  // namespace tq
