#include "graphs/gui/GraphPrint.h"

#include <QPrinter>

#include "graphs/gui/GraphChart.h"

namespace tallmark::graphs {

GraphPrintJob::GraphPrintJob(QPrinter& printer, int fromPage, int toPage)
    : printer_(printer), orientation_(printer.pageLayout().orientation()), from_(fromPage),
      to_(toPage) {
  printer_.setPageOrientation(QPageLayout::Landscape);
}

GraphPrintJob::~GraphPrintJob() { finish(); }

bool GraphPrintJob::add(const GraphPage& page) {
  ++page_;
  if (page_ < from_ || page_ > to_) return true;
  if (printed_ == 0) {
    if (!painter_.begin(&printer_)) return false;
  } else if (!printer_.newPage()) {
    return false;
  }
  PaintGraphOnPage(page, painter_, printer_);
  ++printed_;
  return true;
}

void GraphPrintJob::finish() {
  if (finished_) return;
  finished_ = true;
  if (painter_.isActive()) painter_.end();
  printer_.setPageOrientation(orientation_);
}

}  // namespace tallmark::graphs
