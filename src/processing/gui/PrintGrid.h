// Printing a grid onto the current printer page: every row and column, scaled to the page width,
// in "Courier New".
#pragma once

class QPainter;
class QPrinter;
class QTableWidget;

namespace tallmark {

// Prints the grid (its header row, then every row) with its top left corner at (left, top)
// inches from the page's printable corner, filling the page width less a margin of left on each
// side. The page is neither started nor ended here. Returns the position below the grid in
// inches.
double PrintGrid(QPainter& painter, QPrinter& printer, const QTableWidget& grid, double left,
                 double top);

}  // namespace tallmark
