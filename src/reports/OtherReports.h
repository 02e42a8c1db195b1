// The rankings, league options, special awards, team rosters, schedule and treasurer's reports.
// Each reads the league data (and the awards log, the season file or other sessions' statistics)
// and changes nothing: memory holds the current week's lane slots and the current session's
// statistics again when a builder returns, and the base font is in use.
#pragma once

#include <string>
#include <vector>

#include "reports/ReportEngine.h"

namespace tallmark::reports {

// Report type 6: for each category (a statistics column 0..27), each session (1-based) and each
// classification, the qualified players ranked by the category, one block a page.
void BuildRankings(ReportEngine& engine, const std::vector<int>& categories,
                   const std::vector<int>& sessions);

// Report type 7: the league's set-up and scoring options as sentences and small tables.
void BuildLeagueOptions(ReportEngine& engine);

// Report type 8: the awards log's lines of the given weeks and player records.
void BuildSpecialAwards(ReportEngine& engine, const std::vector<int>& weeks,
                        const std::vector<int>& players);

// The awards log's lines earned in the week, as the log holds them.
std::vector<std::string> AwardsOfWeek(int week);

// Report type 9: the players of each team number; team 0 stands for the substitutes.
void BuildTeamRosters(ReportEngine& engine, const std::vector<int>& teams);

// Report type 10: the lane schedule of every week from the first of the season to the last.
void BuildSeasonSchedule(ReportEngine& engine);

// Report type 14: the fees paid by each player of the teams (0 = the substitutes) and their sum.
void BuildTreasurer(ReportEngine& engine, const std::vector<int>& teams);

}  // namespace tallmark::reports
