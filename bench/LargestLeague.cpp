#include "LargestLeague.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/WeeklyProcessing.h"

namespace tallmark {

std::string MakeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tallmark-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  return pattern + "/";
}

void BuildLeague(const std::string& folder) {
  InitLeagueData();
  lg.ProgramPath = folder;  // the sport file a save writes
  std::filesystem::copy_file(std::string(TALLMARK_BUILD_DATA_DIR) + "/SportsInfo.dat",
                             folder + "SportsInfo.dat");
  lg.DataPath = folder;
  lg.FileName = "BIGLEAGUE";
  lg.LeagueName = "Largest League";
  lg.SportNumber = lg.SportCount = 1;
  lg.AwardPopups = False;
  lg.NumTeams = lg.LastTeam = kTeams;
  lg.PlayersPerTeam = kRoster;
  lg.PlayersPerWeek = kPerWeek;
  lg.GamesPerWeek = kGames;
  lg.NumLanes = kTeams / 2;
  lg.NumWeeks = kMaxWeeks;
  lg.NumSubs = kSubs;
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> average(120, 210);
  int p = 0;
  for (int t = 1; t <= kTeams; ++t) {
    for (int s = 0; s <= kRoster; ++s, ++p) {
      lg.Roster[t][s] = static_cast<Integer>(p);
      lg.PlayerName[p] = Fixed("Bowler " + std::to_string(p), 20);
      lg.RecalcGames[p] = 3;
      if (s > 0) {
        lg.PlayerStat[p][kStartingAverage] = average(rng);
        UpdatePlayerAverage(t, p, 0, 0);
      }
    }
    lg.PlayerName[lg.Roster[t][0]] = Fixed("Team " + std::to_string(t), 20);
    UpdateTeamFromRoster(t);
  }
  for (int i = 1; i <= kSubs; ++i, ++p) {
    lg.SubList[i] = static_cast<Integer>(p);
    lg.PlayerName[p] = Fixed("Substitute " + std::to_string(i), 20);
  }
  lg.NumPlayerRecords = static_cast<Integer>(p);
}

// Week w: team pairs rotate; every player bowls scores around the average.
void EnterWeek(int week, std::mt19937& rng) {
  std::uniform_int_distribution<int> spread(-40, 40);
  for (int k = 1; k <= kTeams; ++k) lg.LaneTeam[k] = static_cast<Integer>((k + week - 2) % kTeams + 1);
  WriteWeekResults(week);
  for (int t = 1; t <= kTeams; ++t) {
    for (int slot = 1; slot <= kPerWeek; ++slot) {
      int p = lg.Roster[t][slot];
      lg.ScrEntryKind = kRegular;
      lg.ScrFlag = False;
      lg.ScrNoCreditMask = 0;
      lg.ScrPointsWon = 0;
      lg.ScrHandicap = RoundHalfEven(lg.PlayerStat[p][kCurrentHandicap]);
      for (int g = 0; g < kGames; ++g)
        lg.ScrGameScore[g] = static_cast<Integer>(
            std::clamp(static_cast<int>(lg.PlayerStat[p][kStartingAverage]) + spread(rng), 0, 300));
      WriteScore(week, t, slot, static_cast<Integer>(p));
    }
  }
}

Fixture::Fixture(int weeks) {
  BuildLeague(folder);
  std::mt19937 rng(11);
  for (int w = 1; w <= weeks; ++w) EnterWeek(w, rng);
  start = std::make_unique<LeagueData>(lg);
}

Fixture::~Fixture() { std::filesystem::remove_all(folder); }

void Fixture::Restore() {
  lg = *start;
  ForgetProcessedWeek();
}

}  // namespace tallmark
