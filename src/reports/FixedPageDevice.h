// A printer page that always measures the same: Courier New on a US Letter sheet with a quarter
// inch that the printer cannot reach on every side. Text files are paginated on it, so that a
// report written to a file is the same on every machine, and the PDF writer draws on it.
#pragma once

#include "reports/PageDevice.h"

namespace tallmark::reports {

class FixedPageDevice : public PageDevice {
 public:
  // Page and printable area, in inches.
  static constexpr double kPageWidthInches = 8.5;
  static constexpr double kPageHeightInches = 11.0;
  static constexpr double kUnprintableInches = 0.25;
  // Courier New: every character is 0.6 em wide; a line is 2320/2048 em high (ascent plus
  // descent of the face).
  static constexpr double kCharWidthEm = 0.6;
  static constexpr double kLineHeightEm = 2320.0 / 2048.0;

  // Units are the printer's character units: 1/12 inch across, 1/6 inch down.
  double scaleWidth() const override;
  double scaleHeight() const override;
  double fontSize() const override { return tenths_ / 10.0; }
  // Sizes are realized in tenths of a point.
  void setFontSize(double points) override;
  double textWidth(std::string_view text) const override;
  double textHeight() const override;

 private:
  int tenths_ = 100;
};

}  // namespace tallmark::reports
