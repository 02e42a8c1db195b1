#include "processing/Averages.h"

#include <cmath>

namespace tallmark {

Integer FloorInteger(double value) {
  if (std::isnan(value)) return 0;
  double f = std::floor(value);
  if (f > 32767) return 32767;
  if (f < -32768) return -32768;
  return static_cast<Integer>(f);
}

namespace {

bool ValidPlayer(int p) { return p >= 0 && p <= kMaxPlayerRecords; }

int ClampGroup(int g) { return g < 0 || g > 2 ? 0 : g; }

Integer TeamRecordHandicap(Integer handicapSum, Integer averageSum, Integer stored) {
  switch (lg.HandicapMethod) {
    case -2: return 0;
    case -1: return HandicapFor(averageSum, 2);
    case 0: return handicapSum;
    case 1: return 0;
    default: return stored;
  }
}

// The starting average as the whole number the handicap and improvement are based on.
Integer WholeStartingAverage(int p) {
  return RoundHalfEven(RoundAverage(lg.PlayerStat[p][kStartingAverage]));
}

}  // namespace

Integer HandicapFor(Integer average, int group) {
  int g = ClampGroup(group);
  int base = lg.ScratchBase[g];
  int d = average < base ? base - average : 0;
  Single h = static_cast<Single>(d * static_cast<double>(lg.PercentHandicap[g]) / 100.0);
  if (h > lg.MaxHandicap[g]) h = lg.MaxHandicap[g];
  return FloorInteger(static_cast<double>(h) + 0.000001);
}

Single PercentImproved(Integer startAverage, Integer currentAverage) {
  if (currentAverage <= startAverage || startAverage < 1) return 0;
  double gain = (currentAverage - startAverage) * 100.0 / startAverage;
  return RoundTo(static_cast<Single>(gain), 1, true);
}

void UpdatePlayerAverage(int team, int player, Integer handicapSum, Integer averageSum) {
  if (!ValidPlayer(player)) return;
  auto& st = lg.PlayerStat[player];
  Integer s = WholeStartingAverage(player);
  Single games = st[kGamesPlayed];
  if (games < lg.RecalcGames[player] || games <= 0)
    st[kCurrentAverage] = s;
  else
    st[kCurrentAverage] = RoundAverage(st[kTotalPins] / games);
  Integer a = FloorInteger(st[kCurrentAverage]);
  bool teamRecord = team >= 1 && team <= kMaxTeams && lg.Roster[team][0] == player;
  if (teamRecord) {
    Integer stored = FloorInteger(st[kCurrentHandicap]);
    st[kCurrentHandicap] = TeamRecordHandicap(handicapSum, averageSum, stored);
  } else {
    st[kCurrentHandicap] = HandicapFor(a, PlayerGroup(player));
  }
  st[kPercentImproved] = PercentImproved(s, a);
}

void UpdateTeamFromRoster(int team) {
  if (team < 1 || team > kMaxTeams) return;
  int n = lg.PlayersPerTeam;
  if (n < 1 || n > kMaxRosterPositions) return;
  Integer sumStart = 0, sumAverage = 0, sumHandicap = 0;
  for (int slot = 1; slot <= n; ++slot) {
    int p = lg.Roster[team][slot];
    if (!ValidPlayer(p)) continue;
    const auto& st = lg.PlayerStat[p];
    sumStart = RoundHalfEven(sumStart + static_cast<double>(st[kStartingAverage]));
    sumAverage = RoundHalfEven(sumAverage + static_cast<double>(st[kCurrentAverage]));
    sumHandicap = RoundHalfEven(sumHandicap + static_cast<double>(st[kCurrentHandicap]));
  }
  int r = lg.Roster[team][0];
  if (!ValidPlayer(r)) return;
  auto& st = lg.PlayerStat[r];
  double m = lg.PlayersPerWeek;
  st[kStartingAverage] = FloorInteger(static_cast<double>(sumStart) / n);
  st[kCurrentAverage] = FloorInteger(static_cast<double>(sumAverage) / n);
  switch (lg.HandicapMethod) {
    case -2: st[kCurrentHandicap] = 0; break;
    case -1: st[kCurrentHandicap] = HandicapFor(RoundHalfEven(m * sumAverage / n), 2); break;
    case 0: st[kCurrentHandicap] = static_cast<Single>(m * sumHandicap / n); break;
    case 1: st[kCurrentHandicap] = 0; break;
    default: break;
  }
  st[kPercentImproved] = PercentImproved(sumStart, sumAverage);
}

Integer ClassifyAverage(int player) {
  if (!ValidPlayer(player)) return 1;
  int classes = lg.NumClasses;
  if (classes > kMaxClasses) classes = kMaxClasses;
  Single average = lg.PlayerStat[player][kCurrentAverage];
  for (int k = classes - 1; k >= 0; --k)
    if (average <= lg.ClassLimit[k]) return static_cast<Integer>(k + 1);
  return 1;
}

}  // namespace tallmark
