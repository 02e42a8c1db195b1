#include "graphs/gui/GraphChart.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QFontMetricsF>
#include <QBarSeries>
#include <QBarSet>
#include <QCandlestickSeries>
#include <QCandlestickSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>

#include "common/Text.h"

namespace tallmark::graphs {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

// Black and white: each data set its own pattern or dash.
QBrush MonoBrush(int set) {
  static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::BDiagPattern, Qt::CrossPattern,
                                          Qt::Dense4Pattern};
  return QBrush(set == 0 ? QColor(90, 90, 90) : QColor(Qt::black), styles[set % 4]);
}
QPen MonoPen(int set) {
  static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
  return QPen(QBrush(Qt::black), 2, styles[set % 4]);
}

// Category labels must differ: a repeated name gets trailing blanks.
QStringList UniqueLabels(const std::vector<std::string>& labels) {
  QStringList out;
  for (const std::string& l : labels) {
    QString label = Q(l);
    while (out.contains(label)) label += ' ';
    out << label;
  }
  return out;
}

double MaxValue(const GraphPage& page) {
  double top = 0;
  for (const DataSet& s : page.sets)
    for (double v : s.values) top = std::max(top, v);
  return top > 0 ? top : 1;
}

void AddBars(QChart* chart, const GraphPage& page) {
  auto* series = new QBarSeries;
  series->setBarWidth(page.sets.size() > 1 ? 0.75 : 0.6);
  for (std::size_t s = 0; s < page.sets.size(); ++s) {
    auto* set = new QBarSet(Q(page.sets[s].name));
    for (double v : page.sets[s].values) set->append(v);
    if (!page.color) {
      set->setBrush(MonoBrush(static_cast<int>(s)));
      set->setPen(QPen(Qt::black, 1));
    }
    series->append(set);
  }
  chart->addSeries(series);
}

void AddLine(QChart* chart, const DataSet& data, int index, bool color) {
  auto* line = new QLineSeries;
  line->setName(Q(data.name));
  for (std::size_t i = 0; i < data.values.size(); ++i) line->append(static_cast<double>(i), data.values[i]);
  line->setPointsVisible(true);
  if (!color) line->setPen(MonoPen(index));
  chart->addSeries(line);
}

void AddHighLow(QChart* chart, const GraphPage& page) {
  auto* strokes = new QCandlestickSeries;
  strokes->setName(Q(page.sets[0].name + "-" + page.sets[1].name));
  for (std::size_t i = 0; i < page.labels.size(); ++i) {
    const double average = page.sets[2].values[i];
    strokes->append(new QCandlestickSet(average, page.sets[0].values[i], page.sets[1].values[i],
                                        average, static_cast<double>(i)));
  }
  strokes->setBodyWidth(0.3);
  strokes->setCapsWidth(0.4);
  strokes->setCapsVisible(true);
  const QColor ink = page.color ? QColor(30, 90, 170) : QColor(Qt::black);
  strokes->setPen(QPen(ink, 2));
  strokes->setIncreasingColor(ink);
  strokes->setDecreasingColor(ink);
  chart->addSeries(strokes);
  AddLine(chart, page.sets[2], 0, page.color);
}

void AttachAxes(QChart* chart, const GraphPage& page) {
  auto* x = new QBarCategoryAxis;
  x->append(UniqueLabels(page.labels));
  x->setTitleText(Q(page.xTitle));
  if (page.labels.size() > 12) x->setLabelsAngle(-90);
  auto* y = new QValueAxis;
  y->setRange(0, MaxValue(page) * 1.08);
  y->applyNiceNumbers();
  y->setTitleText(Q(page.yTitle));
  y->setLabelFormat("%g");
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* s : chart->series()) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
  // Names too wide for their place under the bars are turned on their side, not cut short.
  QObject::connect(chart, &QChart::plotAreaChanged, x, [x](const QRectF& area) {
    const QFontMetricsF metrics(x->labelsFont());
    double widest = 0;
    for (const QString& label : x->categories())
      widest = std::max(widest, metrics.horizontalAdvance(label.trimmed()));
    const int angle = widest + 6 > area.width() / std::max<qsizetype>(x->count(), 1) ? -90 : 0;
    if (x->labelsAngle() != angle) x->setLabelsAngle(angle);
  });
}

