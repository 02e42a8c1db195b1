#include "processing/RangeChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/Functs.h"
#include "common/Text.h"
#include "common/UserIO.h"
#include "processing/Averages.h"

namespace tallmark {

namespace {

// Cuts a result to the box's limits, beeping when it had to.
template <typename T>
T Limit(T value, T minimum, T maximum) {
  if (value > maximum) {
    value = maximum;
    Beep();
  }
  if (value < minimum) {
    value = minimum;
    Beep();
  }
  return value;
}

}  // namespace

Integer CheckRange(const std::string& text, Integer previous, Integer minimum, Integer maximum,
                   Integer step) {
  const std::string value = Trim(text);
  long result = previous;
  if (AllDigits(value)) {
    long typed = 0;
    for (char c : value) typed = std::min(typed * 10 + (c - '0'), 100000L);
    if (typed <= 32767) result = typed + step;
  }
  return static_cast<Integer>(Limit<long>(result, minimum, maximum));
}

Single CheckRangeDecimal(const std::string& text, Single previous, Single minimum, Single maximum,
                         Integer step, bool round) {
  const std::string value = Trim(text);
  double result = previous;
  bool digits = false;
  int points = 0;
  bool plain = !value.empty();
  for (char c : value) {
    if (c >= '0' && c <= '9') digits = true;
    else if (c == '.') ++points;
    else plain = false;
  }
  if (plain && digits && points <= 1) {
    const double typed = std::strtod(value.c_str(), nullptr);
    if (typed > 0) {
      const double exponent = std::floor(std::log(typed));
      if (exponent >= -103 && exponent <= 85) result = typed + step;
    }
  }
  Single cut = Limit<Single>(static_cast<Single>(result), minimum, maximum);
  return round ? RoundAverage(cut) : cut;
}

}  // namespace tallmark
