// A small real league written into a test folder with the league's own writers, and helpers to
// look at the files it leaves.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/LeagueManagement.h"
#include "league/WeekFiles.h"
#include "setup/SampleLeague.h"

namespace tallmark::test {

// Points ProgramPath at a folder of the test holding the program's data files.
inline void UseProgramFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (const char* name : {"SportsInfo.dat", "SCHEDULE.DAT"}) {
    const fs::path source = fs::path(TALLMARK_BUILD_DATA_DIR) / name;
    if (fs::exists(source, ec))
      fs::copy_file(source, fs::path(folder) / name, fs::copy_options::overwrite_existing, ec);
  }
  lg.ProgramPath = folder;
}

// The starting average of roster position p of team t in the test league.
inline Single TestAverage(int t, int p) { return static_cast<Single>(140 + 10 * t + p) + 0.5f; }

// Game g (0-based) of line-up position p of team t in week w.
inline Integer TestScore(int w, int t, int p, int g) {
  return static_cast<Integer>(120 + 10 * t + 3 * p + 2 * g + w);
}

// A league of 4 teams ("TEAM 1".."TEAM 4") of 3 players who all play each week, 2 substitutes,
// 10 weeks, weeksPlayed of them with scores. Record 0 is free; team t's name is record 4t - 3 and
// its players follow it; the substitutes are records 17 and 18; the secretary is record 2.
inline void BuildTestLeague(const std::string& folder, const std::string& name, int weeksPlayed) {
  UseProgramFolder(folder + "program/");
  lg.DataPath = folder;
  lg.FileName = name;
  lg.StartWeek = 1;
  CreateNewFiles();

  lg.LeagueName = "TUESDAY MIXED";
  lg.NumTeams = 4;
  lg.LastTeam = 4;
  lg.PlayersPerTeam = 3;
  lg.PlayersPerWeek = 3;
  lg.NumSubs = 2;
  lg.NumWeeks = 10;
  lg.NumLanes = 2;
  lg.GamesPerWeek = 3;
  for (int s = 1; s <= 4; ++s) lg.LaneNumber[s] = static_cast<Integer>(s);
  Integer r = 1;
  for (int t = 1; t <= 4; ++t) {
    lg.PlayerName[r] = Fixed("TEAM " + std::to_string(t), 20);
    lg.PlayerStat[r][kGroupOrStanding] = static_cast<Single>(t);
    lg.PlayerStat[r][kCurrentAverage] = static_cast<Single>(450 + t);
    lg.Roster[t][0] = r++;
    for (int p = 1; p <= 3; ++p) {
      lg.PlayerName[r] = Fixed("PLAYER " + std::to_string(t) + "-" + std::to_string(p), 20);
      lg.PlayerPhone[r] = Fixed("555-000-" + std::to_string(1000 + r), 12);
      auto& st = lg.PlayerStat[r];
      st[kStartingAverage] = TestAverage(t, p) - 5;
      st[kCurrentAverage] = TestAverage(t, p);
      st[kCurrentHandicap] = static_cast<Single>(30 - t - p);
      st[kGroupOrStanding] = static_cast<Single>(p % 2);
      st[kGamesPlayed] = static_cast<Single>(3 * weeksPlayed);
      st[kTotalPins] = static_cast<Single>(3 * weeksPlayed) * TestAverage(t, p);
      st[kHighScratchGame] = 200;
      st[kMatchPointsWon] = 4.5f;
      lg.Roster[t][p] = r++;
    }
  }
  for (int k = 1; k <= 2; ++k) {
    lg.PlayerName[r] = Fixed("SUB " + std::to_string(k), 20);
    lg.PlayerStat[r][kCurrentAverage] = static_cast<Single>(130 + k);
    lg.SubList[k] = r++;
  }
  lg.NumPlayerRecords = r;
  lg.OfficerPlayer[3] = 2;
  lg.OfficerName[3] = lg.PlayerName[2];

  for (int w = 1; w <= lg.NumWeeks; ++w) {
    const bool odd = w % 2 == 1;
    lg.LaneTeam[1] = 1;
    lg.LaneTeam[2] = odd ? 2 : 3;
    lg.LaneTeam[3] = odd ? 3 : 2;
    lg.LaneTeam[4] = 4;
    for (int c = 1; c <= 4; ++c) {
      lg.TeamPointsWeek[c] = w <= weeksPlayed ? 2 : 0;
      lg.TeamHandicapWeek[c] = 0;
    }
    WriteWeekResults(w);
  }
  for (int w = 1; w <= weeksPlayed; ++w) {
    for (int t = 1; t <= 4; ++t) {
      for (int p = 1; p <= 3; ++p) {
        lg.ScrEntryKind = kRegular;
        lg.ScrNoCreditMask = 0;
        lg.ScrHandicap = static_cast<Integer>(10 + p);
        lg.ScrPointsWon = 1.5f;
        lg.ScrGameScore.fill(0);
        lg.ScrExtraStat.fill(0);
        for (int g = 0; g < 3; ++g) lg.ScrGameScore[g] = TestScore(w, t, p, g);
        WriteScore(w, t, p, lg.Roster[t][p]);
      }
    }
  }
  lg.CurrentWeek = static_cast<Integer>(weeksPlayed);
  SaveLeague();
}

// The league as the program finds it after a restart: memory cleared, then LoadLeague.
inline bool ReloadLeague() {
  const std::string program = lg.ProgramPath, data = lg.DataPath, name = lg.FileName;
  InitLeagueData();
  lg.ProgramPath = program;
  lg.DataPath = data;
  lg.FileName = name;
  return LoadLeague();
}

// The sample league built in folder, then opened from its files.
inline bool OpenSampleLeague(const std::string& folder) {
  InitLeagueData();
  UseProgramFolder(folder + "program/");
  if (BuildSampleLeague(folder).result != SampleBuild::Built) return false;
  return ReloadLeague();
}

inline std::string FileText(const std::string& path) {
  std::string data;
  ReadWholeFile(path, data);
  return data;
}

// Every file of a folder (not its subfolders) with its bytes, but a writer's lock file, which
// names the process holding the league.
inline std::map<std::string, std::string> FolderFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder, ec))
    if (e.is_regular_file() && e.path().extension() != ".LCK")
      files[e.path().filename().string()] = FileText(e.path().string());
  return files;
}

}  // namespace tallmark::test
