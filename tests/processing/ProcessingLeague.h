// A small league in a fresh folder for the processing tests: teams of numbered players, score
// records written as the results window stores them, and the awards log read back.
#pragma once

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/WeeklyProcessing.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark::test {

class ProcessingLeague {
 public:
  // Team t's record is (perTeam + 1)(t - 1); its players follow, named "Player <t><slot>".
  ProcessingLeague(int teams, int perTeam, int games) {
    InitLeagueData();
    lg.DataPath = dir.path();
    lg.FileName = "LEAGUE";
    lg.AwardPopups = False;
    lg.NumTeams = lg.LastTeam = static_cast<Integer>(teams);
    lg.PlayersPerTeam = lg.PlayersPerWeek = static_cast<Integer>(perTeam);
    lg.GamesPerWeek = static_cast<Integer>(games);
    lg.NumLanes = static_cast<Integer>(teams / 2);
    lg.NumWeeks = 30;
    lg.GamesForNewAverage = 3;
    for (int g = 0; g <= 2; ++g) {
      lg.ScratchBase[g] = 200;
      lg.PercentHandicap[g] = 80;
      lg.MaxHandicap[g] = 80;
    }
    for (int t = 1; t <= teams; ++t) {
      for (int s = 0; s <= perTeam; ++s) {
        int p = (perTeam + 1) * (t - 1) + s;
        lg.Roster[t][s] = static_cast<Integer>(p);
        lg.RecalcGames[p] = 3;
        lg.PlayerName[p] = Fixed(s == 0 ? "Team " + std::to_string(t)
                                        : "Player " + std::to_string(t) + std::to_string(s),
                                 20);
      }
    }
    lg.NumPlayerRecords = static_cast<Integer>((perTeam + 1) * teams);
  }

  static int Player(int team, int slot) { return lg.Roster[team][slot]; }
  static float& Stat(int p, int c) { return lg.PlayerStat[p][c]; }

  // Starting averages of every player; current averages, handicaps and team figures follow.
  static void SetStartingAverages(std::initializer_list<float> averages) {
    int i = 0;
    for (float a : averages) {
      int t = i / lg.PlayersPerTeam + 1, s = i % lg.PlayersPerTeam + 1;
      lg.PlayerStat[Player(t, s)][kStartingAverage] = a;
      UpdatePlayerAverage(t, Player(t, s), 0, 0);
      ++i;
    }
    for (int t = 1; t <= lg.LastTeam; ++t) UpdateTeamFromRoster(t);
  }

  static void Pair(int week, std::initializer_list<int> teams) {
    int k = 1;
    for (int t : teams) lg.LaneTeam[k++] = static_cast<Integer>(t);
    WriteWeekResults(week);
  }

  // One row as the results window stores it: the record handicap is the player's current one.
  static void Row(int week, int team, int slot, std::initializer_list<int> games,
                  Integer kind = kRegular, int mask = 0, int player = -1) {
    if (player < 0) player = Player(team, slot);
    lg.ScrEntryKind = kind;
    lg.ScrFlag = kind == kForfeit ? True : False;
    lg.ScrHandicap = RoundHalfEven(lg.PlayerStat[player][kCurrentHandicap]);
    lg.ScrNoCreditMask = static_cast<Integer>(mask);
    lg.ScrPointsWon = 0;
    lg.ScrGameScore.fill(0);
    lg.ScrExtraStat.fill(0);
    int g = 0;
    for (int x : games) lg.ScrGameScore[g++] = static_cast<Integer>(x);
    WriteScore(week, team, slot, static_cast<Integer>(player));
  }

  // Runs the week and raises CurrentWeek as the results window does.
  static bool Process(int week) {
    bool done = ProcessWeek(week);
    if (done) lg.CurrentWeek = static_cast<Integer>(week);
    return done;
  }

  static Single PointsOfRecord(int week, int team, int slot) {
    Integer player = 0;
    ReadScore(week, team, slot, player);
    return lg.ScrPointsWon;
  }

  std::vector<std::string> AwardLines() const {
    std::ifstream in(LeagueBasePath() + ".SPC", std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  TempDir dir;
  ScriptedUserIO io;
};

}  // namespace tallmark::test
