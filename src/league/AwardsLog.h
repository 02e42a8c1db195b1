// The special awards log (.SPC): a plain text file, one award a line.
#pragma once

#include <string>

namespace tallmark {

// Replaces the log with its first line: "SPECIAL AWARDS LOG STARTED ON WEEK" + Str(CurrentWeek+1).
bool StartAwardsLog();
// Announces the award ("CONGRATULATIONS" box when AwardPopups is on), then appends
// text + " in week" + Str(week) + "." as one line.
bool AppendAwardsLog(const std::string& text, int week);

// A number as the platform's Str writes it: a leading blank for a non-negative number.
std::string Str(double value);

}  // namespace tallmark
