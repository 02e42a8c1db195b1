// The scores that stand in for players who did not bowl, and the entering average taken from a
// player's first week.
#include <cmath>

#include "processing/Averages.h"

namespace tallmark {

namespace {

bool ValidPlayer(int p) { return p >= 0 && p <= kMaxPlayerRecords; }

// A substitute score is never negative: a stored negative score would read back as positive.
Integer NotNegative(double value) {
  Integer v = RoundHalfEven(value);
  return v < 0 ? Integer{0} : v;
}

}  // namespace

int PlayerGroup(int player) {
  if (!ValidPlayer(player)) return 0;
  Integer g = RoundHalfEven(lg.PlayerStat[player][kGroupOrStanding]);
  return g == 1 ? 1 : 0;
}

Integer VacancyGameScore(int player) { return lg.VacancyScore[PlayerGroup(player)]; }

Integer AbsentGameScore(int player) {
  if (!ValidPlayer(player)) return 0;
  int g = PlayerGroup(player);
  Integer a = RoundHalfEven(lg.PlayerStat[player][kCurrentAverage]);
  if (lg.AbsenteeIsPercent) {
    double score = std::floor((1.0 - lg.AbsenteeLess[g] / 100.0) * a + 0.5);
    return NotNegative(score);
  }
  return NotNegative(static_cast<double>(a) - lg.AbsenteeLess[g]);
}

Integer ForfeitGameScore(int opponent) {
  if (!ValidPlayer(opponent)) return 0;
  int g = PlayerGroup(opponent);
  return NotNegative(static_cast<double>(lg.PlayerStat[opponent][kCurrentAverage]) -
                     lg.ForfeitLess[g]);
}

bool ApplyEnteringAverage(int player, Integer kind, long rowTotal, Integer& rowHandicap) {
  if (!ValidPlayer(player) || kind < kRegular || kind > kRovingSub) return false;
  auto& st = lg.PlayerStat[player];
  if (st[kGamesPlayed] != 0 || !lg.AvgAfterWeek1[player] || rowTotal <= 0) return false;
  if (lg.GamesPerWeek < 1) return false;
  Integer a = RoundHalfEven(std::floor(static_cast<double>(rowTotal) / lg.GamesPerWeek));
  Integer h = HandicapFor(a, PlayerGroup(player));
  st[kStartingAverage] = a;
  st[kCurrentAverage] = a;
  st[kCurrentHandicap] = h;
  rowHandicap = h;
  return true;
}

}  // namespace tallmark
