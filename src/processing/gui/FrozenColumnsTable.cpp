#include "processing/gui/FrozenColumnsTable.h"

#include <QHeaderView>
#include <QScrollBar>

namespace tallmark {

FrozenColumnsTable::FrozenColumnsTable(QWidget* parent) : QTableWidget(parent) {
  setHorizontalScrollMode(ScrollPerPixel);
  frozen_ = new QTableView(this);
  frozen_->setObjectName(QStringLiteral("FrozenColumns"));
  frozen_->setModel(model());
  frozen_->setSelectionModel(selectionModel());
  frozen_->setFocusPolicy(Qt::NoFocus);
  frozen_->setEditTriggers(NoEditTriggers);
  frozen_->verticalHeader()->hide();
  frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  frozen_->horizontalHeader()->setHighlightSections(false);
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollMode(verticalScrollMode());
  frozen_->setFrameShape(QFrame::NoFrame);
  frozen_->setStyleSheet(QStringLiteral("QTableView { border-right: 2px solid palette(mid); }"));
  frozen_->hide();
  viewport()->stackUnder(frozen_);

  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int size) {
            if (column < count_) {
              frozen_->setColumnWidth(column, size);
              placeFrozen();
            }
          });
  connect(verticalHeader(), &QHeaderView::sectionResized, this,
          [this](int row, int, int size) { frozen_->setRowHeight(row, size); });
  connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
          &QScrollBar::setValue);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(model(), &QAbstractItemModel::columnsInserted, this, [this] { hideOtherColumns(); });
  connect(model(), &QAbstractItemModel::rowsInserted, this, [this] {
    for (int r = 0; r < rowCount(); ++r) frozen_->setRowHeight(r, rowHeight(r));
  });
}

void FrozenColumnsTable::setFrozenColumns(int count) {
  count_ = count;
  frozen_->setVisible(count > 0);
  hideOtherColumns();
  for (int r = 0; r < rowCount(); ++r) frozen_->setRowHeight(r, rowHeight(r));
  placeFrozen();
}

void FrozenColumnsTable::hideOtherColumns() {
  for (int c = 0; c < columnCount(); ++c) {
    frozen_->setColumnHidden(c, c >= count_);
    if (c < count_) frozen_->setColumnWidth(c, columnWidth(c));
  }
}

int FrozenColumnsTable::frozenWidth() const {
  int width = 0;
  for (int c = 0; c < count_ && c < columnCount(); ++c) width += columnWidth(c);
  return width;
}

void FrozenColumnsTable::placeFrozen() {
  frozen_->setGeometry(viewport()->x(), frameWidth(), frozenWidth() + 2,
                       viewport()->height() + horizontalHeader()->height());
  frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
}

void FrozenColumnsTable::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  placeFrozen();
}

QRect FrozenColumnsTable::cellRect(int row, int column) const {
  const QModelIndex index = model()->index(row, column);
  if (column >= count_ || frozen_->isHidden()) return visualRect(index);
  QRect r = frozen_->visualRect(index);
  r.moveTopLeft(viewport()->mapFrom(this, frozen_->viewport()->mapTo(this, r.topLeft())));
  return r;
}

void FrozenColumnsTable::scrollTo(const QModelIndex& index, ScrollHint hint) {
  const int sideways = horizontalScrollBar()->value();
  QTableWidget::scrollTo(index, hint);
  if (index.column() < count_) {
    horizontalScrollBar()->setValue(sideways);
    return;
  }
  const QRect r = visualRect(index);
  const int hidden = frozenWidth() - r.left();
  if (hidden > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

}  // namespace tallmark
