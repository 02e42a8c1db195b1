// Raising a player's handicap highs once the handicap is established: the games bowled before,
// with a lower handicap on their records, are counted again with the new handicap.
#include <algorithm>

#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "processing/Awards.h"

namespace tallmark {

namespace {

// The highs of one week's records of the team that hold the player.
void RaiseHighsOfWeek(int week, int player, int team, Integer handicap) {
  int games = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  int perWeek = std::clamp<int>(lg.PlayersPerWeek, 1, 10);
  for (int slot = 1; slot <= perWeek; ++slot) {
    Integer who = -1;
    ReadScore(week, team, slot, who);
    if (who != player || lg.ScrHandicap >= handicap || lg.ScrEntryKind > kRovingSub) continue;
    auto& st = lg.PlayerStat[player];
    long series = 0;
    for (int g = 0; g < games; ++g) {
      Integer x = lg.ScrGameScore[g];
      series += x;
      if ((lg.ScrNoCreditMask >> g) & 1) continue;
      if (x + lg.ScrHandicap == st[kHighHandicapGame])
        st[kHighHandicapGame] = x + handicap;
    }
    if ((lg.ScrNoCreditMask & ((1 << games) - 1)) != 0) continue;
    if (series + lg.ScrHandicap * games == st[kHighHandicapSeries])
      st[kHighHandicapSeries] = series + handicap * games;
  }
}

}  // namespace

void AdjustHandicapHighs(int player, int team, Integer handicap) {
  if (player < 0 || player > kMaxPlayerRecords || team < 1 || team > kMaxTeams) return;
  int current = std::clamp<int>(lg.CurrentSession, 1, kMaxSessions);
  int lastWeek = std::clamp<int>(lg.CurrentWeek, 0, kMaxWeeks);
  WriteStats(current);
  int loaded = current;
  for (int week = 1; week <= lastWeek; ++week) {
    int session = SessionOfWeek(week);
    if (session != loaded) {
      WriteStats(loaded);
      ReadStats(session);
      loaded = session;
    }
    RaiseHighsOfWeek(week, player, team, handicap);
  }
  WriteStats(loaded);
  if (loaded != current) ReadStats(current);
}

}  // namespace tallmark
