#include "setup/TeamSetup.h"

#include <cmath>
#include <filesystem>

#include "league/FileTransaction.h"
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "common/FileErrors.h"
#include "common/Text.h"
#include "league/FileSystem.h"
#include "processing/Averages.h"
#include "setup/PlayerRecords.h"
#include "setup/ScheduleOps.h"
#include "setup/TeamOps.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

constexpr Integer kMaxRecalcGames = 52;
constexpr Integer kDefaultStartingAverage = 120;

std::string Number(int n) { return std::to_string(n); }

}  // namespace

// The window writes score and statistics records at once (a new vacancy's blank weeks, a swap's
// moved weeks): the two files are kept as they were, so that re-loading undoes those writes too.
void TeamSetup::saveFiles() {
  savedFiles_.clear();
  if (!LeagueOpen()) return;
  for (const char* ext : {".scr", ".STT"}) {
    SavedFile f;
    f.path = FindFileNoCase(LeagueBasePath() + ext);
    const int rc = ReadWholeFile(f.path, f.data);
    f.read = rc == 0 || rc == kErrFileNotFound;
    f.existed = rc == 0;
    savedFiles_.push_back(std::move(f));
  }
}

void TeamSetup::restoreFiles() {
  for (const SavedFile& f : savedFiles_) {
    if (!f.read) continue;
    int rc = 0;
    if (f.existed) {
      rc = WriteFileAtomic(f.path, f.data);
    } else if (FileExists(f.path)) {
      std::error_code ec;
      std::filesystem::remove(f.path, ec);
      if (ec) rc = kErrPermissionDenied;
    }
    if (rc != 0) ReportError(rc);
  }
}

void TeamSetup::open() {
  saveFiles();
  teamsAtOpening_ = lg.NumTeams;
  subMode_ = false;
  swapMode_ = false;
  teamIndex_ = 0;
  playerIndex_ = 0;
  MsgBox("Changes made using the form displayed next can only be undone by re-loading the data "
         "from the disk files.",
         "IMPORTANT NOTICE", MsgIcon::Information);
}

std::string TeamSetup::caption() const { return "TEAM AND " + PlayerTermUpper() + " EDITOR"; }

std::string TeamSetup::substituteCaption() const { return "S&ubstitute " + lg.SportTerm[5]; }

std::string TeamSetup::optionCaption(int option) const {
  return option == 0 ? "&1. " + lg.GroupLabel[1] : "&2. " + lg.GroupLabel[0];
}

std::vector<std::string> TeamSetup::summaryLabels() const {
  return {Number(lg.NumTeams) + " Teams",
          Number(lg.PlayersPerTeam) + " " + lg.SportTerm[5] + " per team",
          Number(lg.PlayersPerWeek) + " " + lg.SportTerm[3] + " each week",
          Number(lg.NumSubs) + " Substitute " + lg.SportTerm[5]};
}

std::vector<int> TeamSetup::teamNumbers() const {
  std::vector<int> teams;
  for (int t = 1; t <= lg.LastTeam; ++t)
    if (TeamNumberInUse(t)) teams.push_back(t);
  return teams;
}

std::vector<std::string> TeamSetup::teamList() const {
  if (subMode_) return {"SUBSTITUTE " + PlayersTermUpper()};
  std::vector<std::string> names;
  for (int t : teamNumbers()) names.push_back(lg.PlayerName[lg.Roster[t][0]]);
  return names;
}

std::vector<std::string> TeamSetup::playerList() const {
  std::vector<std::string> names;
  if (subMode_) {
    for (int k = 1; k <= lg.NumSubs; ++k) names.push_back(lg.PlayerName[lg.SubList[k]]);
    if (names.empty()) names.push_back("NO SUBS ENTERED");
    return names;
  }
  int t = selectedTeam();
  if (t == 0) return names;
  for (int p = 1; p <= lg.PlayersPerTeam; ++p) names.push_back(lg.PlayerName[lg.Roster[t][p]]);
  return names;
}

void TeamSetup::selectTeam(int listIndex) {
  teamIndex_ = listIndex;
  playerIndex_ = 0;
}

void TeamSetup::selectPlayer(int listIndex) { playerIndex_ = listIndex; }

