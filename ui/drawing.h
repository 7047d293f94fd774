// The drawing operations the field rendering paints with, on numbered images the toolkit owns.
#pragma once

#include <cstdint>

namespace tq {

// Colours are r + 256 * g + 65536 * b.
constexpr int32_t Rgb(int32_t r, int32_t g, int32_t b) { return r + 256 * g + 65536 * b; }

// Images 0 to ImageSlots - 1 exist.
inline constexpr int32_t ImageSlots = 8;

// Makes image `number` anew, width x height, black, releasing the earlier image of that number,
// and makes it the current image. Returns 1, or 0 when it could not be made.
int32_t NewImage(int32_t number, int32_t width, int32_t height);
// Drawing goes to the current image between these two calls.
int32_t StartDrawing();
int32_t StopDrawing();
// Exactly the pixels x <= px < x + width, y <= py < y + height.
int32_t FillRectangle(int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour);
// A disc 2 * radius pixels across inside the half-open box from (cx - radius, cy - radius)
// to (cx + radius, cy + radius): the pixels whose centres lie within the radius of (cx, cy).
int32_t FillDisc(int32_t cx, int32_t cy, int32_t radius, int32_t colour);
// Copies the whole of image `number` with its top-left corner at (x, y); a missing image
// copies nothing.
int32_t CopyImage(int32_t number, int32_t x, int32_t y);

}  // namespace tq
