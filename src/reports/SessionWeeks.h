// The processed weeks of the current session, read once for the to-date reports.
#pragma once

#include <string>
#include <vector>

#include "reports/WeekScores.h"

namespace tallmark::reports {

// The session the to-date reports cover: the current one, within 1..NumSessions.
int ToDateSession();
// Every processed week of that session, read from the files.
std::vector<WeekScores> LoadSessionWeeks();
// The to-date title rows' game columns: "GAME" for the first game and the numbers of the others
// right-aligned in 4, one blank apart.
std::string GameNumbersTitle();
// The text of a line that could not be read: the week and why.
std::string SkippedWeek(int week);

}  // namespace tallmark::reports
