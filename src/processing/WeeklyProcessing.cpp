#include "processing/WeeklyProcessing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/Awards.h"
#include "processing/Rankings.h"
#include "common/UserIO.h"

namespace tallmark {

WeekWork ww;

namespace {

// The week last processed in memory, so that it is not processed again before CurrentWeek rises.
std::string lastProcessed;

std::string ProcessedKey(int week) { return LeagueBasePath() + "#" + std::to_string(week); }

// Settings that bound arrays are kept within the limits of the files.
void CleanSettings() {
  lg.GamesPerWeek = std::clamp<Integer>(lg.GamesPerWeek, 1, kMaxGames);
  lg.PlayersPerWeek = std::clamp<Integer>(lg.PlayersPerWeek, 1, 10);
  lg.NumLanes = std::clamp<Integer>(lg.NumLanes, 0, kLaneSlotsPerWeekBlock / 2);
  lg.NumExtraStats = std::clamp<Integer>(lg.NumExtraStats, 0, kMaxExtraStats);
  if (lg.HighGamePoints < 0) lg.HighGamePoints = 0;
}

void CleanWeekResults() {
  for (int k = 1; k <= 2 * lg.NumLanes; ++k)
    if (lg.TeamHandicapWeek[k] < 0) lg.TeamHandicapWeek[k] = 0;
}

bool ValidTeam(int team) {
  return TeamInUse(team) && lg.Roster[team][0] >= 0 && lg.Roster[team][0] <= kMaxPlayerRecords;
}

void CompareHighGame(long value, int team) {
  if (value == lg.HighGameValue) {
    lg.HighGameTeam = 0;
  } else if (value > lg.HighGameValue) {
    lg.HighGameValue = static_cast<Integer>(std::min(value, 32767L));
    lg.HighGameTeam = static_cast<Integer>(team);
  }
}

void RaiseHigh(Single& high, double value) {
  if (value > high) high = static_cast<Single>(value);
}

void AddToWeekBest(int player, Integer score, Single average) {
  Integer d = RoundHalfEven(score - static_cast<double>(average));
  if (d == ww.WeekBestOverAverage) {
    // A tie between two players; the same player reaching it again is no tie.
    if (ww.WeekBestPlayer != player) ww.WeekBestPlayer = -1;
  } else if (d > ww.WeekBestOverAverage) {
    ww.WeekBestOverAverage = d;
    ww.WeekBestPlayer = static_cast<Integer>(player);
  }
}

// One game that counts for the player: highs, totals, awards, the week's best over average.
void CountGame(int week, int player, int teamRecord, Integer x, long y, Single average) {
  auto& st = lg.PlayerStat[player];
  RaiseHigh(st[kHighScratchGame], x);
  RaiseHigh(st[kHighHandicapGame], y);
  st[kTotalPins] += x;
  st[kGamesPlayed] += 1;
  st[kTotalPinsHandicap] += y;
  CheckGameAwards(player, teamRecord, x, average, week);
  AddToWeekBest(player, x, average);
}

bool JustQualified(int player) {
  if (!lg.AdjustHandicapAwards || lg.HandicapMethod != 0) return false;
  Single games = lg.PlayerStat[player][kGamesPlayed];
  return games >= lg.GamesToQualify && games < lg.GamesToQualify + lg.GamesPerWeek;
}

void ResetMatch() {
  for (auto& row : lg.MatchDiff) row.fill(0);
  ww.UnearnedCount.fill(0);
  lg.HighGameValue = 0;
  lg.HighGameTeam = 0;
}

void TeamHighGame(int team) {
  int column = lg.HighGameMode == 2 ? 0 : 1;
  long best = 0;
  for (int g = 0; g < lg.GamesPerWeek; ++g)
    best = std::max<long>(best, RoundHalfEven(lg.TeamGame[g][column]));
  CompareHighGame(best, team);
}

// Side s of match m: its players, its team figures and its team handicap in the matchups.
void ProcessSide(int week, int match, int side) {
  int team = lg.LaneTeam[2 * match + side - 1];
  int teamRecord = lg.Roster[team][0];
  int sign = 2 * side - 1;
  int games = lg.GamesPerWeek;
  for (auto& row : lg.TeamGame) row.fill(0);
  TeamSums sums;
  for (int slot = 1; slot <= lg.PlayersPerWeek; ++slot) {
    Integer player = 0;
    ProcessPlayerWeek(week, team, slot, player, teamRecord, sign, sums);
  }
  bool lastWasForfeit = lg.ScrFlag != 0;
  if (lg.PlayerStat[teamRecord][kGamesPlayed] > 0 && !lastWasForfeit)
    FinishTeamWeek(team, teamRecord, sums);
  if (lg.ForfeitRule && lastWasForfeit) lg.TeamHandicapWeek[TeamColumn(team)] = 0;
  if (lg.HighGameMode == 2 || lg.HighGameMode == 3) TeamHighGame(team);
  double handicap = lg.TeamHandicapWeek[TeamColumn(team)];
  for (int g = 0; g < games; ++g) lg.MatchDiff[g][0] += static_cast<Single>(sign * handicap);
  lg.MatchDiff[games][0] += static_cast<Single>(sign * handicap * games);
}

bool MatchPlayable(int match) {
  return ValidTeam(lg.LaneTeam[2 * match - 1]) && ValidTeam(lg.LaneTeam[2 * match]);
}

bool PositionRoundNeeded() { return lg.NumLanes > 0 && lg.LaneTeam[1] == kPositionTeam; }

}  // namespace

void ProcessPlayerWeek(int week, int team, int slot, Integer& player, int teamRecord, int sign,
                       TeamSums& sums) {
  ReadScore(week, team, slot, player);
  const Integer kind = lg.ScrEntryKind;
  const Integer h = lg.ScrHandicap;
  const int games = lg.GamesPerWeek;
  const int mask = lg.ScrNoCreditMask & ((1 << games) - 1);
  const bool forfeit = lg.ScrFlag != 0;
  Arr<Integer, 11> scores = lg.ScrGameScore;
  if (kind == kVacancy || kind == kAbsent) ++ww.UnearnedCount[slot];
  auto& st = lg.PlayerStat[player];
  auto& ts = lg.PlayerStat[teamRecord];
  for (int k = 0; k < lg.NumExtraStats; ++k) {
    st[kFirstExtraStat + k] += lg.ScrExtraStat[k];
    if (teamRecord != player) ts[kFirstExtraStat + k] += lg.ScrExtraStat[k];
  }
  const int f = forfeit && lg.ForfeitRule ? 0 : 1;
  const bool counts = kind <= kRovingSub;
  const Single average = st[kCurrentAverage];
  long series = 0, best = 0;
  for (int g = 0; g < games; ++g) {
    const Integer x = scores[g];
    const long y = static_cast<long>(h) * f + x;
    lg.TeamGame[g][0] += x;
    lg.TeamGame[g][1] += x;
    lg.TeamGame[games][0] += x;
    lg.TeamGame[games][1] += x;
    series += x;
    lg.MatchDiff[g][0] += static_cast<Single>(sign * x);
    lg.MatchDiff[g][slot] += static_cast<Single>(sign * std::labs(y));
    if (((mask >> g) & 1) || !counts) continue;
    CountGame(week, player, teamRecord, x, y, average);
    best = std::max<long>(best, lg.HighGameMode == 0 ? x : y);
  }
  if (lg.HighGameMode == 0 || lg.HighGameMode == 1) CompareHighGame(best, team);
  sums.averagesBefore = RoundHalfEven(sums.averagesBefore + static_cast<double>(average));
  sums.recordHandicaps = RoundHalfEven(sums.recordHandicaps + h);
  const long z = static_cast<long>(h) * games * f + series;
  lg.MatchDiff[games][0] += static_cast<Single>(sign * series);
  lg.MatchDiff[games][slot] += static_cast<Single>(sign * z);
  if (kind < 3 - lg.UnearnedInTeamStats && kind != kForfeit) {
    ts[kTotalPins] += series;
    ts[kTotalPinsHandicap] += series;
    ts[kGamesPlayed] += games;
  }
  if (counts) {
    if (mask == 0) {
      CheckSeriesAwards(player, teamRecord, scores.data(), series, average, week);
      RaiseHigh(st[kHighScratchSeries], series);
      RaiseHigh(st[kHighHandicapSeries], z);
    }
    UpdatePlayerAverage(team, player, 0, 0);
    if (JustQualified(player)) {
      AdjustHandicapHighs(player, team, RoundHalfEven(st[kCurrentHandicap]));
      lg.ScrEntryKind = kind;  // the record in work is this one again
      lg.ScrFlag = forfeit ? True : False;
    }
  }
  sums.handicapsAfter = RoundHalfEven(sums.handicapsAfter + static_cast<double>(st[kCurrentHandicap]));
  sums.averagesAfter = RoundHalfEven(sums.averagesAfter + static_cast<double>(st[kCurrentAverage]));
}

void FinishTeamWeek(int team, int teamRecord, const TeamSums& sums) {
  const int games = lg.GamesPerWeek;
  Integer& handicap = lg.TeamHandicapWeek[TeamColumn(team)];
  switch (lg.HandicapMethod) {
    case -1: handicap = HandicapFor(sums.averagesBefore, 2); break;
    case 0: handicap = sums.recordHandicaps; break;
    case 1: handicap = 0; break;
    default: break;  // the difference method keeps the handicap entered for the week
  }
  auto& ts = lg.PlayerStat[teamRecord];
  ts[kTotalPinsHandicap] += static_cast<Single>(handicap * games);
  for (int g = 0; g < games; ++g) lg.TeamGame[g][1] += handicap;
  lg.TeamGame[games][1] += static_cast<Single>(handicap * games);
  for (int g = 0; g < games; ++g) {
    RaiseHigh(ts[kHighScratchGame], lg.TeamGame[g][0]);
    RaiseHigh(ts[kHighHandicapGame], lg.TeamGame[g][1]);
  }
  RaiseHigh(ts[kHighScratchSeries], lg.TeamGame[games][0]);
  RaiseHigh(ts[kHighHandicapSeries], lg.TeamGame[games][1]);
  UpdatePlayerAverage(team, teamRecord, sums.handicapsAfter, sums.averagesAfter);
}

void ForgetProcessedWeek() { lastProcessed.clear(); }

bool ProcessWeek(int week, const ProgressFn& progress) {
  if (week != lg.CurrentWeek + 1 || week < 1 || week > kMaxWeeks) return false;
  if (lastProcessed == ProcessedKey(week)) return false;
  BusyPointer busy;
  CleanSettings();
  ww.WeekBestOverAverage = 0;
  ww.WeekBestPlayer = -1;
  ReadWeekResults(week);
  CleanWeekResults();
  if (PositionRoundNeeded()) {
    PairByStandings();
    WriteWeekResults(week);
  }
  if (!lg.ForfeitRule) ForfeitScores(week);
  for (int m = 1; m <= lg.NumLanes; ++m) {
    if (progress) progress(m * 100 / lg.NumLanes);
    if (!MatchPlayable(m)) continue;
    ResetMatch();
    ProcessSide(week, m, 0);
    ProcessSide(week, m, 1);
    ScoreMatch(week, m);
  }
  OrderStandings();
  WriteWeekResults(week);
  if (ww.WeekBestOverAverage > 0 && ww.WeekBestPlayer >= 0)
    LogWeekBestAward(ww.WeekBestPlayer, ww.WeekBestOverAverage, week);
  lastProcessed = ProcessedKey(week);
  return true;
}

}  // namespace tallmark