// The depth of 3D bars: a top and a side face up and to the right of each bar, darker than its
// front, drawn behind the bars so that the next bar's front covers them.
constexpr int kDepthTag = 1;

void DrawBarDepth(QChart* chart, QBarSeries* series) {
  for (QGraphicsItem* item : chart->childItems())
    if (item->data(0).toInt() == kDepthTag) delete item;
  const int sets = series->count();
  if (sets == 0) return;
  const double width = series->barWidth();
  for (int s = 0; s < sets; ++s) {
    QBarSet* set = series->barSets()[s];
    QColor front = set->brush().color();
    if (front.lightness() < 40) front = QColor(128, 128, 128);  // black patterns get grey faces
    for (int i = 0; i < set->count(); ++i) {
      const double left = i - width / 2 + s * width / sets, right = left + width / sets;
      const QPointF top = chart->mapToPosition(QPointF(left, set->at(i)), series);
      const QPointF bottom = chart->mapToPosition(QPointF(right, 0), series);
      const double depth = std::min(12.0, (bottom.x() - top.x()) * 0.45);
      const double l = top.x(), r = bottom.x(), t = top.y(), b = bottom.y();
      QPolygonF topFace({{l, t}, {r, t}, {r + depth, t - depth}, {l + depth, t - depth}});
      QPolygonF sideFace({{r, t}, {r + depth, t - depth}, {r + depth, b - depth}, {r, b}});
      const QPolygonF faces[2] = {topFace, sideFace};
      for (int f = 0; f < 2; ++f) {
        auto* face = new QGraphicsPolygonItem(faces[f], chart);
        face->setBrush(f == 0 ? front.lighter(125) : front.darker(140));
        face->setPen(QPen(Qt::black, 0.5));
        face->setZValue(2.5);  // above the grid, below the series
        face->setData(0, kDepthTag);
      }
    }
  }
}

}  // namespace

QChart* MakeChart(const GraphPage& page) {
  auto* chart = new QChart;
  chart->setTheme(QChart::ChartThemeLight);
  chart->setAnimationOptions(QChart::NoAnimation);
  QString notes;
  for (const std::string& note : page.notes)
    notes += "<br><span style='font-size:9pt;color:#b00000'>" + Q(note).toHtmlEscaped() + "</span>";
  chart->setTitle("<b>" + Q(page.title).toHtmlEscaped() + "</b><br><span style='font-size:9pt'>" +
                  Q(page.subtitle).toHtmlEscaped() + "</span>" + notes);
  QFont titleFont = chart->titleFont();
  titleFont.setPointSize(12);
  chart->setTitleFont(titleFont);
  chart->legend()->setAlignment(Qt::AlignBottom);
  if (page.sets.empty()) return chart;
  if (page.kind == GraphKind::Bars) {
    AddBars(chart, page);
  } else if (page.kind == GraphKind::HighLow && page.sets.size() >= 3) {
    AddHighLow(chart, page);
  } else {
    for (std::size_t s = 0; s < page.sets.size(); ++s) AddLine(chart, page.sets[s], static_cast<int>(s), page.color);
  }
  AttachAxes(chart, page);
  if (page.kind == GraphKind::Bars && page.threeD) {
    auto* bars = static_cast<QBarSeries*>(chart->series().constFirst());
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [chart, bars] { DrawBarDepth(chart, bars); });
  }
  return chart;
}

void PaintGraph(const GraphPage& page, QPainter& painter, const QRectF& target, const QSizeF& size) {
  QGraphicsScene scene;
  QChart* chart = MakeChart(page);
  scene.addItem(chart);
  chart->setGeometry(QRectF(QPointF(0, 0), size));
  for (int pass = 0; pass < 2; ++pass) {  // again after the names have turned
    chart->layout()->activate();
    QCoreApplication::sendPostedEvents();
  }
  scene.render(&painter, target, QRectF(QPointF(0, 0), size));
}

void PaintGraphOnPage(const GraphPage& page, QPainter& painter, QPaintDevice& device) {
  const double scale = device.logicalDpiX() / 96.0;
  const QSizeF size(device.width() / scale, device.height() / scale);
  PaintGraph(page, painter, QRectF(0, 0, device.width(), device.height()), size);
}

}  // namespace tallmark::graphs
