#include "reports/PageDevice.h"

#include <string>

namespace tallmark::reports {

namespace {
// Widths within this of the target count as equal, so that rounding in a device's measure does
// not step a font that fits exactly.
constexpr double kSlack = 1e-9;
}  // namespace

double FitFontSize(PageDevice& device, int n) {
  if (n <= 0) return device.fontSize();
  const double saved = device.fontSize();
  const std::string blanks(static_cast<std::size_t>(n), ' ');
  const double target = device.scaleWidth();
  device.setFontSize(10.0);
  const double atTen = device.textWidth(blanks);
  device.setFontSize(atTen > 0 ? target * 10.0 / atTen : 10.0);
  // Each step is bounded so that a device that cannot realize a size never loops forever.
  for (int i = 0; i < 2000 && device.textWidth(blanks) < target - kSlack; ++i)
    device.setFontSize(device.fontSize() + 0.1);
  for (int i = 0; i < 2000 && device.textWidth(blanks) > target + kSlack && device.fontSize() > 0.2; ++i)
    device.setFontSize(device.fontSize() - 0.1);
  const double fitted = device.fontSize();
  device.setFontSize(saved);
  return fitted;
}

}  // namespace tallmark::reports
