// Pieces shared by the page headers and lines of the other reports: the standard top of a page,
// money in the currency format, and the players of a team or of the substitutes.
#pragma once

#include <string>
#include <vector>

#include "reports/ReportEngine.h"

namespace tallmark::reports {

// The standard top of a page, only when the line count is 1: the base font, 3 blank lines when
// printing, the title line (after the margin), a blank line, the week line and another blank
// line when weekLine is not empty, then the report's own width. Returns true when it printed.
bool PageTop(ReportEngine& engine, const std::string& title, const std::string& weekLine,
             int width);

// Money as the "Currency" format shows it: "$1,234.50", negative amounts in parentheses.
std::string CurrencyText(double amount);

// One player of a team's list: the roster position (or the substitute's number) and the record.
struct ListedPlayer {
  int position;
  int player;
};
// The players of team t in roster order; team 0 gives the substitutes in list order. Free
// records are left out.
std::vector<ListedPlayer> TeamPlayers(int team);
// The name printed for team t: its name record, or for 0 "SUBSTITUTE " and the players' word.
std::string TeamLabel(int team);

}  // namespace tallmark::reports
