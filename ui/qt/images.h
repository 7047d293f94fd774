// The numbered images behind the drawing operations, as Qt images.
#pragma once

#include <QImage>

namespace tq {

// Image `number`, or a null image when there is none.
QImage ImageAt(int32_t number);
// Releases every image (for tests).
void ReleaseImages();

}  // namespace tq
