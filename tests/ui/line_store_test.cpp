// The result list's storage: order, the cap on the number of lines, and batched flushing.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <string>

#include "ui/qt/line_store.h"
#include "ui/qt/result_list.h"

namespace tq {
namespace {

std::vector<std::string> Contents(const LineStore& store) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < store.Size(); ++i) lines.emplace_back(store.Line(i));
  return lines;
}

TEST(LineStore, KeepsLinesInOrderAndDropsTheOldestWhenFull) {
  LineStore store(3);
  store.Append("Status: 1/100 Time: 0 ms");
  store.Append("");
  EXPECT_EQ(Contents(store), (std::vector<std::string>{"Status: 1/100 Time: 0 ms", ""}));
  for (int i = 0; i < 5; ++i) store.Append(std::to_string(i));
  EXPECT_EQ(Contents(store), (std::vector<std::string>{"2", "3", "4"}));
  store.DropOldest(2);
  EXPECT_EQ(Contents(store), (std::vector<std::string>{"4"}));
  store.DropOldest(7);
  EXPECT_EQ(store.Size(), 0u);
}

TEST(LineStore, StaysIntactAcrossManyCompactions) {
  LineStore store(1000);
  for (int i = 0; i < 50'000; ++i) store.Append("Richtige Spalten: " + std::to_string(i));
  ASSERT_EQ(store.Size(), 1000u);
  for (size_t i = 0; i < store.Size(); ++i) {
    ASSERT_EQ(store.Line(i), "Richtige Spalten: " + std::to_string(49'000 + i)) << i;
  }
}

TEST(ResultListModel, ShowsAddedLinesOnlyAfterAFlush) {
  ResultListModel model(nullptr, 100);
  model.Append("a");
  model.Append("b");
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.LineCount(), 2u);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  model.Flush();
  EXPECT_EQ(inserted.count(), 1);  // one batch, one notification
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.data(model.index(1, 0), Qt::DisplayRole).toString(), "b");
  model.Clear();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.LineCount(), 0u);
}

TEST(ResultListModel, AFullListDropsTheOldestShownLinesFirst) {
  ResultListModel model(nullptr, 3);
  model.Append("1");
  model.Append("2");
  model.Flush();
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  model.Append("3");
  model.Append("4");
  model.Flush();
  EXPECT_EQ(removed.count(), 1);
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "2");
  EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(), "4");
  // A batch larger than the list keeps only its newest lines.
  for (int i = 5; i <= 9; ++i) model.Append(std::to_string(i));
  model.Flush();
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "7");
  EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(), "9");
}

}  // namespace
}  // namespace tq
