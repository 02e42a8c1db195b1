// A table whose first columns stay in place while the others scroll sideways: a second view of
// the same model and selection lies over them.
#pragma once

#include <QTableWidget>

namespace tallmark {

class FrozenColumnsTable : public QTableWidget {
  Q_OBJECT

 public:
  explicit FrozenColumnsTable(QWidget* parent = nullptr);

  // Columns 0..count-1 stay in place.
  void setFrozenColumns(int count);
  int frozenColumns() const { return count_; }
  // The view over the frozen columns.
  QTableView* frozenView() const { return frozen_; }
  // Where the cell is seen, in the viewport's coordinates (over the frozen columns for theirs).
  QRect cellRect(int row, int column) const;
  // The width the frozen columns take.
  int frozenWidth() const;

  // Keeps a cell from scrolling under the frozen columns; a frozen cell scrolls only up or down.
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeFrozen();
  void hideOtherColumns();

  QTableView* frozen_ = nullptr;
  int count_ = 0;
};

}  // namespace tallmark
