// Rankings of players and teams by a statistics category, the standings, classifications, and
// small team and formatting helpers shared by processing, reports and graphs.
#pragma once

#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

// Ranks candidates by category (kind 0 or 1 a player group, 2 teams) within classification cls;
// fills RankIndex(1..n) and RankValue(1..n), best first, and returns n.
int RankPlayers(int category, int kind, int cls);
// Writes each team record's place (1 = first) into category 16.
void OrderStandings();
// Writes category 17 of every team record, roster player and substitute, then saves the
// current session's statistics.
void ClassifyAll();

// The statistic categories the rankings and graphs offer, in the league's order: category
// CategoryCode(k) for the places k = 0..9 and one more place per extra statistic tracked, each
// category named and offered once.
std::vector<int> OfferedCategories();

bool TeamInUse(int team);
// The number of teams in use among 1..team: the index of the team's weekly values.
int TeamColumn(int team);
// True when the team is on one of the lane slots 1..2 x NumLanes of the week in memory.
bool TeamPlaysThisWeek(int team);
// 1 -> "A", 2 -> "B", ...
std::string ColumnLetter(int n);
// The number's text without blanks, right-aligned in a field of the given width.
std::string RightAlign(double value, int width);

}  // namespace tallmark
