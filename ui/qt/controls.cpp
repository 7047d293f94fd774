// The three controls of MainWindow and the operations that show the field and the progress.
#include <QPainter>
#include <algorithm>

#include "model/field.h"
#include "ui/qt/images.h"
#include "ui/qt/main_window.h"
#include "ui/qt/result_list.h"
#include "ui/render/field_drawing.h"
#include "ui/window_toolkit.h"

namespace tq {

FieldPictureWidget* FieldPicture = nullptr;
QProgressBar* SearchProgress = nullptr;

namespace {
constexpr int ProgressMaximum = 300;
int ShownProgress = 0;   // what the bar shows
int WantedProgress = 0;  // what the search last asked for, clamped
FieldSlots ShownField{};  // the position FieldPicture shows
}  // namespace

FieldPictureWidget::FieldPictureWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldPictureWidget::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void FieldPictureWidget::paintEvent(QPaintEvent*) {
  if (!image_.isNull() && image_.devicePixelRatio() != devicePixelRatioF()) image_ = RedrawFieldAtRatio(devicePixelRatioF());
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  if (!image_.isNull()) painter.drawImage(0, 0, image_);
}

namespace {

QProgressBar* NewSearchProgress(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setGeometry(FieldWidth, FieldHeight - 15, 300, 15);
  bar->setRange(0, ProgressMaximum);
  bar->setValue(0);
  bar->setTextVisible(false);
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setAttribute(Qt::WA_NoMousePropagation);  // a press on the bar is the bar's, not a drag
  return bar;
}

}  // namespace

int32_t CreateControls() {
  if (MainWindow == nullptr) return 0;
  FieldPicture = new FieldPictureWidget(MainWindow);
  FieldPicture->setGeometry(0, 0, FieldWidth, FieldHeight);
  ResultList = new ResultListView(MainWindow);
  ResultList->setGeometry(FieldWidth, 0, 300, FieldHeight - 15);
  SearchProgress = NewSearchProgress(MainWindow);
  ShownProgress = WantedProgress = 0;
  FieldPicture->show();
  ResultList->show();
  SearchProgress->show();
  return 0;
}

int32_t ShowFieldImage() {
  ShownField = Field;
  if (FieldPicture != nullptr) FieldPicture->SetImage(ImageAt(FieldImage));
  return 0;
}

QImage RedrawFieldAtRatio(qreal ratio) {
  SetDrawingRatio(ratio);
  CreateBallImages();
  const FieldSlots current = Field;
  Field = ShownField;
  DrawField();
  Field = current;
  return ImageAt(FieldImage);
}

// A real drain, not the search's cheap one: the picture repaints at once, and keys pressed
// in the meantime run their commands now.
int32_t RefreshField() {
  DrawField();
  ShowFieldImage();
  return DrainEventsNow();
}

// A progress bar repaints at once on every change, at a cost of 100 us and more, and the
// search sets a value on every trial: it only records the value, and the event pump shows
// it now and then.
int32_t SetSearchProgress(int32_t value) {
  WantedProgress = std::clamp(value, 0, ProgressMaximum);
  return 0;
}

void ShowSearchProgress() {
  if (WantedProgress == ShownProgress) return;
  ShownProgress = WantedProgress;
  if (SearchProgress != nullptr) SearchProgress->setValue(ShownProgress);
}

}  // namespace tq
