// A small league in memory, with its week files in a fresh folder, for the score entry tests.
//
// Four teams of three on two lane pairs, three games a week, two extra statistics. Records:
// team t is record 10t, its members 10t+1..10t+3; substitute 50; team 4's third member is a
// vacancy. Player handicaps: base 200, 90 %, at most 60; the team group: base 600, 80 %, at
// most 200.
#pragma once

#include <string>

#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "support/TempDir.h"

namespace tallmark::test {

inline void SetPlayer(int p, const std::string& name, float average, float handicap) {
  lg.PlayerName[p] = Fixed(name, 20);
  lg.PlayerStat[p][kStartingAverage] = average;
  lg.PlayerStat[p][kCurrentAverage] = average;
  lg.PlayerStat[p][kCurrentHandicap] = handicap;
  lg.PlayerStat[p][kGroupOrStanding] = 1;
}

inline void MakeEntryLeague(const TempDir& dir) {
  InitLeagueData();
  lg.DataPath = dir.path();
  lg.FileName = "ENTRY";
  lg.LeagueName = "ENTRY TEST";
  lg.NumTeams = 4;
  lg.LastTeam = 4;
  lg.PlayersPerTeam = 3;
  lg.PlayersPerWeek = 3;
  lg.NumLanes = 2;
  lg.GamesPerWeek = 3;
  lg.NumWeeks = 10;
  lg.CurrentWeek = 0;
  lg.NumPlayerRecords = 51;
  lg.SportTerm = {"10 Pin Bowling", "Bowl", "Bowled", "Bowling", "Bowler",
                  "Bowlers",        "Pin",  "Lane",   "Series",  "Frame"};
  lg.GameParam = {300, 4, 0, 0};
  lg.HandicapMethod = 0;
  for (int g = 0; g <= 1; ++g) {
    lg.ScratchBase[g] = 200;
    lg.PercentHandicap[g] = 90;
    lg.MaxHandicap[g] = 60;
    lg.VacancyScore[g] = 120;
    lg.AbsenteeLess[g] = 10;
  }
  lg.ScratchBase[2] = 600;
  lg.PercentHandicap[2] = 80;
  lg.MaxHandicap[2] = 200;
  lg.NumExtraStats = 2;
  lg.ExtraStatAbbrev[0] = Fixed("STRK", 5);
  lg.ExtraStatAbbrev[1] = Fixed("FEES", 5);
  for (int p = 0; p <= kMaxPlayerRecords; ++p) lg.PlayerName[p] = Fixed("?", 20);
  const float averages[5][3] = {{}, {150, 160, 170}, {140, 140, 140}, {150, 150, 150},
                                {150, 150, 0}};
  const float handicaps[5][3] = {{}, {45, 36, 27}, {54, 54, 54}, {45, 45, 45}, {45, 45, 60}};
  for (int t = 1; t <= 4; ++t) {
    lg.Roster[t][0] = static_cast<Integer>(10 * t);
    lg.PlayerName[10 * t] = Fixed("TEAM " + std::to_string(t), 20);
    lg.PlayerStat[10 * t][kGroupOrStanding] = static_cast<Single>(t);
    for (int j = 1; j <= 3; ++j) {
      int p = 10 * t + j;
      lg.Roster[t][j] = static_cast<Integer>(p);
      SetPlayer(p, "Player " + std::to_string(p), averages[t][j - 1], handicaps[t][j - 1]);
    }
  }
  lg.PlayerName[43] = Fixed("*VACANCY", 20);
  lg.NumSubs = 1;
  lg.SubList[1] = 50;
  SetPlayer(50, "Sam Sub", 130, 60);
  for (int k = 1; k <= 4; ++k) lg.LaneTeam[k] = static_cast<Integer>(k);
  WriteWeekResults(1);
}

}  // namespace tallmark::test
