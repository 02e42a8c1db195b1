// Draws a graph page with Qt Charts: bars (flat, or with a depth face for 3D), lines, or high-low
// strokes with the average line; coloured series or black and white patterns.
#pragma once

#include <QRectF>
#include <QSizeF>

#include "graphs/GraphPage.h"

class QPainter;
class QPaintDevice;

class QChart;
class QSizeF;

namespace tallmark::graphs {

// A new chart of the page; the caller owns it (a chart view or scene takes it). 3D bars get
// their depth faces whenever the plot area changes.
QChart* MakeChart(const GraphPage& page);

// The size at which an image file's chart is laid out, in pixels of 96 to the inch.
constexpr int kImageWidth = 1024;
constexpr int kImageHeight = 720;

// Lays the chart of the page out at size (logical pixels) and paints it into target.
void PaintGraph(const GraphPage& page, QPainter& painter, const QRectF& target, const QSizeF& size);
// Paints the page over the whole of a printer page or PDF page, laid out at 96 to the inch of
// the device's page.
void PaintGraphOnPage(const GraphPage& page, QPainter& painter, QPaintDevice& device);

}  // namespace tallmark::graphs
