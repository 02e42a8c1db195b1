// The standing sheet's small league grown into one that uses every option the other reports
// print: two classes, separate scoring and awards for the two groups, customized awards, extra
// statistics with fees, a season split at week 4 with a reset (session 2 in progress), a
// substitute, a vacancy on team 4, a position round in week 6 and unscheduled weeks after it,
// and an awards log.
#pragma once

#include "SheetLeague.h"
#include "league/FileSystem.h"

namespace tallmark::test {

inline void BuildOptionsLeague(const std::string& folder) {
  BuildSheetLeague(folder);
  lg.NumClasses = 2;
  lg.ClassLimit[1] = 160;
  for (int p : {2, 6, 8, 11}) lg.PlayerStat[p][kClassification] = 2;
  lg.SeparateGenderScoring = True;
  lg.SeparateGenderAwards = True;
  lg.PercentHandicap = {90, 80, 0};
  lg.ScratchBase = {200, 210, 0};
  lg.MaxHandicap = {70, 60, 0};
  lg.AbsenteeIsPercent = True;
  lg.HighGamePoints = 2;
  lg.HighGameMode = 3;
  lg.NumCustomAwards = 3;
  lg.CustomAward[0][1] = 0, lg.CustomAward[1][1] = 150, lg.CustomAward[2][1] = 200, lg.CustomAward[3][1] = 300;
  lg.CustomAward[0][2] = 1, lg.CustomAward[1][2] = 140, lg.CustomAward[2][2] = 500, lg.CustomAward[3][2] = 900;
  lg.CustomAward[0][3] = 0, lg.CustomAward[1][3] = 120, lg.CustomAward[2][3] = 160, lg.CustomAward[3][3] = 199;
  lg.NumExtraStats = 2;
  lg.ExtraStatAbbrev[0] = Fixed("SPARE", 5), lg.ExtraStatName[0] = Fixed("Spares", 20);
  lg.ExtraStatAbbrev[1] = Fixed("FEES", 5), lg.ExtraStatName[1] = Fixed("Fees Paid", 20);
  lg.CategoryName[18] = lg.ExtraStatName[0], lg.CategoryName[19] = lg.ExtraStatName[1];
  lg.FeeUnit = 12.5f;
  for (int p = 2; p <= 12; ++p) {
    lg.PlayerStat[p][kStartingAverage] = lg.PlayerStat[p][kCurrentAverage] - 4;
    lg.PlayerStat[p][18] = static_cast<Single>(p * 3);
    lg.PlayerStat[p][19] = static_cast<Single>(p % 4 + 1);
  }
  // Team 4's second player is a vacancy, with the highest average of the league.
  lg.PlayerName[12] = Fixed("*VACANCY 1", 20);
  lg.NumSubs = 1;
  lg.SubList[1] = 13;
  lg.PlayerName[13] = Fixed("Ivy Sub", 20);
  lg.PlayerPhone[13] = Fixed("555-0199", 12);
  lg.PlayerStat[13][kCurrentAverage] = 131;
  lg.PlayerStat[13][kClassification] = 2;
  lg.PlayerStat[13][19] = 2;
  lg.NumPlayerRecords = 14;
  lg.NumSessions = 2;
  lg.CurrentSession = 2;
  lg.SplitWeek[1] = -4;
  lg.StatResetMode = 2;

  // Weeks 1..10: a rotation, the position round in week 6, nothing scheduled after it.
  const Integer pairs[3][4] = {{1, 2, 3, 4}, {1, 3, 2, 4}, {1, 4, 2, 3}};
  for (int w = 1; w <= 10; ++w) {
    for (int s = 1; s <= 4; ++s)
      lg.LaneTeam[s] = w <= 5 ? pairs[(w - 1) % 3][s - 1] : w == 6 ? kPositionTeam : kTbdTeam;
    WriteWeekResults(w);
    lg.WeekDate[w] = "09/" + std::string(w < 4 ? "1" : "2") + std::to_string(w % 10) + "/26";
  }
  ReadWeekResults(4);
  // Session 1's statistics differ from session 2's: every average 10 lower.
  for (int p = 2; p <= 13; ++p) lg.PlayerStat[p][kCurrentAverage] -= 10;
  WriteStats(1);
  for (int p = 2; p <= 13; ++p) lg.PlayerStat[p][kCurrentAverage] += 10;
  WriteStats(2);

  WriteFileAtomic(LeagueBasePath() + ".SPC",
                  "SPECIAL AWARDS LOG STARTED ON WEEK 1\r\n"
                  "Gil Moss bowled a 233 game in week 2.\r\n"
                  "Ann Lee bowled 172 (32 over avg.) in week 3.\r\n"
                  "Ann Leeds bowled a 200 game in week 3.\r\n"
                  "Cal Fox with a 180 average bowled a 610 series in week 4.\r\n");
}

}  // namespace tallmark::test
