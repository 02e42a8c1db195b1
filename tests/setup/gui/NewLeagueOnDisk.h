// A new league built with the core in a temporary folder, for the set-up window tests: its own
// program folder (TALLMARK_HOME) seeded with the program's data files, prompts answered by a
// script.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/ProgramFolder.h"
#include "league/WeekFiles.h"
#include "setup/NewLeague.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark::test {

class NewLeagueOnDisk {
 public:
  NewLeagueOnDisk() {
    io.defaultAnswer = MsgAnswer::Yes;
    home_ = dir.path() + "home/";
    setenv("TALLMARK_HOME", home_.c_str(), 1);
    SeedProgramFolder(home_, std::string(TALLMARK_BUILD_DATA_DIR) + "/");
  }

  // A league of the given size, built as the parameters window builds it, saved and loaded.
  void build(int teams, int members, int players, int subs, int weeks) {
    InitLeagueData();
    lg.ProgramPath = ProgramFolder();
    lg.SportNumber = 1;
    lg.SportCount = static_cast<Integer>(SportsInFile());
    lg.DataPath = dir.path() + "league/";
    std::filesystem::create_directories(lg.DataPath);
    lg.FileName = "LEAGUE";
    CreateLeagueFiles();
    LoadLeague();
    BuildNewLeague(NewLeagueParams{teams, members, players, subs, weeks, 1});
  }

  // Forgets everything in memory and loads the league again from disk.
  void reload() {
    InitLeagueData();
    lg.ProgramPath = ProgramFolder();
    lg.DataPath = dir.path() + "league/";
    lg.FileName = "LEAGUE";
    LoadLeague();
  }

  // The lane slots of week w as stored.
  std::vector<int> week(int w) {
    ReadWeekResults(w);
    return std::vector<int>(lg.LaneTeam.begin() + 1, lg.LaneTeam.begin() + 1 + 2 * lg.NumLanes);
  }

  std::string home() const { return home_; }

  TempDir dir;
  ScriptedUserIO io;

 private:
  std::string home_;
};

}  // namespace tallmark::test
