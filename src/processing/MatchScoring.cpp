// The points of a match: game by game and over the series, team against team and slot against
// slot, ties split in half, and the high game of the match.
#include <algorithm>
#include <cmath>

#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"

namespace tallmark {

namespace {

bool MatchPointLeague() { return lg.MatchPointsStanding != 0; }

// The share of side s in matchup j, game g.
Single SideShare(int side, int matchup, int game) {
  Single won = ww.MatchWon[matchup][game];
  return side == 0 ? won : PointsAtStake(matchup, game) - won;
}

void DecideMatchups() {
  for (int g = 0; g <= lg.GamesPerWeek; ++g) {
    for (int j = 0; j <= lg.PlayersPerWeek; ++j) {
      Single at = PointsAtStake(j, g);
      Single d = lg.MatchDiff[g][j];
      ww.MatchWon[j][g] = d < 0 ? at : d == 0 ? at / 2 : 0;
    }
  }
}

// One slot's record of one side: its points, written back and credited.
void ScoreSlot(int week, int team, int side, int slot) {
  Integer player = 0;
  ReadScore(week, team, slot, player);
  const int matchup = MatchPointLeague() ? slot : 0;
  const bool unearned = lg.ScrEntryKind == kVacancy || lg.ScrEntryKind == kAbsent;
  Single points = 0;
  for (int g = 0; g <= lg.GamesPerWeek; ++g) {
    Single share = SideShare(side, matchup, g);
    int to = side;
    if (unearned) to = ww.MatchWon[0][g] > 0 ? 0 : 1;
    ww.SideMatchPoints[to] += share;
    points += share;
  }
  if (lg.ScrEntryKind == kAbsent || ww.UnearnedCount[slot] == 2) points = 0;
  if (!lg.ForfeitRule && lg.ScrFlag) {
    lg.ScrGameScore.fill(0);
    lg.ScrHandicap = 0;
  }
  lg.ScrPointsWon = points;
  WriteScore(week, team, slot, player);
  CreditPoints(points, player, slot);
}

Single HighGameShare(int team) {
  if (lg.HighGameTeam == team) return lg.HighGamePoints;
  if (lg.HighGameTeam == 0) return lg.HighGamePoints / 2.0f;
  return 0;
}

bool SlotOneForfeited(int week, int team) {
  Integer player = 0;
  ReadScore(week, team, 1, player);
  return lg.ScrFlag != 0;
}

void CreditTeam(int week, int team, int side) {
  Single points = 0;
  if (MatchPointLeague() && lg.PlayerPointsToTeam) points += ww.SideMatchPoints[side];
  for (int g = 0; g <= lg.GamesPerWeek; ++g) points += SideShare(side, 0, g);
  points += HighGameShare(team);
  int column = TeamColumn(team);
  lg.TeamPointsWeek[column] = points;
  CreditPoints(points, lg.Roster[team][0], 0);
  if (!lg.ForfeitRule && SlotOneForfeited(week, team)) lg.TeamHandicapWeek[column] = 0;
}

}  // namespace

Single PointsAtStake(int matchup, int game) {
  bool series = game == lg.GamesPerWeek;
  if (matchup == 0) return series ? lg.TeamPointsSeries : lg.TeamPointsGame;
  return series ? lg.PlayerPointsSeries : lg.PlayerPointsGame;
}

void ScoreMatch(int week, int match) {
  DecideMatchups();
  ww.SideMatchPoints = {0, 0};
  for (int side = 0; side <= 1; ++side) {
    int team = lg.LaneTeam[2 * match + side - 1];
    for (int slot = 1; slot <= lg.PlayersPerWeek; ++slot) ScoreSlot(week, team, side, slot);
  }
  for (int side = 0; side <= 1; ++side) CreditTeam(week, lg.LaneTeam[2 * match + side - 1], side);
}

double PlayerPointsAtStake() {
  const int games = lg.GamesPerWeek;
  // Outside a match-point league a player's points come from the team matchup.
  return MatchPointLeague() ? lg.PlayerPointsGame * games + lg.PlayerPointsSeries
                            : lg.TeamPointsGame * games + lg.TeamPointsSeries;
}

double TeamPointsAtStake() {
  const int games = lg.GamesPerWeek;
  double atStake = lg.TeamPointsGame * games + lg.TeamPointsSeries;
  if (MatchPointLeague() && lg.PlayerPointsToTeam)
    atStake += lg.PlayersPerWeek * (lg.PlayerPointsGame * games + lg.PlayerPointsSeries);
  return atStake + std::abs(lg.HighGamePoints);
}

void CreditPoints(Single won, int index, int isPlayer) {
  if (index < 0 || index > kMaxPlayerRecords) return;
  if (isPlayer && lg.ScrFlag && lg.ForfeitRule) return;
  const double atStake = isPlayer ? PlayerPointsAtStake() : TeamPointsAtStake();
  lg.PlayerStat[index][kMatchPointsWon] += won;
  lg.PlayerStat[index][kMatchPointsLost] += static_cast<Single>(atStake - won);
}

}  // namespace tallmark
