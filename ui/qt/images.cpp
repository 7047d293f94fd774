// The drawing operations on QImages: pixels are set directly, so every edge is exact.
#include "ui/qt/images.h"

#include <algorithm>
#include <array>

#include "ui/drawing.h"

namespace tq {

namespace {

std::array<QImage, ImageSlots> Images;
int32_t CurrentImage = -1;
QImage* Target = nullptr;  // the current image while drawing

QRgb ToQRgb(int32_t colour) { return qRgb(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff); }

bool ValidNumber(int32_t number) { return number >= 0 && number < ImageSlots; }

// Fills pixels [x0, x1) of row y of the target, clipped to the image.
void FillSpan(int32_t y, int32_t x0, int32_t x1, QRgb colour) {
  if (y < 0 || y >= Target->height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, Target->width());
  if (x0 >= x1) return;
  QRgb* row = reinterpret_cast<QRgb*>(Target->scanLine(y));
  std::fill(row + x0, row + x1, colour);
}

}  // namespace

int32_t NewImage(int32_t number, int32_t width, int32_t height) {
  if (!ValidNumber(number)) return 0;
  Images[number] = QImage();
  CurrentImage = number;
  if (width <= 0 || height <= 0) return 0;
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return 0;
  image.fill(qRgb(0, 0, 0));
  Images[number] = image;
  return 1;
}

int32_t StartDrawing() {
  Target = ValidNumber(CurrentImage) && !Images[CurrentImage].isNull() ? &Images[CurrentImage] : nullptr;
  return 0;
}

int32_t StopDrawing() {
  Target = nullptr;
  return 0;
}

int32_t FillRectangle(int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour) {
  if (Target == nullptr) return 0;
  const int32_t top = std::max(y, 0);
  const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height, Target->height()));
  for (int32_t py = top; py < bottom; ++py) FillSpan(py, x, x + width, ToQRgb(colour));
  return 0;
}

int32_t FillDisc(int32_t cx, int32_t cy, int32_t radius, int32_t colour) {
  if (Target == nullptr || radius <= 0) return 0;
  // Pixel (px, py) has its centre at (px + 0.5, py + 0.5); in doubled units that keeps
  // everything an integer: (2 px + 1 - 2 cx)^2 + (2 py + 1 - 2 cy)^2 <= (2 r)^2.
  const int64_t limit = 4 * int64_t{radius} * radius;
  for (int32_t py = cy - radius; py < cy + radius; ++py) {
    const int64_t dy = 2 * int64_t{py} + 1 - 2 * int64_t{cy};
    int32_t half = 0;  // pixels from the centre line to the edge on each side
    while (half < radius && (2 * int64_t{half} + 1) * (2 * int64_t{half} + 1) + dy * dy <= limit) ++half;
    FillSpan(py, cx - half, cx + half, ToQRgb(colour));
  }
  return 0;
}

int32_t CopyImage(int32_t number, int32_t x, int32_t y) {
  if (Target == nullptr || !ValidNumber(number) || Images[number].isNull()) return 0;
  if (&Images[number] == Target) return 0;
  const QImage& source = Images[number];
  for (int32_t sy = 0; sy < source.height(); ++sy) {
    const int32_t ty = y + sy;
    if (ty < 0 || ty >= Target->height()) continue;
    const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
    QRgb* to = reinterpret_cast<QRgb*>(Target->scanLine(ty));
    for (int32_t sx = 0; sx < source.width(); ++sx) {
      const int32_t tx = x + sx;
      if (tx >= 0 && tx < Target->width()) to[tx] = from[sx];
    }
  }
  return 0;
}

QImage ImageAt(int32_t number) { return ValidNumber(number) ? Images[number] : QImage(); }

void ReleaseImages() {
  for (QImage& image : Images) image = QImage();
  CurrentImage = -1;
  Target = nullptr;
}

}  // namespace tq
