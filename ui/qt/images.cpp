// The drawing operations on QImages: pixels are set directly, so every edge is exact at any
// pixel ratio.
#include "ui/qt/images.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "ui/drawing.h"

namespace tq {

namespace {

std::array<QImage, ImageSlots> Images;
int32_t CurrentImage = -1;
QImage* Target = nullptr;  // the current image while drawing
qreal Ratio = 1;

QRgb ToQRgb(int32_t colour) { return qRgb(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff); }

bool ValidNumber(int32_t number) { return number >= 0 && number < ImageSlots; }

// The device pixel edge of a logical coordinate on the target: rectangles that meet in
// logical pixels meet in device pixels too, and at ratio 1 every edge stays where it is.
int32_t DeviceEdge(int64_t logical) {
  const qreal device = std::round(static_cast<qreal>(logical) * Target->devicePixelRatio());
  return static_cast<int32_t>(std::clamp<qreal>(device, INT32_MIN, INT32_MAX));
}

// Fills pixels [x0, x1) of row y of the target, in device pixels, clipped to the image.
void FillSpan(int32_t y, int32_t x0, int32_t x1, QRgb colour) {
  if (y < 0 || y >= Target->height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, Target->width());
  if (x0 >= x1) return;
  QRgb* row = reinterpret_cast<QRgb*>(Target->scanLine(y));
  std::fill(row + x0, row + x1, colour);
}

}  // namespace

void SetDrawingRatio(qreal ratio) { Ratio = ratio >= 1 ? ratio : 1; }

qreal DrawingRatio() { return Ratio; }

int32_t NewImage(int32_t number, int32_t width, int32_t height) {
  if (!ValidNumber(number)) return 0;
  Images[number] = QImage();
  CurrentImage = number;
  if (width <= 0 || height <= 0) return 0;
  QImage image(static_cast<int>(std::ceil(width * Ratio)), static_cast<int>(std::ceil(height * Ratio)),
               QImage::Format_RGB32);
  if (image.isNull()) return 0;
  image.setDevicePixelRatio(Ratio);
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
  const int32_t left = DeviceEdge(x);
  const int32_t right = DeviceEdge(int64_t{x} + width);
  const int32_t top = std::max(DeviceEdge(y), 0);
  const int32_t bottom = std::min(DeviceEdge(int64_t{y} + height), Target->height());
  for (int32_t py = top; py < bottom; ++py) FillSpan(py, left, right, ToQRgb(colour));
  return 0;
}

int32_t FillDisc(int32_t cx, int32_t cy, int32_t radius, int32_t colour) {
  if (Target == nullptr || radius <= 0) return 0;
  // The pixels whose centres (px + 0.5, py + 0.5) lie within the radius, all in device pixels.
  // At ratio 1 every term is a multiple of one half, so the test is exact.
  const qreal ratio = Target->devicePixelRatio();
  const qreal centreX = cx * ratio;
  const qreal centreY = cy * ratio;
  const qreal reach = radius * ratio;
  const auto first = [](qreal from) { return static_cast<int32_t>(std::floor(from)); };
  for (int32_t py = first(centreY - reach); py <= first(centreY + reach); ++py) {
    const qreal dy = py + 0.5 - centreY;
    int32_t spanStart = 0;
    bool inSpan = false;
    for (int32_t px = first(centreX - reach); px <= first(centreX + reach) + 1; ++px) {
      const qreal dx = px + 0.5 - centreX;
      const bool inside = dx * dx + dy * dy <= reach * reach;
      if (inside && !inSpan) spanStart = px;
      if (!inside && inSpan) FillSpan(py, spanStart, px, ToQRgb(colour));
      inSpan = inside;
    }
  }
  return 0;
}

int32_t CopyImage(int32_t number, int32_t x, int32_t y) {
  if (Target == nullptr || !ValidNumber(number) || Images[number].isNull()) return 0;
  if (&Images[number] == Target) return 0;
  const QImage& source = Images[number];
  const int32_t left = DeviceEdge(x);
  const int32_t top = DeviceEdge(y);
  for (int32_t sy = 0; sy < source.height(); ++sy) {
    const int64_t ty = int64_t{top} + sy;
    if (ty < 0 || ty >= Target->height()) continue;
    const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
    QRgb* to = reinterpret_cast<QRgb*>(Target->scanLine(static_cast<int>(ty)));
    for (int32_t sx = 0; sx < source.width(); ++sx) {
      const int64_t tx = int64_t{left} + sx;
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
