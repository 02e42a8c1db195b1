// Special awards: the tests of every counted game and complete series, the awards log, and the
// raising of handicap highs once a player has bowled the qualifying games.
#pragma once

#include <string>

#include "league/LeagueData.h"

namespace tallmark {

// Shows (when AwardPopups is on) and appends one award line for week.
void LogAward(const std::string& text, int week);

// The tests of one counted game x of player p (average a before this week's update); counts go
// to the player and the team record.
void CheckGameAwards(int player, int teamRecord, Integer score, Single average, int week);
// The tests of one complete series; games are the week's game scores.
void CheckSeriesAwards(int player, int teamRecord, const Integer* games, long series,
                       Single average, int week);
// The weekly award for the highest pins over average.
void LogWeekBestAward(int player, Integer overAverage, int week);

// Raises the player's handicap highs of the weeks played with a record handicap below h.
void AdjustHandicapHighs(int player, int team, Integer handicap);

// The session (1..12) containing week.
int SessionOfWeek(int week);

}  // namespace tallmark
