// The field picture: a grey grid of 5-pixel bars with one 30 x 30 ball image per slot.
#include "ui/render/field_drawing.h"

#include "model/field.h"
#include "ui/drawing.h"
#include "ui/render/ball_colours.h"

namespace tq {

int32_t FieldWidth = 0;
int32_t FieldHeight = 0;
std::array<ColourEntry, ColourCount> ColourTable{};

namespace {

constexpr int32_t Bar = 5;
constexpr int32_t Pitch = BallImageSize + Bar;

void DrawBars() {
  for (int32_t i = 0; i <= 5; ++i) FillRectangle(Pitch * i, 0, Bar, FieldHeight, GridColour);
  for (int32_t i = 0; i <= 6; ++i) {
    if (i == 0 || i == 6) {
      // Only the long columns 0, 2 and 4 are closed at the top and the bottom.
      for (int32_t j = 0; j <= 2; ++j) FillRectangle(2 * Pitch * j, Pitch * i, Pitch, Bar, GridColour);
    } else {
      FillRectangle(0, Pitch * i, FieldWidth, Bar, GridColour);
    }
  }
}

// A value outside the table has no ball image and leaves its cell black.
void DrawBall(int32_t slot) {
  const int32_t value = Field[slot];
  if (value < 0 || value >= ColourCount) return;
  const SlotPlace place = SlotTable[slot];
  CopyImage(ColourTable[value].Image, Pitch * place.Column + Bar, Pitch * place.Row + Bar);
}

}  // namespace

int32_t SetBallColour(int32_t index, int32_t colour) {
  if (index < 0 || index >= ColourCount) return 0;
  ColourTable[index] = ColourEntry{index + 1, colour};
  return 0;
}

int32_t SetBallColours() {
  static_assert(BallColours.size() == ColourCount);
  for (int32_t i = 0; i < ColourCount; ++i) {
    const BallColour& colour = BallColours[static_cast<size_t>(i)];
    SetBallColour(i, Rgb(colour.Red, colour.Green, colour.Blue));
  }
  return 0;
}

int32_t CreateBallImages() {
  for (const ColourEntry& entry : ColourTable) {
    if (NewImage(entry.Image, BallImageSize, BallImageSize) == 0) return 0;
    StartDrawing();
    FillDisc(BallImageSize / 2, BallImageSize / 2, 10, entry.Colour);
    StopDrawing();
  }
  return 1;
}

int32_t DrawField() {
  NewImage(FieldImage, FieldWidth, FieldHeight);
  StartDrawing();
  DrawBars();
  for (int32_t slot = 0; slot < SlotCount; ++slot) DrawBall(slot);
  StopDrawing();
  return 0;
}

}  // namespace tq
