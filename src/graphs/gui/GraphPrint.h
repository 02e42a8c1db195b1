// Graphs on the printer: each graph is one page, landscape; only the pages within the page
// range are printed, and every copy counts its pages from 1 again.
#pragma once

#include <QPageLayout>
#include <QPainter>

#include "graphs/GraphPage.h"

class QPrinter;

namespace tallmark::graphs {

class GraphPrintJob {
 public:
  GraphPrintJob(QPrinter& printer, int fromPage, int toPage);
  ~GraphPrintJob();
  GraphPrintJob(const GraphPrintJob&) = delete;
  GraphPrintJob& operator=(const GraphPrintJob&) = delete;

  // Starts the page count of the next copy.
  void newCopy() { page_ = 0; }
  // Counts the graph as the next page and prints it when the page is within the range. False
  // when the printer could not be started.
  bool add(const GraphPage& page);
  // Ends the document (the printer then prints it) and puts the orientation back.
  void finish();
  int printed() const { return printed_; }

 private:
  QPrinter& printer_;
  QPainter painter_;
  QPageLayout::Orientation orientation_;
  int from_, to_;
  int page_ = 0;
  int printed_ = 0;
  bool finished_ = false;
};

}  // namespace tallmark::graphs
