// A real league in a temporary folder for the set-up tests: its own program folder with a
// schedule template file of round-robin weeks and the default sport, built the way the
// parameters window builds a new league.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "league/SportFile.h"
#include "league/WeekFiles.h"
#include "setup/NewLeague.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark::test {

// Round robin of n teams (n even) by the circle method: n - 1 weeks; week k pairs slot 2p - 1
// with slot 2p. Returned as the template text: one character per slot, team + 34.
inline std::string RoundRobinTemplate(int n) {
  std::string text;
  std::vector<int> ring;
  for (int t = 2; t <= n; ++t) ring.push_back(t);
  for (int k = 0; k < n - 1; ++k) {
    std::vector<int> order = {1};
    for (int i = 0; i < n - 1; ++i) order.push_back(ring[(i + k) % (n - 1)]);
    for (int p = 0; p < n / 2; ++p) {
      text += static_cast<char>(order[p] + 34);
      text += static_cast<char>(order[n - 1 - p] + 34);
    }
  }
  return text;
}

inline void WriteTestProgramFolder(const std::string& folder) {
  std::filesystem::create_directories(folder);
  SeqWriter w;
  w.text("TEST SCHEDULES");
  w.endLine();
  for (int n = 4; n <= 34; n += 2) {
    w.integer(n - 1).text(RoundRobinTemplate(n));
    w.endLine();
  }
  w.save(folder + "SCHEDULE.DAT");
  std::string saved = lg.ProgramPath;
  lg.ProgramPath = folder;
  WriteSport(1);
  lg.ProgramPath = saved;
}

// Team of template week k (0-based), slot s (1-based) for n teams.
inline int TemplateSlot(int n, int k, int s) {
  return static_cast<unsigned char>(RoundRobinTemplate(n)[k * n + s - 1]) - 34;
}

class LeagueFixture {
 public:
  LeagueFixture() { io.defaultAnswer = MsgAnswer::Yes; }

  // A new league of the given size, open in memory and saved on disk.
  void build(int teams, int members, int players, int subs, int weeks, int startWeek = 1) {
    InitLeagueData();
    lg.ProgramPath = dir.path() + "prog/";
    WriteTestProgramFolder(lg.ProgramPath);
    lg.SportNumber = 1;
    lg.SportCount = 1;
    lg.DataPath = dir.path();
    lg.FileName = "LEAGUE";
    CreateLeagueFiles();
    LoadLeague();
    NewLeagueParams p{teams, members, players, subs, weeks, startWeek};
    BuildNewLeague(p);
  }

  // The lane slots of week w as stored.
  std::vector<int> week(int w) {
    ReadWeekResults(w);
    return std::vector<int>(lg.LaneTeam.begin() + 1, lg.LaneTeam.begin() + 1 + 2 * lg.NumLanes);
  }

  // The player index stored in the score record of (w, t, p); the record's first game in game.
  int scorePlayer(int w, int t, int p, int* game = nullptr) {
    Integer player = 0;
    ReadScore(w, t, p, player);
    if (game) *game = lg.ScrGameScore[0];
    return player;
  }

  // Writes a score record with a recognisable first game.
  void writeMarker(int w, int t, int p, int player, int game) {
    lg.ScrEntryKind = kRegular;
    lg.ScrHandicap = 0;
    lg.ScrPointsWon = 0;
    lg.ScrNoCreditMask = 0;
    lg.ScrGameScore.fill(0);
    lg.ScrExtraStat.fill(0);
    lg.ScrGameScore[0] = static_cast<Integer>(game);
    WriteScore(w, t, p, static_cast<Integer>(player));
  }

  std::string name(int index) const { return lg.PlayerName[index]; }
  std::string teamName(int t) const { return lg.PlayerName[lg.Roster[t][0]]; }

  TempDir dir;
  ScriptedUserIO io;
};

}  // namespace tallmark::test
