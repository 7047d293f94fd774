// Painting one slot: balls flat in the game's colours with a soft highlight, holes as a dashed
// rim in black and white (seen on a dark drum and on a light button alike) with an inner shadow.
#include "ui/solver_window/slot_painter.h"

#include <QIconEngine>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "ui/render/ball_colours.h"

namespace tq::solver_window {

namespace {

// Proportions of the slot's side: a ball fills 90 % of it, so that neighbours never touch.
constexpr qreal BallShare = 0.45;
constexpr qreal RimShare = 0.09;

QPointF CentreOf(const QRectF& rect) { return rect.center(); }
qreal SideOf(const QRectF& rect) { return std::min(rect.width(), rect.height()); }

void PaintBall(QPainter& painter, const QRectF& rect, int value, bool showDigit) {
  const QPointF centre = CentreOf(rect);
  const qreal side = SideOf(rect);
  const qreal radius = BallShare * side;
  const QColor colour = BallColourOf(value);
  painter.setPen(QPen(colour.darker(170), 0.05 * side));
  painter.setBrush(colour);
  painter.drawEllipse(centre, radius, radius);
  // A highlight up and to the left makes it read as a ball, not as a flat disc or a hole.
  QRadialGradient shine(centre - QPointF(0.35, 0.4) * radius, 0.55 * radius);
  shine.setColorAt(0, QColor(255, 255, 255, 150));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shine);
  painter.drawEllipse(centre, radius, radius);
  if (!showDigit) return;
  painter.setPen(DigitColourOn(colour));
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(0.5 * side)));
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                   QString::number(value - 1));
}

void PaintHole(QPainter& painter, const QRectF& rect) {
  const QPointF centre = CentreOf(rect);
  const qreal side = SideOf(rect);
  const qreal radius = BallShare * side;
  // The shadow of the upper rim, falling into the hole; the middle stays as clear as what lies
  // behind it.
  QLinearGradient shadow(centre - QPointF(0, radius), centre + QPointF(0, 0.2 * radius));
  shadow.setColorAt(0, QColor(0, 0, 0, 120));
  shadow.setColorAt(1, QColor(0, 0, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shadow);
  painter.drawEllipse(centre, radius, radius);
  // The rim dashed black and white in turn.
  painter.setBrush(Qt::NoBrush);
  QPen pen(Qt::black, RimShare * side, Qt::CustomDashLine, Qt::FlatCap);
  pen.setDashPattern({1.6, 1.6});
  painter.setPen(pen);
  painter.drawEllipse(centre, radius, radius);
  pen.setColor(QColor(225, 225, 225));
  pen.setDashOffset(1.6);
  painter.setPen(pen);
  painter.drawEllipse(centre, radius, radius);
}

// Paints the slot anew at whatever size and pixel ratio the icon is asked for, so that it is
// sharp on every screen.
class SlotIconEngine : public QIconEngine {
 public:
  SlotIconEngine(int value, bool showDigit) : value_(value), showDigit_(showDigit) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    PaintSlot(*painter, rect, value_, showDigit_);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // `size` is in device pixels already; the painting is in the icon's own units.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap pixmap(size);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), (QSizeF(size) / scale).toSize()), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new SlotIconEngine(value_, showDigit_); }
  QString key() const override { return QStringLiteral("tq-slot"); }

 private:
  int value_;
  bool showDigit_;
};

}  // namespace

QColor BallColourOf(int value) {
  const BallColour& colour = BallColours[static_cast<size_t>(std::clamp(value, 0, 6))];
  return QColor(colour.Red, colour.Green, colour.Blue);
}

QColor DigitColourOn(const QColor& colour) {
  const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  const double luminance = 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
  // The contrast ratios against white and against black: (1.05 / (L + 0.05)) and ((L + 0.05) / 0.05).
  return 1.05 / (luminance + 0.05) > (luminance + 0.05) / 0.05 ? Qt::white : Qt::black;
}

void PaintSlot(QPainter& painter, const QRectF& rect, int value, bool showDigit) {
  if (value < 0 || value > 6) return;
  painter.save();
  if (value == 0) {
    PaintHole(painter, rect);
  } else {
    PaintBall(painter, rect, value, showDigit);
  }
  painter.restore();
}

void PaintSlotMark(QPainter& painter, const QRectF& rect) {
  const QPointF centre = CentreOf(rect);
  const qreal side = SideOf(rect);
  const qreal radius = 0.56 * side, width = 0.11 * side;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  QPainterPath mark;
  mark.addEllipse(centre, radius, radius);
  for (const QPointF way : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
    const QPointF unit = way / std::sqrt(2.0);
    mark.moveTo(centre + unit * radius);
    mark.lineTo(centre + unit * (radius + 0.22 * side));
  }
  // White under the red, so that the mark stands out on the dark drum and on red balls.
  painter.setPen(QPen(Qt::white, width + 0.07 * side, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(mark);
  painter.setPen(QPen(QColor(220, 0, 0), width, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(mark);
  painter.restore();
}

QIcon SlotIcon(int value, bool showDigit) { return QIcon(new SlotIconEngine(value, showDigit)); }

}  // namespace tq::solver_window
