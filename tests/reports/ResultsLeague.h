// The results reports' league: the test league of 4 teams of 3 players written to disk with
// four weeks of scores, then given two extra statistics, a split at week 3 that resets the
// statistics, a forfeit, a substitute, a roving substitute, an absentee, a vacancy and an
// incomplete game, and different statistics in each session.
//
// Week 1: 1 v 2, 3 v 4 -- SUB 1 bowls for PLAYER 2-2, PLAYER 1-3 leaves game 3 unfinished.
// Week 2: 1 v 3, 2 v 4 -- TEAM 4 forfeits.
// Week 3: 1 v 2, 3 v 4 -- session 2 starts; SUB 2 roves for TEAM 3; position 3 of TEAM 4 vacant.
// Week 4: 1 v 3, 2 v 4 -- PLAYER 1-1 is absent.
#pragma once

#include <string>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "support/LeagueFixture.h"

namespace tallmark::test {

// Rewrites one score record of the test league.
inline void ChangeScore(int week, int team, int position, int player, Integer kind, int mask = 0) {
  Integer stored = 0;
  ReadScore(week, team, position, stored);
  lg.ScrEntryKind = kind;
  lg.ScrFlag = kind == kForfeit ? True : False;
  lg.ScrNoCreditMask = static_cast<Integer>(mask);
  if (kind == kForfeit) lg.ScrPointsWon = 0;
  WriteScore(week, team, position, player);
}

inline void BuildResultsLeague(const std::string& folder) {
  InitLeagueData();
  BuildTestLeague(folder, "RESULTS", 4);
  lg.NumExtraStats = 2;
  lg.ExtraStatAbbrev[0] = Fixed("STRK", 5);
  lg.ExtraStatName[0] = Fixed("Strikes", 20);
  lg.ExtraStatAbbrev[1] = Fixed("SPR", 5);
  lg.ExtraStatName[1] = Fixed("Spares", 20);
  lg.CategoryName[kFirstExtraStat] = lg.ExtraStatName[0];
  lg.CategoryName[kFirstExtraStat + 1] = lg.ExtraStatName[1];
  lg.NumSessions = 2;
  lg.SplitWeek[1] = -3;
  lg.StatResetMode = 2;  // the players' statistics below restart too
  lg.CurrentSession = 2;
  for (int w = 1; w <= 4; ++w) lg.WeekDate[w] = "10/0" + std::to_string(w) + "/26";

  // Extra statistics in every record: strikes = position + week, spares = team.
  for (int w = 1; w <= 4; ++w)
    for (int t = 1; t <= 4; ++t)
      for (int p = 1; p <= 3; ++p) {
        Integer player = 0;
        ReadScore(w, t, p, player);
        lg.ScrExtraStat[0] = static_cast<Integer>(p + w);
        lg.ScrExtraStat[1] = static_cast<Integer>(t);
        WriteScore(w, t, p, player);
      }
  const int sub1 = lg.SubList[1], sub2 = lg.SubList[2];
  ChangeScore(1, 2, 2, sub1, kSub);
  ChangeScore(1, 1, 3, lg.Roster[1][3], kRegular, 4);
  for (int p = 1; p <= 3; ++p) ChangeScore(2, 4, p, lg.Roster[4][p], kForfeit);
  ChangeScore(4, 1, 1, lg.Roster[1][1], kAbsent);
  ChangeScore(3, 3, 2, sub2, kRovingSub);
  lg.PlayerName[19] = Fixed("*VACANCY", 20);
  lg.NumPlayerRecords = 20;
  ChangeScore(3, 4, 3, 19, kVacancy);

  // Session 1 holds the statistics of weeks 1-2, session 2 (in force) those of weeks 3-4.
  for (int r = 1; r < lg.NumPlayerRecords; ++r) {
    lg.PlayerStat[r][kFirstExtraStat] = static_cast<Single>(r % 7);
    lg.PlayerStat[r][kFirstExtraStat + 1] = static_cast<Single>(r % 3);
    lg.PlayerStat[r][kScratchSeriesOver] = static_cast<Single>(r % 2);
  }
  WriteStats(1);
  for (int r = 1; r < lg.NumPlayerRecords; ++r) {
    lg.PlayerStat[r][kGamesPlayed] /= 2;
    lg.PlayerStat[r][kTotalPins] /= 2;
  }
  SaveLeague();
}

}  // namespace tallmark::test
