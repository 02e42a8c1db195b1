#include "reports/gui/QtPageDevices.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPrinter>

#include "common/Text.h"

namespace tallmark::reports {

namespace {
QString FromCp1252(std::string_view text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}
}  // namespace

QFont ReportFont(double points) {
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(points > 0.5 ? points : 0.5);
  return font;
}

ScreenPage::ScreenPage(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
}

void ScreenPage::setFontSize(double points) { size_ = points; }

double ScreenPage::textWidth(std::string_view text) const {
  return QFontMetricsF(ReportFont(size_), this).horizontalAdvance(FromCp1252(text));
}

double ScreenPage::textHeight() const {
  return QFontMetricsF(ReportFont(size_), this).height();
}

void ScreenPage::drawText(double y, std::string_view text) {
  lines_.push_back({y, size_, FromCp1252(text)});
  update();
}

void ScreenPage::newSheet() {
  lines_.clear();
  update();
}

QStringList ScreenPage::lines() const {
  QStringList out;
  for (const Line& l : lines_) out << l.text;
  return out;
}

double ScreenPage::linesBottom() const {
  double bottom = 0;
  for (const Line& l : lines_)
    bottom = std::max(bottom, kMargin + l.y + QFontMetricsF(ReportFont(l.size), this).height());
  return bottom;
}

void ScreenPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  for (const Line& l : lines_) {
    QFont font = ReportFont(l.size);
    painter.setFont(font);
    painter.drawText(QPointF(kMargin, kMargin + l.y + QFontMetricsF(font, this).ascent()), l.text);
  }
}

PrinterPage::PrinterPage(QPrinter& printer) : printer_(printer) {}

PrinterPage::~PrinterPage() {
  if (painter_) painter_->end();
}

double PrinterPage::scaleWidth() const {
  return printer_.pageRect(QPrinter::DevicePixel).width();
}

double PrinterPage::scaleHeight() const {
  return printer_.pageRect(QPrinter::DevicePixel).height();
}

double PrinterPage::textWidth(std::string_view text) const {
  return QFontMetricsF(ReportFont(size_), &printer_).horizontalAdvance(FromCp1252(text));
}

double PrinterPage::textHeight() const {
  return QFontMetricsF(ReportFont(size_), &printer_).height();
}

void PrinterPage::drawText(double y, std::string_view text) {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) return;
  }
  if (!painter_->isActive()) return;
  QFont font = ReportFont(size_);
  painter_->setFont(font);
  painter_->drawText(QPointF(0, y + QFontMetricsF(font, &printer_).ascent()), FromCp1252(text));
}

void PrinterPage::newSheet() {
  if (painter_ && painter_->isActive()) printer_.newPage();
}

bool PrinterPage::endDocument() {
  if (!painter_) return true;
  const bool ok = painter_->isActive() && painter_->end();
  painter_.reset();
  return ok;
}

}  // namespace tallmark::reports
