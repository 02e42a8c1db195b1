// Weekly processing: from one week's stored score records to points, statistics, averages,
// handicaps, awards and standings.
#pragma once

#include <functional>

#include "league/LeagueData.h"

namespace tallmark {

// Work values of the match and the week in progress.
struct WeekWork {
  Arr<Integer, 10> UnearnedCount{};      // vacancy and absent records seen in slot j this match
  Arr2<Single, 10, 12> MatchWon{};       // MatchWon(j, g): points side 0 won in matchup j, game g
  Arr<Single, 1> SideMatchPoints{};
  Integer WeekBestOverAverage = 0;
  Integer WeekBestPlayer = -1;           // -1: nobody, or a tie
};
extern WeekWork ww;

// Running sums of one side's records: record handicaps, handicaps after the update, averages
// before the update and averages after it, each kept as a whole number.
struct TeamSums {
  Integer recordHandicaps = 0;
  Integer handicapsAfter = 0;
  Integer averagesBefore = 0;
  Integer averagesAfter = 0;
};

using ProgressFn = std::function<void(int percent)>;

// Processes the week after the last processed one. Refuses (returns false, changes nothing) any
// other week, and a week already processed in memory whose CurrentWeek has not yet been raised.
// progress receives Int(m x 100 / NumLanes) after each match m.
bool ProcessWeek(int week, const ProgressFn& progress = {});
// Lets the week last processed be processed again (after processed weeks were dropped).
void ForgetProcessedWeek();

// One score record of one side: reads it, adds it to the matchups and the statistics.
void ProcessPlayerWeek(int week, int team, int slot, Integer& player, int teamRecord, int sign,
                       TeamSums& sums);
// The team part after a side's players: week handicap, totals, highs, average.
void FinishTeamWeek(int team, int teamRecord, const TeamSums& sums);
// The points of match m, written to the score records, the statistics and TeamPointsWeek.
void ScoreMatch(int week, int match);
// Adds won to category 7 and the rest of the points at stake to category 15 of a player
// (isPlayer != 0, judged with the score record in work) or a team record.
void CreditPoints(Single won, int index, int isPlayer);
// The points a player record and a team record play for in one week; what they do not win
// they lose.
double PlayerPointsAtStake();
double TeamPointsAtStake();
// With the automatic forfeit win off: gives a forfeiting team's records the scores it must beat.
void ForfeitScores(int week);
// A position round: puts each team in use on the lane slot of its standing. Returns false when
// the standings did not give every slot a team (the slots left are 0).
bool PairByStandings();

// The points at stake in matchup j (0 = the teams) for game g (GamesPerWeek = the series).
Single PointsAtStake(int matchup, int game);

}  // namespace tallmark
