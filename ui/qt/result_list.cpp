// ResultList and the list operations the search and the commands use.
#include "ui/qt/result_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include "ui/commands/windows_1252.h"

#include "ui/window_toolkit.h"

namespace tq {

ResultListView* ResultList = nullptr;

ResultListModel::ResultListModel(QObject* parent, size_t capacity)
    : QAbstractTableModel(parent), lines_(capacity), pending_(capacity) {}

void ResultListModel::Flush() {
  const size_t batch = pending_.Size();
  if (batch == 0) return;
  const size_t capacity = lines_.Capacity();
  const size_t excess = lines_.Size() + batch > capacity ? lines_.Size() + batch - capacity : 0;
  const size_t dropped = std::min(excess, lines_.Size());
  if (dropped != 0) {
    beginRemoveRows(QModelIndex(), 0, static_cast<int>(dropped) - 1);
    lines_.DropOldest(dropped);
    endRemoveRows();
  }
  const int first = static_cast<int>(lines_.Size());
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(batch) - 1);
  for (size_t i = 0; i < batch; ++i) lines_.Append(pending_.Line(i));
  pending_.Clear();
  endInsertRows();
}

void ResultListModel::Clear() {
  beginResetModel();
  lines_.Clear();
  pending_.Clear();
  endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.Size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const std::string_view line = lines_.Line(static_cast<size_t>(index.row()));
  // The program's texts are ASCII; a stored solution read from the file may hold any byte,
  // and the file's bytes are Windows-1252 characters.
  QString text(static_cast<qsizetype>(line.size()), Qt::Uninitialized);
  for (size_t i = 0; i < line.size(); ++i) text[static_cast<qsizetype>(i)] = QChar(Windows1252Character(static_cast<unsigned char>(line[i])));
  return text;
}

ResultListView::ResultListView(QWidget* parent) : QTableView(parent), model_(new ResultListModel(this)) {
  setModel(model_);
  LookLikeAList();
  BehaveLikeAList();
}

void ResultListView::LookLikeAList() {
  horizontalHeader()->hide();
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  // A fixed row height spares the view from measuring a million rows.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 1);
  setShowGrid(false);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);  // a long line is cut at the right edge, not shortened
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void ResultListView::BehaveLikeAList() {
  setAutoScroll(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the list through the focus chain, which holds nothing else to go to.
  setTabKeyNavigation(false);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_NoMousePropagation);
}

QString ResultListView::LineText(int row) const { return model_->data(model_->index(row, 0), Qt::DisplayRole).toString(); }

void ResultListView::keyPressEvent(QKeyEvent* event) {
  QTableView::keyPressEvent(event);
  event->accept();
}

void ResultListView::keyReleaseEvent(QKeyEvent* event) {
  QTableView::keyReleaseEvent(event);
  event->accept();
}

void FlushResultList() {
  if (ResultList != nullptr) ResultList->Lines()->Flush();
}

int32_t AddListLine(std::string_view text) {
  if (ResultList != nullptr) ResultList->Lines()->Append(text);
  return 0;
}

// The room a row's text has: the list inside its frame, less a vertical scroll bar that may
// come, less the margins the view leaves on either side of a cell's text.
bool ListLineFits(std::string_view text) {
  if (ResultList == nullptr) return true;
  const QStyle* style = ResultList->style();
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ResultList) + 1;
  const int scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ResultList);
  const int room = ResultList->width() - 2 * ResultList->frameWidth() - scrollBar - 2 * margin;
  QString shown;
  for (const char byte : text) shown.append(QChar(Windows1252Character(static_cast<unsigned char>(byte))));
  return ResultList->fontMetrics().horizontalAdvance(shown) <= room;
}

int32_t ClearResultList() {
  if (ResultList != nullptr) ResultList->Lines()->Clear();
  return 0;
}

}  // namespace tq
