#include "reports/FixedPageDevice.h"

#include <cmath>

namespace tallmark::reports {

namespace {
constexpr double kUnitsAcrossPerInch = 12.0;  // a character unit across is 1/12 inch
constexpr double kUnitsDownPerInch = 6.0;     // and 1/6 inch down
constexpr double kPointsPerInch = 72.0;
}  // namespace

double FixedPageDevice::scaleWidth() const {
  return (kPageWidthInches - 2 * kUnprintableInches) * kUnitsAcrossPerInch;
}

double FixedPageDevice::scaleHeight() const {
  return (kPageHeightInches - 2 * kUnprintableInches) * kUnitsDownPerInch;
}

void FixedPageDevice::setFontSize(double points) {
  int t = static_cast<int>(std::lround(points * 10.0));
  tenths_ = t < 1 ? 1 : t;
}

double FixedPageDevice::textWidth(std::string_view text) const {
  // 0.6 em x 12 units per inch / 72 points per inch = 0.1 unit per point: kept in whole tenths
  // so that a line that exactly fills the page measures exactly the page's width.
  return static_cast<double>(text.size()) * tenths_ / 100.0;
}

double FixedPageDevice::textHeight() const {
  return kLineHeightEm * fontSize() / kPointsPerInch * kUnitsDownPerInch;
}

}  // namespace tallmark::reports
