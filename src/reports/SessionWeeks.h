// The processed weeks of the current session, read once for the to-date reports.
#pragma once

#include <string>
#include <vector>

#include "reports/ReportEngine.h"
#include "reports/WeekScores.h"

namespace tallmark::reports {

// The session the to-date reports cover: the current one, within 1..NumSessions.
int ToDateSession();
// Every processed week of that session, read from the files.
std::vector<WeekScores> LoadSessionWeeks();
// The to-date title rows' game columns: "GAME" for the first game and the numbers of the others
// right-aligned in 4, one blank apart.
std::string GameNumbersTitle();
// What is said in place of a week that could not be read: its damage notice, or a plain one.
std::string UnreadWeekNotice(int week, const std::string& damage);
// The line a report prints in place of a week it could not read (the margin in front), noted
// with the engine as damage.
std::string UnreadWeekLine(ReportEngine& engine, int week, const std::string& damage);
inline std::string UnreadWeekLine(ReportEngine& engine, const WeekScores& week) {
  return UnreadWeekLine(engine, week.week, week.damage);
}

}  // namespace tallmark::reports
