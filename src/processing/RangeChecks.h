// The common range checks of the numeric boxes of every window.
#pragma once

#include <string>

#include "league/LeagueData.h"

namespace tallmark {

// The common range check of whole-number boxes (step 0 on leaving the box, +1 or -1 from the spin
// button); beeps when the value is cut to the limits.
Integer CheckRange(const std::string& text, Integer previous, Integer minimum, Integer maximum,
                   Integer step);
// The same for boxes holding averages, fees or statistics; round passes the result through
// RoundAverage.
Single CheckRangeDecimal(const std::string& text, Single previous, Single minimum, Single maximum,
                         Integer step, bool round);

}  // namespace tallmark
