// A small league after four processed weeks, set up by hand for the standing sheet tests.
//
// Teams (record, players):  1 Alley Cats (1: Ann Lee F, Bob Ray M)   2 Pin Pals (4: Cal Fox M, Dee Orr F)
//                           3 Strikers (7: Eve Hart F, Fred Lamb M)  4 Gutter Kings (10: Gil Moss M, Hal Nash M)
// Team points: 1 and 2 both 10-6 (2 first on pins plus handicap 4300 > 4200), 4 6.5-9.5,
// 3 5.5-10.5. League average (3600 + 3500 + 3400 + 3300) / 48 games = 287.5 -> 287.
// Next week (5): lanes 7-8 Strikers vs Alley Cats, lanes 9-10 Pin Pals vs Gutter Kings.
#pragma once

#include <string>

#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"

namespace tallmark::test {

struct PlayerFigures {
  const char* name;
  int group;
  float avg, hsg, hss, hhg, hhs, over200, over500, over600, improved, pins, handicap;
};

inline void SetFigures(int record, const PlayerFigures& f, float games) {
  lg.PlayerName[record] = Fixed(f.name, 20);
  auto& s = lg.PlayerStat[record];
  s[kGroupOrStanding] = static_cast<float>(f.group);
  s[kCurrentAverage] = f.avg;
  s[kHighScratchGame] = f.hsg;
  s[kHighScratchSeries] = f.hss;
  s[kHighHandicapGame] = f.hhg;
  s[kHighHandicapSeries] = f.hhs;
  s[kScratchGamesOver] = f.over200;
  s[kScratchSeriesOver] = f.over500;
  s[kScratchSeriesOver2] = f.over600;
  s[kPercentImproved] = f.improved;
  s[kTotalPins] = f.pins;
  s[kCurrentHandicap] = f.handicap;
  s[kTotalPinsHandicap] = f.pins + f.handicap * games;
  s[kGamesPlayed] = games;
  s[kClassification] = 1;
}

inline void SetTeamRecord(int record, const char* name, float pins, float pinsH, float won,
                          float lost, float avg, float hsg, float hhg, float hss, float hhs,
                          float over200, float over500, float over600, float improved) {
  lg.PlayerName[record] = Fixed(name, 20);
  auto& s = lg.PlayerStat[record];
  s[kTotalPins] = pins;
  s[kTotalPinsHandicap] = pinsH;
  s[kMatchPointsWon] = won;
  s[kMatchPointsLost] = lost;
  s[kGamesPlayed] = 12;
  s[kCurrentAverage] = avg;
  s[kHighScratchGame] = hsg;
  s[kHighHandicapGame] = hhg;
  s[kHighScratchSeries] = hss;
  s[kHighHandicapSeries] = hhs;
  s[kScratchGamesOver] = over200;
  s[kScratchSeriesOver] = over500;
  s[kScratchSeriesOver2] = over600;
  s[kPercentImproved] = improved;
}

inline void SetWeek(int week, Integer a, Integer b, Integer c, Integer d,
                    std::array<float, 4> points) {
  lg.LaneTeam[1] = a;
  lg.LaneTeam[2] = b;
  lg.LaneTeam[3] = c;
  lg.LaneTeam[4] = d;
  for (int k = 0; k < 4; ++k) lg.TeamPointsWeek[k + 1] = points[k];
  WriteWeekResults(week);
}

// The league in memory and its weeks 4 and 5 in the season file under folder.
inline void BuildSheetLeague(const std::string& folder) {
  InitLeagueData();
  lg.DataPath = folder;
  lg.FileName = "SHEET";
  lg.LeagueName = "Tuesday Night Mixed";
  lg.NumTeams = 4;
  lg.LastTeam = 4;
  lg.PlayersPerTeam = 2;
  lg.PlayersPerWeek = 2;
  lg.NumLanes = 2;
  lg.NumWeeks = 10;
  lg.CurrentWeek = 4;
  lg.NumPlayerRecords = 13;
  lg.GamesToQualify = 3;
  lg.TopAwardsListed = 3;
  lg.WeekDate[4] = "10/06/26";
  for (int s = 1; s <= 4; ++s) lg.LaneNumber[s] = static_cast<Integer>(6 + s);

  static const PlayerFigures players[8] = {
      {"Ann Lee", 0, 140, 172, 480, 214, 606, 0, 0, 0, 2.9f, 1680, 32},
      {"Bob Ray", 1, 165, 201, 540, 231, 630, 1, 2, 0, 0, 1980, 12},
      {"Cal Fox", 1, 180, 222, 610, 240, 664, 2, 4, 1, 5.3f, 2160, 0},
      {"Dee Orr", 0, 120, 158, 421, 222, 613, 0, 0, 0, 0, 1440, 48},
      {"Eve Hart", 0, 150, 190, 525, 214, 597, 0, 1, 0, 1.4f, 1800, 24},
      {"Fred Lamb", 1, 172, 215, 580, 221, 607, 1, 3, 0, 0, 2064, 6},
      {"Gil Moss", 1, 158, 199, 500, 233, 602, 0, 1, 0, 0, 1896, 17},
      {"Hal Nash", 1, 190, 245, 655, 245, 655, 3, 4, 2, 3.3f, 2280, 0}};
  for (int t = 1; t <= 4; ++t) {
    const int record = 3 * (t - 1) + 1;
    lg.Roster[t][0] = static_cast<Integer>(record);
    for (int p = 1; p <= 2; ++p) {
      lg.Roster[t][p] = static_cast<Integer>(record + p);
      SetFigures(record + p, players[2 * (t - 1) + p - 1], 12);
    }
  }
  SetTeamRecord(1, "Alley Cats", 3600, 4200, 10, 6, 152, 360, 420, 1010, 1190, 1, 2, 0, 0);
  SetTeamRecord(4, "Pin Pals", 3500, 4300, 10, 6, 150, 372, 436, 1031, 1221, 2, 4, 1, 1.2f);
  SetTeamRecord(7, "Strikers", 3400, 4000, 5.5f, 10.5f, 161, 351, 402, 1005, 1158, 1, 4, 0, 0);
  SetTeamRecord(10, "Gutter Kings", 3300, 3900, 6.5f, 9.5f, 174, 398, 449, 1133, 1301, 3, 5, 2, 0);
  OrderStandings();

  lg.OfficerName[1] = "Cal Fox";
  lg.OfficerPlayer[1] = 5;
  lg.OfficerTitle[2] = "* NOT USED *";
  lg.OfficerName[3] = "Eve Hart";
  lg.OfficerPlayer[3] = 8;
  lg.OfficerName[4] = "Pat Quinn";
  lg.BulletinText =
      "Banquet tickets are on sale at the front desk; please pay the treasurer by week 8 at "
      "the latest.\r\nRoll-offs start at 7 PM sharp.";

  // Week 4 as played (points by team column), then next week's pairing.
  SetWeek(4, 1, 2, 3, 4, {3, 1, 2.5f, 1.5f});
  SetWeek(5, 3, 1, 2, 4, {0, 0, 0, 0});
  ReadWeekResults(4);
  // The statistics on disk too, as reports load them again when they end.
  WriteStats(lg.CurrentSession);
}

}  // namespace tallmark::test
