#include "setup/NewLeague.h"

#include <algorithm>
#include <filesystem>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueManagement.h"
#include "league/SportFile.h"
#include "league/SportsList.h"
#include "setup/ScheduleOps.h"
#include "setup/TeamOps.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

constexpr int kTeamBaseScorePerPlayer = 180;
constexpr int kFirstLaneNumber = 100;

ParameterBox Box(std::string label, int value, int minimum, int maximum,
                 std::string explanation) {
  ParameterBox b;
  b.label = std::move(label);
  b.minimum = static_cast<Integer>(minimum);
  b.maximum = static_cast<Integer>(maximum);
  b.value = static_cast<Integer>(std::clamp(value, minimum, std::max(minimum, maximum)));
  b.explanation = std::move(explanation);
  return b;
}

int PlayersMaximum() { return lg.MaxPerTeam > 0 ? lg.MaxPerTeam : 10; }
int SubsMaximum() { return lg.MaxSubs > 0 ? lg.MaxSubs : 100; }

void ApplyParams(const NewLeagueParams& p) {
  lg.MaxPerTeam = static_cast<Integer>(PlayersMaximum());
  lg.MaxSubs = static_cast<Integer>(SubsMaximum());
  lg.NumTeams = static_cast<Integer>(p.teams);
  lg.PlayersPerTeam = static_cast<Integer>(p.members);
  lg.PlayersPerWeek = static_cast<Integer>(p.players);
  lg.NumSubs = static_cast<Integer>(p.subs);
  lg.NumWeeks = static_cast<Integer>(p.weeks);
  lg.StartWeek = static_cast<Integer>(p.startWeek);
  lg.LastTeam = 0;
  lg.NumPlayerRecords = 0;
  lg.CurrentWeek = static_cast<Integer>(p.startWeek - 1);
}

void ClearRoster() {
  for (int i = 0; i < kMaxPlayerRecords; ++i) lg.PlayerName[i] = Fixed("?", 20);
  for (int t = 1; t <= kMaxTeams; ++t) lg.Roster[t].fill(0);
}

std::string SportsFilePath() { return FindFileNoCase(lg.ProgramPath + "SportsInfo.dat"); }

}  // namespace

std::string ParameterBox::rangeText() const {
  return " (" + std::to_string(minimum) + " to " + std::to_string(maximum) + ")";
}

ParametersSetup::ParametersSetup() {
  int teams = std::min<int>(kMaxScheduledTeams, kMaxTeams);
  boxes_[0] = Box("Teams", lg.LastTeam, 2, teams, {});
  boxes_[1] = Box("Members", lg.PlayersPerTeam, 1, kMaxRosterPositions, {});
  boxes_[2] = Box("Players", lg.PlayersPerWeek, 1, PlayersMaximum(), {});
  boxes_[3] = Box("Subs", lg.NumSubs, 0, SubsMaximum(), {});
  boxes_[4] = Box("Weeks", lg.NumWeeks, std::max<int>(lg.StartWeek, 1), kMaxWeeks, {});
  boxes_[5] = Box("Start Week", lg.StartWeek, 1, std::max<int>(lg.NumWeeks, 1), {});
  refreshTerms();
  updateWeekLimits();
}

void ParametersSetup::refreshTerms() {
  const std::string& players = lg.SportTerm[5];
  boxes_[0].explanation = "teams on the league";
  boxes_[1].explanation = players + " on each team's roster";
  boxes_[2].explanation = players + " on each team that " + lg.SportTerm[1] + " each week";
  boxes_[3].explanation = "substitute " + players + " at this time";
  boxes_[4].explanation = "weeks of league " + lg.SportTerm[3] + " this season";
  boxes_[5].explanation = "is the week number you will start with";
}

void ParametersSetup::updateWeekLimits() {
  boxes_[4].minimum = boxes_[5].value;
  boxes_[5].maximum = boxes_[4].value;
}

void ParametersSetup::commit(int box, const std::string& text, Integer step) {
  if (box < 0 || box > 5) return;
  ParameterBox& b = boxes_[box];
  b.value = CheckRange(text, b.value, b.minimum, b.maximum, step);
  updateWeekLimits();
}

NewLeagueParams ParametersSetup::params() const {
  NewLeagueParams p;
  p.teams = boxes_[0].value;
  p.members = boxes_[1].value;
  p.players = boxes_[2].value;
  p.subs = boxes_[3].value;
  p.weeks = boxes_[4].value;
  p.startWeek = boxes_[5].value;
  return p;
}

void BuildNewLeague(const NewLeagueParams& params,
                    const std::function<void(int percent)>& progress) {
  BusyPointer busy;
  ApplyParams(params);
  ClearRoster();
  lg.ScratchBase[2] = static_cast<Integer>(lg.PlayersPerWeek * kTeamBaseScorePerPlayer);
  if (progress) progress(0);
  RebuildRoster(progress);
  lg.NumSessions = 1;
  lg.CurrentSession = 1;
  SetUpSchedule();
  for (int k = 1; k <= lg.NumTeams; ++k) lg.LaneNumber[k] = static_cast<Integer>(k + kFirstLaneNumber);
  SaveLeague();
  LoadLeague();
}

int SportsInFile() {
  std::error_code ec;
  auto size = std::filesystem::file_size(SportsFilePath(), ec);
  if (ec) return 0;
  return static_cast<int>(std::min<std::uintmax_t>(size / kSportRecordLength, kMaxSports));
}

void EnsureSportsFile() {
  if (SportsInFile() > 0) return;
  std::string shipped = ShippedSportsFile();
  if (!shipped.empty()) WriteFileAtomic(lg.ProgramPath + "SportsInfo.dat", shipped);
  if (SportsInFile() == 0) ReadSport(1);  // reports the missing file and makes the default sport
}

std::vector<std::string> FillSportsList() {
  EnsureSportsFile();
  int n = SportsInFile();
  std::vector<std::string> names;
  for (int i = 1; i <= n; ++i) {
    ReadSport(i);
    names.push_back(lg.SportTerm[0]);
  }
  if (n > 0) lg.SportCount = static_cast<Integer>(n);
  lg.SportNumber = static_cast<Integer>(std::clamp<int>(lg.SportNumber, 1, std::max(n, 1)));
  ReadSport(lg.SportNumber);
  return names;
}

void ChooseSport(int listIndex) {
  int n = SportsInFile();
  if (listIndex < 0 || listIndex >= n) return;
  lg.SportNumber = static_cast<Integer>(listIndex + 1);
  ReadSport(lg.SportNumber);
}

bool CreateLeagueFiles() { return CreateNewFiles(); }

}  // namespace tallmark
