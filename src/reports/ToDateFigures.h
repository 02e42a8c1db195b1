// The figures of the to-date reports, week by week: a team's record (team results to date) and a
// player's games (player results to date). The reports print them; the published pages show the
// same figures.
#pragma once

#include <string>
#include <vector>

#include "reports/WeekScores.h"

namespace tallmark::reports {

struct TeamWeekFigures {
  int week = 0;
  bool readable = true;     // false: the week could not be read (nothing else is set)
  std::string damage;       // what made it unreadable, when known
  bool reset = false;       // the team statistics were reset this week
  bool played = false;      // false: the team did not play (nothing else is set)
  int opponent = 0;
  Single won = 0, lost = 0;
  std::vector<long> games;        // the team's game totals
  std::vector<bool> unearned;     // per game: an unearned game is in the total
  long handicap = 0;              // the week's team handicap times the games
  long sum = 0;                   // series plus handicap
  bool unearnedPins = false;      // the sum holds unearned pins
  int sessionGames = 0;           // the session so far
  Single sessionWon = 0, sessionLost = 0;
};

struct PlayerWeekFigures {
  int week = 0;
  bool readable = true;     // false: the week could not be read (nothing else is set)
  std::string damage;       // what made it unreadable, when known
  bool reset = false;       // the player statistics were reset this week
  std::vector<int> games;
  std::vector<bool> starred;  // per game: not credited to the player
  long series = 0;
  int sessionGames = 0;       // credited games of the session so far
  Single average = 0;         // their average
  Integer handicap = 0;       // the week's handicap
  Single won = 0, lost = 0;   // the session's points so far
  const char* note = "";      // "VACANT", "ABSENT", "FORFEIT" or ""
};

// The closing "AVG" line of a player, on the week lines' basis: each game column's average over
// the session's credited games and the running games, average, points won and lost, averages
// kept as the league keeps them (rounded or cut to its decimals); then the current handicap.
struct PlayerAverageFigures {
  std::vector<long> columnAverages;
  double games = 0, average = 0, handicap = 0, won = 0, lost = 0;
};

struct PlayerToDateLines {
  std::vector<PlayerWeekFigures> weeks;  // the weeks the player has a line, and unreadable weeks
  PlayerAverageFigures total;
};

// The team's lines for the weeks (the session's processed weeks, in order).
std::vector<TeamWeekFigures> TeamToDateFigures(int team, const std::vector<WeekScores>& weeks);
// The player's lines for the weeks and the closing line.
PlayerToDateLines PlayerToDateFigures(int player, const std::vector<WeekScores>& weeks);

}  // namespace tallmark::reports
