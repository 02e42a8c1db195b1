// What the two correction windows (raw scores and statistics) share: the notice shown on
// opening and the range check of their value boxes.
#pragma once

#include <string>

#include "league/LeagueData.h"

namespace tallmark {

// The "IMPORTANT NOTICE" shown before a correction window opens.
void ShowCorrectionNotice();

// The common decimal range check of a correction box (step 0 on leaving it, +1 or -1 from its
// spin button). Unlike the common check, a typed 0 is taken: a wrong value must be able to go
// back to nothing.
Single CheckCorrection(const std::string& text, Single previous, Single maximum, Integer step,
                       bool round = false);

// The number as the boxes show it (12, 12.5).
std::string CorrectionText(Single value);

}  // namespace tallmark
