// Lines shared by the weekly results reports: the title of the score columns, a player's game
// lines and "SUM" line, and the extra statistics block.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "reports/WeekScores.h"

namespace tallmark::reports {

// The pin word in capitals followed by "S", right-aligned in 4.
std::string PinsTitle();

// A player's lines for the week: one per game (game number, scratch score, handicap, total), the
// first one passed to first() to add its name and notes, then the "SUM" line. padding is the
// width of a line after the margin; totalWidth the width of the total column.
std::vector<std::string> GameLines(const ScoreLine& line, const std::string& margin, int padding,
                                   int totalWidth, const std::function<void(std::string&)>& first);

// The extra statistics block of the lines given: the title, the legend, the column titles, one
// line per player and, with withTotal, the "Team Total" line.
std::vector<std::string> ExtraStatLines(const std::vector<const ScoreLine*>& lines,
                                        const std::string& margin, bool withTotal);

// The marker of an entry kind in the team report ("SUBSTITUTE", "ROVING SUB", "ABSENT") or the
// player report (short: "SUB", "ROVING", "ABSENT"); "" for the other kinds.
std::string KindNote(Integer kind, bool shortForm);

}  // namespace tallmark::reports
