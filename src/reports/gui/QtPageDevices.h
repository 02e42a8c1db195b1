// The report engine's Qt devices: the report window's page (the screen destination) and a
// QPrinter page. Both use the "Courier New" face, so that screen and paper match (where that face
// is missing, fontconfig gives its metric twin).
#pragma once

#include <QFont>
#include <QPainter>
#include <QWidget>
#include <memory>
#include <vector>

#include "reports/PageDevice.h"

class QPrinter;

namespace tallmark::reports {

// The report font at a size in points.
QFont ReportFont(double points);

// The visible page of the report window: keeps the lines of the current window-full and paints
// them. Units are pixels.
class ScreenPage : public QWidget, public PageDevice {
 public:
  explicit ScreenPage(QWidget* parent = nullptr);

  // A small margin keeps the text off the window's frame.
  static constexpr int kMargin = 8;
  double scaleWidth() const override { return width() - 2 * kMargin; }
  double scaleHeight() const override { return height() - 2 * kMargin; }
  double fontSize() const override { return size_; }
  void setFontSize(double points) override;
  double textWidth(std::string_view text) const override;
  double textHeight() const override;
  void drawText(double y, std::string_view text) override;
  void newSheet() override;

  // The lines shown, as UTF-8.
  QStringList lines() const;
  // How far down the page the lowest line reaches, in pixels (0 with no line).
  double linesBottom() const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  struct Line {
    double y;
    double size;
    QString text;
  };
  double size_ = 10;
  std::vector<Line> lines_;
};

// A QPrinter's page; units are the printer's device pixels. The painter begins with the first
// line drawn, so that a run that prints nothing opens no document.
class PrinterPage : public PageDevice {
 public:
  explicit PrinterPage(QPrinter& printer);
  ~PrinterPage() override;

  double scaleWidth() const override;
  double scaleHeight() const override;
  double fontSize() const override { return size_; }
  void setFontSize(double points) override { size_ = points; }
  double textWidth(std::string_view text) const override;
  double textHeight() const override;
  void drawText(double y, std::string_view text) override;
  void newSheet() override;
  bool endDocument() override;

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  double size_ = 10;
};

}  // namespace tallmark::reports
