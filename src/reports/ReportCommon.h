// Small pieces that several report builders print or look up: the week line of page headers,
// team names, the sessions of a split season and rows of blanks.
#pragma once

#include <string>

#include "reports/ReportEngine.h"

namespace tallmark::reports {

// "WEEK n OF m -- SESSION s OF t -- " and the date of the current week.
std::string WeekLine();

// The team's name, 20 characters; "" for a team number out of range.
std::string TeamName(int team);

// The first week of session s (1..NumSessions).
int SessionStartWeek(int session);
// The session week w belongs to.
int SessionOfWeek(int week);
// True when the statistics of teams (teams true) or of players were reset at the start of
// session s (never for session 1): the reset mode says whose statistics a reset clears.
bool StatsResetAtStart(int session, bool teams);

// When session s's statistics are missing from the statistics file: the line that stands in for
// them (the engine's margin in front), noted with the engine as damage; else "".
std::string StatsDamageLine(ReportEngine& engine, int session);

// n blanks.
inline std::string Blanks(std::size_t n) { return std::string(n, ' '); }

}  // namespace tallmark::reports
