#include "processing/gui/PrintGrid.h"

#include <QFont>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <vector>

namespace tallmark {

namespace {


QString CellText(const QTableWidget& grid, int row, int col) {
  const QTableWidgetItem* item = grid.item(row, col);
  return item ? item->text() : QString();
}

QString HeaderText(const QTableWidget& grid, int col) {
  const QTableWidgetItem* item = grid.horizontalHeaderItem(col);
  return item ? item->text() : QString();
}

}  // namespace

double PrintGrid(QPainter& painter, QPrinter& printer, const QTableWidget& grid, double left,
                 double top) {
  const double dpi = printer.resolution();
  const double x0 = left * dpi, y0 = top * dpi;
  const double pageWidth = printer.pageRect(QPrinter::DevicePixel).width();
  const double line = grid.showGrid() ? 1.0 : 0.0;  // one screen pixel per grid line

  std::vector<int> cols;
  double total = 0;
  for (int c = 0; c < grid.columnCount(); ++c) {
    if (grid.isColumnHidden(c)) continue;
    cols.push_back(c);
    total += grid.columnWidth(c) + line;
  }
  if (cols.empty() || total <= 0) return top;
  // k takes the grid's pixels to the printer's; the size on paper against the screen is what
  // decides the font size.
  const double k = (pageWidth - 2 * x0) / total;
  const double onPaper = k * grid.logicalDpiX() / dpi;
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(onPaper > 1 ? 10.0 : 10.0 * onPaper);
  painter.setFont(font);
  const double pixel = dpi / grid.logicalDpiY();  // row heights keep their size on paper
  const double headerHeight = grid.horizontalHeader()->height() * pixel;

  std::vector<double> edges{x0};  // left edge of each printed column, then the right edge
  for (int c : cols) edges.push_back(edges.back() + (grid.columnWidth(c) + line) * k);
  std::vector<double> rows{y0};  // top of each printed row (the header first), then the bottom
  rows.push_back(y0 + headerHeight);
  for (int r = 0; r < grid.rowCount(); ++r)
    if (!grid.isRowHidden(r)) rows.push_back(rows.back() + (grid.rowHeight(r) + line) * pixel);

  const double pad = 2 * pixel * std::min(onPaper, 1.0);
  auto cell = [&](int printedRow, std::size_t i, const QString& text) {
    QRectF box(edges[i] + pad, rows[printedRow], edges[i + 1] - edges[i] - 2 * pad,
               rows[printedRow + 1] - rows[printedRow]);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
  };
  for (std::size_t i = 0; i < cols.size(); ++i) cell(0, i, HeaderText(grid, cols[i]));
  int printed = 1;
  for (int r = 0; r < grid.rowCount(); ++r) {
    if (grid.isRowHidden(r)) continue;
    for (std::size_t i = 0; i < cols.size(); ++i) cell(printed, i, CellText(grid, r, cols[i]));
    ++printed;
  }

  QPen pen(Qt::black);
  pen.setWidthF(std::max(1.0, pixel * 0.75));
  painter.setPen(pen);
  painter.drawRect(QRectF(QPointF(edges.front(), rows.front()), QPointF(edges.back(), rows.back())));
  if (grid.showGrid()) {
    for (double x : edges) painter.drawLine(QPointF(x, rows.front()), QPointF(x, rows.back()));
    for (double y : rows) painter.drawLine(QPointF(edges.front(), y), QPointF(edges.back(), y));
  }
  return rows.back() / dpi;
}

}  // namespace tallmark
