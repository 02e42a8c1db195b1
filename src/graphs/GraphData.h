// What the graphs read from a week's stored results: the entries of the teams that played, and
// the high, low and average of a run of games.
#pragma once

#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark::graphs {

struct WeekEntry {
  int team = 0;
  int player = 0;
  Integer kind = kRegular;
  Integer handicap = 0;
  std::vector<int> games;  // games 1..GamesPerWeek, scratch
};

// Every score record of the teams on the week's lanes (positions 1..PlayersPerWeek). Loads the
// week's lane slots into memory. A processed week whose results or scores are missing from their
// file gives no entries and its notice in damage.
std::vector<WeekEntry> ReadWeekEntries(int week, std::string& damage);

// A player is plotted for the week when he bowled: regular, substitute or roving substitute, and
// a vacancy when unearned scores count in team statistics.
bool PlayerPlotted(const WeekEntry& entry);
// A team's game totals add the entries that count in team statistics: those who bowled, and
// vacancies and absentees when unearned scores count.
bool CountsForTeam(const WeekEntry& entry);

// High, low and average of a run of games. The high is tracked from 0 and the low from 301 (or
// one over the sport's highest game when that is higher) for each game that makes up the score,
// plus the handicap: a team's total or a score with handicap can pass 301.
int LowStart();
struct HighLowAverage {
  double high = 0;
  double low = 0;
  double average = 0;
  double sum = 0;
  int games = 0;
  void add(double game);
  // Sets low to its starting value; call before the first add.
  void start(double ceiling);
};

// The entry's games, each with its handicap when handicap is true.
HighLowAverage PlayerWeek(const WeekEntry& entry, bool handicap);
// The team's game totals of the week from its counting entries (with the week's team handicap
// when handicap is true). games is 0 when none of them counted.
HighLowAverage TeamWeek(const std::vector<WeekEntry>& entries, int team, bool handicap);

}  // namespace tallmark::graphs