void TeamSetup::setSubstituteMode(bool on) {
  subMode_ = on;
  playerIndex_ = 0;
  if (!on) refresh();
}

int TeamSetup::selectedTeam() const {
  if (subMode_) return 0;
  std::vector<int> teams = teamNumbers();
  if (teamIndex_ < 0 || teamIndex_ >= static_cast<int>(teams.size())) return 0;
  return teams[teamIndex_];
}

int TeamSetup::selectedRecord() const {
  int position = selectedPosition();
  if (subMode_) return position >= 1 && position <= lg.NumSubs ? lg.SubList[position] : -1;
  int t = selectedTeam();
  if (t == 0 || position < 1 || position > lg.PlayersPerTeam) return -1;
  return lg.Roster[t][position];
}

TeamSetup::Fields TeamSetup::fields() const {
  Fields f;
  int r = selectedRecord();
  if (r < 0) {
    f.phone = kDefaultPhone;
    f.startingAverage = kDefaultStartingAverage;
    f.recalcGames = lg.GamesForNewAverage;
    f.category = 1;
    return f;
  }
  const auto& row = lg.PlayerStat[r];
  f.phone = lg.PlayerPhone[r];
  f.startingAverage = FloorInteger(row[kStartingAverage]);
  f.recalcGames = lg.RecalcGames[r];
  f.category = row[kGroupOrStanding] == 0 ? 0 : 1;
  f.avgAfterWeek1 = lg.AvgAfterWeek1[r] != False;
  f.avgAfterWeek1Offered = row[kGamesPlayed] < lg.GamesPerWeek;
  return f;
}

void TeamSetup::commitPhone(const std::string& text) {
  int r = selectedRecord();
  if (r >= 0) SetPhone(r, text);
}

void TeamSetup::commitStartingAverage(const std::string& text, Integer step) {
  int r = selectedRecord();
  if (r < 0) return;
  Integer value = CheckRange(text, fields().startingAverage, 0, lg.GameParam[0], step);
  SetStartingAverage(r, selectedTeam(), value);
}

void TeamSetup::commitRecalcGames(const std::string& text, Integer step) {
  int r = selectedRecord();
  if (r < 0) return;
  SetRecalcGames(r, CheckRange(text, lg.RecalcGames[r], 0, kMaxRecalcGames, step));
}

void TeamSetup::chooseCategory(int option) {
  int r = selectedRecord();
  if (r >= 0) SetCategory(r, selectedTeam(), option == 0 ? 1 : 0);
}

void TeamSetup::setAvgAfterWeek1(bool on) {
  int r = selectedRecord();
  if (r >= 0 && fields().avgAfterWeek1Offered) SetAvgAfterWeek1(r, on);
}

bool TeamSetup::buttonShown(int button) const { return !swapMode_ || button == kSwapOrAdd; }

bool TeamSetup::buttonEnabled(int button) const {
  if (!buttonShown(button)) return false;
  switch (button) {
    case kRenameTeam:
    case kDropTeam:
      return !subMode_ && selectedTeam() != 0;
    case kDropPlayer:
      return !subMode_ && selectedRecord() >= 0;
    case kRenamePlayer:
      return selectedRecord() >= 0;
    case kSwapOrAdd:
      return swapMode_ || subMode_ || selectedRecord() >= 0;
    default:
      return true;
  }
}

std::string TeamSetup::buttonCaption(int button) const {
  switch (button) {
    case kExitSave: return "E&xit";
    case kCancel: return "&Cancel";
    case kRenameTeam: return "Rename Tea&m";
    case kAddTeam: return "Add &Team";
    case kDropTeam: return "Drop T&eam";
    case kRenamePlayer: return "&Rename " + lg.SportTerm[4];
    case kSwapOrAdd: return subMode_ && !swapMode_ ? "&Add" : "&Swap";
    case kDropPlayer: return "&Drop " + lg.SportTerm[4];
    default: return {};
  }
}

