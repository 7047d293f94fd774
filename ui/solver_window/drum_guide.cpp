// The guide's picture is painted by the drum's own painter, on the start position, so that
// everything it names looks exactly as in the window; its words are spread beside it with lines to what they name.
#include "ui/solver_window/drum_guide.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "model/field.h"
#include "model/moves.h"
#include "ui/solver_window/drum_geometry.h"
#include "ui/solver_window/drum_painting.h"

namespace tq::solver_window {

namespace {

// Room for the words at either side of the drum, in the picture's units.
constexpr qreal Side = 170;
constexpr qreal Gap = 14;
constexpr int TextSize = 13;
constexpr int MinimumTextSize = 9;

struct Callout {
  QString text;
  QPointF target;  // in the drum's units
  bool left;       // the words stand left of the drum
};

std::array<Callout, 8> Callouts() {
  using namespace drum;
  const QRectF top = FixedStrip(true), bottom = FixedStrip(false);
  const QRectF upper = HalfBand(true), lower = HalfBand(false);
  const QRectF neighbour = NeighbourArea(true);
  return {{
      {QCoreApplication::translate("DrumGuide", "Column numbers 1 to 5"), NumberBox(4).center() + QPointF(10, 0), false},
      {QCoreApplication::translate("DrumGuide", "Top slots: fixed, they never turn"),
       QPointF(top.right() - 4, top.center().y()), false},
      {QCoreApplication::translate("DrumGuide", "Upper half: its two rows turn together"), QPointF(upper.right() - 2, upper.center().y()), false},
      {QCoreApplication::translate("DrumGuide", "The line between the halves"), HalfLine().p2(), false},
      {QCoreApplication::translate("DrumGuide", "Lower half: its two rows turn together"), QPointF(lower.right() - 2, lower.center().y()), false},
      {QCoreApplication::translate("DrumGuide", "Bottom slots: fixed, they never turn"), QPointF(bottom.right() - 4, bottom.center().y()), false},
      {QCoreApplication::translate("DrumGuide", "Faded: column 5 again; columns 5 and 1 are neighbours around the drum"),
       QPointF(neighbour.left() + 4, upper.center().y()), true},
      {QCoreApplication::translate("DrumGuide", "Columns 1, 3 and 5 slide through the fixed slots. An empty slot is a hole."),
       SlotSquare(SlotNumber(0, 5)).center() - QPointF(8, 0), true},
  }};
}

QSizeF CanvasSize() { return drum::PictureSize() + QSizeF(2 * (Side + Gap), 0); }

}  // namespace

DrumGuidePicture::DrumGuidePicture(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  setAccessibleName(QCoreApplication::translate("DrumGuide", "The drum with its parts named"));
}

// At its wished size the words are as large as the desktop's own (13 units by 1.2: 15.6 pixels).
QSize DrumGuidePicture::sizeHint() const { return (1.2 * CanvasSize()).toSize(); }
QSize DrumGuidePicture::minimumSizeHint() const { return (0.8 * CanvasSize()).toSize(); }
int DrumGuidePicture::heightForWidth(int width) const {
  const QSizeF canvas = CanvasSize();
  return static_cast<int>(width * canvas.height() / canvas.width());
}

void DrumGuidePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QSizeF canvas = CanvasSize();
  const qreal scale = std::min(width() / canvas.width(), height() / canvas.height());
  painter.translate((width() - scale * canvas.width()) / 2, (height() - scale * canvas.height()) / 2);
  painter.scale(scale, scale);
  painter.save();
  painter.translate(Side + Gap, 0);
  DrumScene scene;
  scene.layout = StartLayout;
  scene.textColour = palette().color(QPalette::WindowText);
  PaintDrum(painter, scene);
  painter.restore();

  painter.setRenderHint(QPainter::Antialiasing);
  const std::array<Callout, 8> callouts = Callouts();
  // The words on each side are spread evenly over the picture's height, in the order of what
  // they point at, so that no two leader lines cross.
  for (const bool left : {true, false}) {
    std::vector<const Callout*> side;
    for (const Callout& callout : callouts) {
      if (callout.left == left) side.push_back(&callout);
    }
    const qreal slot = canvas.height() / static_cast<qreal>(side.size());
    for (size_t i = 0; i < side.size(); ++i) {
      const QRectF box(left ? 0 : canvas.width() - Side, slot * static_cast<qreal>(i), Side, slot);
      const QPointF target = side[i]->target + QPointF(Side + Gap, 0);
      const QRectF room = box.adjusted(2, 2, -2, -2);
      const int flags = (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextWordWrap;
      // Words too long for their room, as a translation may be, are set smaller until they fit.
      QFont font = painter.font();
      for (int size = TextSize; size >= MinimumTextSize; --size) {
        font.setPixelSize(size);
        painter.setFont(font);
        if (painter.boundingRect(room, flags, side[i]->text).height() <= room.height()) break;
      }
      painter.setPen(palette().color(QPalette::WindowText));
      QRectF used;
      painter.drawText(room, flags, side[i]->text, &used);
      const QPointF from(left ? used.right() + 3 : used.left() - 3, used.center().y());
      painter.setPen(QPen(palette().color(QPalette::Highlight), 1.2));
      painter.drawLine(from, target);
      painter.setBrush(palette().color(QPalette::Highlight));
      painter.drawEllipse(target, 2.2, 2.2);
    }
  }
}

void ShowDrumGuide(QWidget* parent) {
  if (parent != nullptr) {
    if (auto* open = parent->findChild<QDialog*>(QStringLiteral("drumGuide"))) {
      open->raise();
      open->activateWindow();
      return;
    }
  }
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(QStringLiteral("drumGuide"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QCoreApplication::translate("DrumGuide", "How to Read the Drum"));
  auto* layout = new QVBoxLayout(dialog);
  auto* picture = new DrumGuidePicture(dialog);
  layout->addWidget(picture);
  auto* words = new QLabel(
      QCoreApplication::translate("DrumGuide", "<p>The picture shows the drum unrolled: read it from left to right as the drum turns past you. "
                "Column 5 is followed again by column 1.</p>"
                "<p>Turning a half moves the balls of its two rows one column to the left or right, all round the "
                "drum. Sliding moves columns 1, 3 and 5 one slot up or down at once; the short columns 2 and 4 "
                "never slide.</p>"
                "<p>The next move is shown by white arrows: across its half for a turn, beside the long columns "
                "for a slide. A red ring with four ticks marks a slot that keeps the position from being "
                "solved.</p>"),
      dialog);
  words->setWordWrap(true);
  words->setTextFormat(Qt::RichText);
  layout->addWidget(words);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  layout->addWidget(buttons);
  // As wide as the picture wishes, within the screen; as high as the words then need.
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const QMargins margins = layout->contentsMargins();
  const int width = std::min(picture->sizeHint().width() + margins.left() + margins.right(), area.width() * 9 / 10);
  const int height = dialog->heightForWidth(width);
  dialog->resize(width, std::min(height > 0 ? height : dialog->sizeHint().height(), area.height() * 9 / 10));
  dialog->show();
}

}  // namespace tq::solver_window
