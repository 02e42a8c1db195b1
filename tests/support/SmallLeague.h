// A small known league built in memory for the file tests: two teams of two players, one
// substitute, the shipped sport file in the program folder.
#pragma once

#include <string>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/SportsList.h"

namespace tallmark::test {

// Sets up the league "ACE" with its files in folder (ending in "/"); the sport file is written
// there too, which serves as the program folder.
inline void BuildSmallLeague(const std::string& folder) {
  InitLeagueData();
  lg.ProgramPath = folder;
  lg.DataPath = folder;
  lg.FileName = "ACE";
  WriteFileAtomic(folder + "SportsInfo.dat", ShippedSportsFile());
  lg.LeagueName = "ACE LEAGUE";
  lg.SportNumber = 1;
  lg.SportCount = 4;
  lg.OfficerPlayer[3] = 1;
  lg.OfficerName[3] = "ANN LEE";
  lg.PlayersPerTeam = 2;
  lg.PlayersPerWeek = 2;
  lg.NumTeams = 2;
  lg.LastTeam = 2;
  lg.NumLanes = 1;
  lg.NumSubs = 1;
  lg.NumPlayerRecords = 7;
  lg.NumWeeks = 30;
  lg.CurrentWeek = 3;
  lg.FeeUnit = 2.5f;
  lg.NumExtraStats = 1;
  lg.ExtraStatAbbrev[0] = Fixed("FEES", 5);
  lg.ExtraStatName[0] = Fixed("Weekly fees", 20);
  lg.LaneNumber[1] = 101;
  lg.LaneNumber[2] = 102;
  lg.WeekDate[1] = "09/04/24";
  lg.WeekDate[2] = "09/11/24";
  lg.WeekDate[3] = "09/18/24";
  const char* names[] = {"SHARKS", "ANN LEE", "BOB ROY", "JETS", "CY YOUNG", "JOS\xC9 D\xCD" "AZ",
                         "EVE SUB"};
  for (int i = 0; i < kMaxPlayerRecords; ++i) {
    lg.PlayerName[i] = Fixed(i < 7 ? names[i] : "?", 20);
    lg.PlayerPhone[i] = Fixed(i < 7 ? "999-999-9999" : "", 12);
  }
  lg.PlayerPhone[1] = Fixed("555-1234", 12);
  lg.AvgAfterWeek1[2] = True;
  lg.RecalcGames[2] = 9;
  lg.Roster[1][0] = 0, lg.Roster[1][1] = 1, lg.Roster[1][2] = 2;
  lg.Roster[2][0] = 3, lg.Roster[2][1] = 4, lg.Roster[2][2] = 5;
  lg.SubList[1] = 6;
  lg.PlayerStat[1][kHighScratchGame] = 201;
  lg.PlayerStat[1][kCurrentAverage] = 164.3f;
  lg.PlayerStat[6][27] = 2.5f;
  lg.BulletinText = "Bowl-off, Friday\r\nBring shoes";
}

}  // namespace tallmark::test
