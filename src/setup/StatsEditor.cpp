#include "setup/StatsEditor.h"

#include <algorithm>

#include "common/Text.h"
#include "common/UserIO.h"
#include "league/ConfigFile.h"
#include "league/StatsFile.h"
#include "setup/EditorChecks.h"

namespace tallmark {

namespace {

// The most a season can hold: a team record adds up its bowlers' games, and the point options
// give at most 99 points for each game, series and high game of a team and of each bowler.
constexpr Single kPlayers = kMaxRosterPositions;
constexpr Single kGamesInSeason = static_cast<Single>(kMaxWeeks) * kMaxGames * kPlayers;
constexpr Single kMostPointsAWeek = 99.0f * (kMaxGames + 1) * (kPlayers + 1) + 99.0f;
constexpr Single kMostExtraAWeek = 255.0f * kPlayers;

bool IsAverage(int column) { return column == kStartingAverage || column == kCurrentAverage; }

bool EditableColumn(int column) {
  return (column >= 0 && column < StatsEditor::kNumberedColumns) || column == kClassification ||
         (column >= kFirstExtraStat && column < kFirstExtraStat + kMaxExtraStats);
}

}  // namespace

void StatsEditor::open() {
  ShowCorrectionNotice();
  kind_ = kBowlerRecord;
  teamIndex_ = 0;
  playerIndex_ = 0;
  extra_ = 0;
  session_ = std::clamp<int>(lg.CurrentSession, 1, kMaxSessions);
}

std::string StatsEditor::kindCaption(int kind) {
  switch (kind) {
    case kTeamRecord: return "T&eam";
    case kSubRecord: return "S&ub";
    case kBowlerRecord: return "B&owler";
    default: return {};
  }
}

std::string StatsEditor::groupCaption(int option) {
  return option == 0 ? lg.GroupLabel[1] : lg.GroupLabel[0];
}

std::string StatsEditor::columnLabel(int column) {
  return column >= 0 && column < kNumCategories ? TrimRight(lg.CategoryName[column]) : "";
}

Single StatsEditor::columnMaximum(int column) {
  const Single game = kPlayers * std::max<Integer>(lg.GameParam[0], 1);  // a team's game
  switch (column) {
    case kHighScratchGame: return game;
    case kHighHandicapGame: return 2 * game;
    case kHighScratchSeries: return kMaxGames * game;
    case kHighHandicapSeries: return 2 * kMaxGames * game;
    case kMatchPointsWon:
    case kMatchPointsLost: return kMaxWeeks * kMostPointsAWeek;
    case kStartingAverage:
    case kCurrentAverage:
    case kCurrentHandicap: return game;
    case kPercentImproved: return 100 * game;
    case kTotalPins: return kMaxWeeks * kMaxGames * game;
    case kTotalPinsHandicap: return 2 * kMaxWeeks * kMaxGames * game;
    case kClassification: return kMaxClasses;
    case kScratchGamesOver:
    case kScratchSeriesOver:
    case kScratchSeriesOver2:
    case kGamesPlayed: return kGamesInSeason;
    default: return kMaxWeeks * kMostExtraAWeek;  // extra statistics
  }
}

// ---- lists ----

std::vector<int> StatsEditor::teamNumbers() const {
  std::vector<int> teams;
  for (int t = 1; t <= lg.LastTeam; ++t)
    if (TeamNumberInUse(t)) teams.push_back(t);
  return teams;
}

std::vector<std::string> StatsEditor::teamList() const {
  std::vector<std::string> list;
  for (int t : teamNumbers()) list.push_back(TrimRight(lg.PlayerName[lg.Roster[t][0]]));
  return list;
}

std::vector<std::string> StatsEditor::playerList() const {
  std::vector<std::string> list;
  if (kind_ == kSubRecord) {
    for (int k = 1; k <= lg.NumSubs; ++k) list.push_back(TrimRight(lg.PlayerName[lg.SubList[k]]));
  } else if (kind_ == kBowlerRecord) {
    const std::vector<int> teams = teamNumbers();
    if (teamIndex_ >= 0 && teamIndex_ < static_cast<int>(teams.size()))
      for (int p = 1; p <= lg.PlayersPerTeam; ++p)
        list.push_back(TrimRight(lg.PlayerName[lg.Roster[teams[teamIndex_]][p]]));
  }
  return list;
}

std::vector<std::string> StatsEditor::sessionList() const {
  std::vector<std::string> list;
  const int last = std::clamp<int>(std::max(lg.NumSessions, lg.CurrentSession), 1, kMaxSessions);
  for (int s = 1; s <= last; ++s) list.push_back(std::to_string(s));
  return list;
}

std::vector<std::string> StatsEditor::extraList() const {
  std::vector<std::string> list;
  for (int e = 0; e < lg.NumExtraStats && e < kMaxExtraStats; ++e)
    list.push_back(columnLabel(kFirstExtraStat + e));
  return list;
}

// ---- selection ----

void StatsEditor::chooseKind(int kind) {
  if (kind < kTeamRecord || kind > kBowlerRecord) return;
  kind_ = kind;
  playerIndex_ = 0;
}

void StatsEditor::selectTeam(int listIndex) {
  teamIndex_ = listIndex;
  playerIndex_ = 0;
}

void StatsEditor::selectPlayer(int listIndex) { playerIndex_ = listIndex; }

void StatsEditor::selectSession(int listIndex) {
  const int session = listIndex + 1;
  if (session == session_ || session < 1 || session > kMaxSessions) return;
  WriteStats(session_);
  ReadStats(session);
  session_ = session;
}

void StatsEditor::selectExtra(int listIndex) {
  extra_ = std::clamp(listIndex, 0, kMaxExtraStats - 1);
}

int StatsEditor::record() const {
  if (kind_ == kSubRecord)
    return playerIndex_ >= 0 && playerIndex_ < lg.NumSubs ? lg.SubList[playerIndex_ + 1] : -1;
  const std::vector<int> teams = teamNumbers();
  if (teamIndex_ < 0 || teamIndex_ >= static_cast<int>(teams.size())) return -1;
  if (kind_ == kTeamRecord) return lg.Roster[teams[teamIndex_]][0];
  if (playerIndex_ < 0 || playerIndex_ >= lg.PlayersPerTeam) return -1;
  return lg.Roster[teams[teamIndex_]][playerIndex_ + 1];
}

// ---- values ----

std::string StatsEditor::columnText(int column) const {
  const int r = record();
  if (r < 0 || column < 0 || column >= kNumCategories) return {};
  return CorrectionText(lg.PlayerStat[r][column]);
}

void StatsEditor::commitColumn(int column, const std::string& text, Integer step) {
  const int r = record();
  if (r < 0 || !EditableColumn(column)) return;
  Single& value = lg.PlayerStat[r][column];
  value = CheckCorrection(text, value, columnMaximum(column), step, IsAverage(column));
}

bool StatsEditor::groupShown() const { return kind_ != kTeamRecord && record() >= 0; }

int StatsEditor::groupOption() const {
  if (!groupShown()) return -1;
  const Single group = lg.PlayerStat[record()][kGroupOrStanding];
  return group == 1 ? 0 : group == 0 ? 1 : -1;
}

void StatsEditor::chooseGroup(int option) {
  if (!groupShown() || option < 0 || option > 1) return;
  lg.PlayerStat[record()][kGroupOrStanding] = option == 0 ? 1.0f : 0.0f;
}

// ---- closing ----

void StatsEditor::restoreCurrentSession() {
  // The program keeps the session in progress in memory: a section shown after another was
  // chosen goes back to it.
  if (session_ == lg.CurrentSession) return;
  ReadStats(lg.CurrentSession);
  session_ = lg.CurrentSession;
}

void StatsEditor::save() {
  WriteStats(session_);
  restoreCurrentSession();
}

bool StatsEditor::cancel() {
  if (AskYesNo("Any changes you have made using this form will be made unless you re-load the "
               "data from the disk file." + NewLine + NewLine + "Do you want to re-load the data?",
               "CANCEL CHANGES?")) {
    LoadLeague();
    session_ = lg.CurrentSession;
    return true;
  }
  // The changes stand: those of another session than the one in progress are written now,
  // before that session leaves memory.
  if (session_ != lg.CurrentSession) WriteStats(session_);
  restoreCurrentSession();
  return false;
}

}  // namespace tallmark
