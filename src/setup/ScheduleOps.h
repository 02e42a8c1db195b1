// The season's schedule in the season results file: adding, dropping and inserting weeks, and
// rebuilding the unscored weeks from the standard template.
#pragma once

#include <string>

#include "league/LeagueData.h"

namespace tallmark {

// Builds the lanes of a new week (from the template while it lasts, else all "TBD") and stores
// it as week `week`. False (with a message) when the season already has 52 weeks.
bool AddWeek(int week);
// Rebuilds every week after CurrentWeek from the template, keeping the number of weeks; scored
// weeks show the new lane slots of a grown league as "TBD".
void SetUpSchedule();
// Removes a week that has not been scored. False (with a message) otherwise.
bool DropWeek(int week);
// Inserts a week of position slots after the given week. False (with a message) when the season
// is full or the week would move a scored one.
bool InsertPositionWeek(int week);

// The text of a lane slot's team: "POS" for 0, the number for 1..100, "TBD" for 101 and above.
std::string SlotText(int team);
// The team of a cell's text: "POS" 0, "TBD" 101, a number rounded to a whole number. Nothing
// when the text is neither.
bool SlotValue(const std::string& text, int& team);

}  // namespace tallmark
