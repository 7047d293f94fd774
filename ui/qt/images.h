// The numbered images behind the drawing operations, as Qt images.
#pragma once

#include <QImage>

namespace tq {

// Images are made with this many device pixels to a logical pixel, and the drawing operations
// take logical coordinates: at a ratio above 1 the field is painted at the screen's own
// resolution instead of being enlarged. Images made before a change keep their own ratio.
void SetDrawingRatio(qreal ratio);
qreal DrawingRatio();

// Image `number`, or a null image when there is none.
QImage ImageAt(int32_t number);
// Releases every image (for tests).
void ReleaseImages();

}  // namespace tq
