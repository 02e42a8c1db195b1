// One week's score records as the results reports read them: the week's lane slots and, for each
// team on them, its line-up in the order it was entered. Read once per week and kept while a
// report runs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark::reports {

struct ScoreLine {
  int team = 0;
  int position = 0;   // line-up position 1..PlayersPerWeek
  int player = 0;     // the player record
  Integer kind = kRegular;
  Integer handicap = 0;
  Integer noCreditMask = 0;
  Single pointsWon = 0;
  std::array<Integer, 12> games{};
  std::array<Integer, 11> extra{};

  // True when game g (0-based) earns no credit.
  bool noCredit(int g) const { return (noCreditMask >> g & 1) != 0; }
  // True when any of the week's games earns no credit: one marked so, or every game of an absent
  // entry (its scores stand in for the player's).
  bool incomplete() const;
  // An absent or vacancy entry: its scores are not the player's own.
  bool unearned() const { return kind == kAbsent || kind == kVacancy; }
  long series() const;
};

struct WeekScores {
  int week = 0;
  bool readable = false;  // false when the week's results or a score record could not be read
  // When a part the week needs is missing from its file, the line that stands in for the week
  // ("WEEK 3 COULD NOT BE READ: ..."); then readable is false and the week holds nothing.
  std::string damage;
  std::vector<ScoreLine> lines;  // teams in lane-slot order, each in line-up order
  // The week's lane slots and, by team column, points won and team handicaps.
  Arr<Integer, 100> laneTeam{};
  Arr<Single, 100> points{};
  Arr<Integer, 100> teamHandicap{};

  // The team on the other slot of the team's lane pair; 0 when none.
  int opponent(int team) const;
  // The team's points won and team handicap that week.
  Single pointsWon(int team) const;
  Integer handicap(int team) const;

  // The team's lines in line-up order.
  std::vector<const ScoreLine*> team(int team) const;
  // The line the player played that week; nullptr when none.
  const ScoreLine* player(int record) const;
};

// Reads week w's lane slots into memory and every score record of the teams on them. A processed
// week whose results or scores lie beyond the end of their file is not read: it carries the
// notice, and the lane slots in memory show nobody.
WeekScores LoadWeekScores(int week);

}  // namespace tallmark::reports
