#include <cmath>

#include "league/SeqFile.h"
#include "processing/Averages.h"

namespace tallmark {

Integer RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;  // a damaged statistic counts as nothing
  double r = std::nearbyint(value);
  if (r > 32767) return 32767;
  if (r < -32768) return -32768;
  return static_cast<Integer>(r);
}

Single RoundAverage(Single value) {
  const double x = ShownValue(value);  // the value at its shortest decimal form
  double p = std::pow(10.0, lg.GameParam[2]);
  double y = x * p - lg.GameParam[3] * 0.5;
  return static_cast<Single>(std::floor(y) / p);
}

Single RoundTo(Single value, int decimals, bool roundUp) {
  double p = std::pow(10.0, decimals);
  return static_cast<Single>(std::floor(p * value + (roundUp ? 0.5 : 0.0)) / p);
}

}  // namespace tallmark
