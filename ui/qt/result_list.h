// ResultList: the search's lines in a one-column table over compact storage, fed in batches.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "ui/qt/line_store.h"

namespace tq {

// At most this many lines are kept; adding to a full list drops the oldest line.
inline constexpr size_t ResultListCapacity = 1'000'000;

// The lines the view shows, plus the lines added since the last flush, which it does not
// see yet. Appending costs a copy into the pending store; Flush announces the batch.
class ResultListModel : public QAbstractTableModel {
 public:
  explicit ResultListModel(QObject* parent, size_t capacity = ResultListCapacity);

  void Append(std::string_view text) { pending_.Append(text); }
  void Flush();
  void Clear();
  // Lines shown plus lines pending.
  size_t LineCount() const { return lines_.Size() + pending_.Size(); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  LineStore lines_;
  LineStore pending_;
};

// The view: a plain list look, and every key stays here instead of reaching MainWindow.
class ResultListView : public QTableView {
 public:
  explicit ResultListView(QWidget* parent);
  ResultListModel* Lines() const { return model_; }
  // The text of shown line `row`, for tests and tools.
  QString LineText(int row) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void LookLikeAList();
  void BehaveLikeAList();
  ResultListModel* model_;
};

extern ResultListView* ResultList;

// Shows the lines added since the last flush.
void FlushResultList();

}  // namespace tq