std::string TeamSetup::toolTip(int button) const {
  std::string what;
  switch (button) {
    case kExitSave: what = "exit and save the data."; break;
    case kCancel: what = "exit and restore old data."; break;
    case kRenameTeam: what = "change the team's name."; break;
    case kAddTeam: what = "add a new team."; break;
    case kDropTeam: what = "drop a whole team from the league."; break;
    case kRenamePlayer: what = "change the " + PlayerTermLower() + "'s name."; break;
    case kSwapOrAdd:
      what = buttonCaption(kSwapOrAdd) == "&Swap"
                 ? "swap " + PlayersTermLower() + " between teams."
                 : "add a sub to the league.";
      break;
    case kDropPlayer: what = "drop a " + PlayerTermLower() + " from the league."; break;
    default: return {};
  }
  return "Click to " + what;
}

std::string TeamSetup::swapLabel() const {
  if (!swapMode_) return {};
  return "Select the Team and " + lg.SportTerm[4] + " or Sub to Swap for" + NewLine +
         lg.PlayerName[swapRecord_] + NewLine + "on Team" + NewLine +
         lg.PlayerName[lg.Roster[swapTeam_][0]];
}

TeamSetup::CloseResult TeamSetup::checkSchedule() {
  CloseResult result;
  if (lg.NumTeams != teamsAtOpening_) {
    SetUpSchedule();
    result.scheduleRebuilt = true;
  }
  return result;
}

TeamSetup::CloseResult TeamSetup::exitAndSave() {
  if (offerBackup)
    offerBackup();
  else
    OfferBackup();
  // The rebuilt schedule changes the lane count the configuration holds: save after it, in
  // the same commit.
  LeagueTransaction tx;
  CloseResult result = checkSchedule();
  SaveLeague();
  tx.commitReported();
  return result;
}

TeamSetup::CloseResult TeamSetup::cancelChanges() {
  std::string text = "Any changes you have made using this form will be made unless you re-load "
                     "the data from the disk file." + NewLine + NewLine +
                     "Do you want to re-load the data?";
  if (AskYesNo(text, "CANCEL CHANGES?")) {
    restoreFiles();
    LoadLeague();
  }
  return checkSchedule();
}

void TeamSetup::refresh() {
  int teams = static_cast<int>(teamNumbers().size());
  if (teamIndex_ >= teams) teamIndex_ = teams > 0 ? teams - 1 : 0;
  if (teamIndex_ < 0) teamIndex_ = 0;
  int players = subMode_ ? lg.NumSubs : lg.PlayersPerTeam;
  if (playerIndex_ >= players) playerIndex_ = players > 0 ? players - 1 : 0;
}

void TeamSetup::renameTeam() {
  if (buttonEnabled(kRenameTeam)) RenameTeam(selectedTeam());
}

void TeamSetup::addTeam() {
  auto t = AddTeam();
  if (t) {
    std::vector<int> teams = teamNumbers();
    for (std::size_t i = 0; i < teams.size(); ++i)
      if (teams[i] == *t) teamIndex_ = static_cast<int>(i);
    playerIndex_ = 0;
  }
  refresh();
}

void TeamSetup::dropTeam() {
  if (buttonEnabled(kDropTeam)) DropTeam(selectedTeam());
  refresh();
}

void TeamSetup::renamePlayer() {
  int r = selectedRecord();
  if (r >= 0) RenamePlayer(r);
}

void TeamSetup::dropPlayer() {
  if (buttonEnabled(kDropPlayer)) DropPlayer(selectedTeam(), selectedPosition());
  refresh();
}

void TeamSetup::swapOrAdd() {
  if (swapMode_) {
    swapSecondStep();
    return;
  }
  if (subMode_) {
    AddSub();
    refresh();
    return;
  }
  int r = selectedRecord();
  if (r < 0) return;
  swapTeam_ = selectedTeam();
  swapPosition_ = selectedPosition();
  swapRecord_ = r;
  swapMode_ = true;
}

void TeamSetup::swapSecondStep() {
  if (!subMode_) {
    int t2 = selectedTeam();
    int p2 = selectedPosition();
    if (t2 != 0 && p2 >= 1 && p2 <= lg.PlayersPerTeam) SwapPlayers(swapTeam_, swapPosition_, t2, p2);
  } else if (lg.NumSubs >= 1) {
    int k = selectedPosition();
    if (k >= 1 && k <= lg.NumSubs) SwapPlayers(swapTeam_, swapPosition_, 0, k);
  }
  swapMode_ = false;
  subMode_ = false;
  refresh();
}

}  // namespace tallmark
