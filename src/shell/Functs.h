// Small helpers shared by every subsystem: number and text helpers, roster lookups and the
// common range checks of numeric boxes.
#pragma once

#include <optional>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

// The number's shortest decimal text without a leading blank (12, 12.5, -3).
std::string NumberText(double value);

// Replaces every occurrence of c in text by r.
void ReplaceChar(std::string& text, char c, char r);

struct FoundName {
  Integer player;
  Integer team;      // 0 for a substitute
  Integer position;  // roster position, or the substitute's number
};
// The first record with exactly that 20-character name: teams in use first (positions
// 0..PlayersPerTeam), then the substitutes.
std::optional<FoundName> FindName(const std::string& name);

// Name of the team on the opposite lane slot of the week in memory; empty when none.
std::string OpponentName(int team);

// WeekDate(week) as stored when it is a valid date, otherwise today's date as MM/DD/YY.
std::string WeekDateText(int week);
// True when text, blanks around it ignored, is a real calendar date written month/day/year:
// month and day of one or two digits, the year of two or four, parts separated by "/" or "-"
// ("12/31/00", "1/5/24", "02-29-2024"). A two-digit year below 30 is 20yy, otherwise 19yy.
// WeekDate holds 8 characters, so dates of the program are MM/DD/YY.
bool IsValidDate(const std::string& text);

// The common range check of whole-number boxes (step 0 on leaving the box, +1 or -1 from the spin
// button); beeps when the value is cut to the limits.
Integer CheckRange(const std::string& text, Integer previous, Integer minimum, Integer maximum,
                   Integer step);
// The same for boxes holding averages, fees or statistics; round passes the result through
// RoundAverage.
Single CheckRangeDecimal(const std::string& text, Single previous, Single minimum, Single maximum,
                         Integer step, bool round);

}  // namespace tallmark
