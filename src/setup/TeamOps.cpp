#include "setup/TeamOps.h"

#include <cmath>

#include "common/Text.h"
#include "league/FileTransaction.h"
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "setup/PlayerRecords.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

const std::string kBlankLine = NewLine + NewLine;
const std::string kSubsFull = "NUMBER OF SUBS AT MAXIMUM; CAN'T KEEP THIS PLAYER AS A SUB";

std::string TeamName(int team) { return lg.PlayerName[lg.Roster[team][0]]; }

// The dropped player's record becomes the next substitute, or is freed when there is no room.
// Returns the new substitute number, 0 when freed.
int KeepAsSub(int index) {
  if (lg.NumSubs >= lg.MaxSubs) {
    MsgBox(kSubsFull);
    FreePlayerRecord(index);
    return 0;
  }
  ++lg.NumSubs;
  lg.SubList[lg.NumSubs] = static_cast<Integer>(index);
  return lg.NumSubs;
}

int HighestTeamInUse() {
  for (int t = kMaxTeams; t >= 1; --t)
    if (TeamNumberInUse(t)) return t;
  return 0;
}

int LowestFreeTeam() {
  for (int t = 1; t <= kMaxTeams; ++t)
    if (!TeamNumberInUse(t)) return t;
  return 0;
}

bool ValidTeam(int team) { return team >= 1 && team <= kMaxTeams && TeamNumberInUse(team); }

bool ValidPosition(int position) { return position >= 1 && position <= lg.PlayersPerTeam; }

std::string KeywordRefusal(const std::string& keyword) {
  return "A name starting with" + kBlankLine + keyword + kBlankLine +
         "is a keyword for the program. You cannot use it.";
}

// Asks with an input box; the cleaned name, or nothing when cancelled or left empty.
std::optional<std::string> AskName(const std::string& prompt, const std::string& title,
                                   const std::string& current) {
  std::optional<std::string> typed = userio().input(prompt, title, TrimRight(current));
  if (!typed || typed->empty()) return std::nullopt;
  return CleanName(*typed);
}

void RecomputeTeam(int team) {
  if (ValidTeam(team)) UpdateTeamFromRoster(team);
}

// The score records of the weeks after CurrentWeek at (team, position) take the new player;
// a record holding entered results stays with the player who bowled them.
void MoveFutureScores(int team, int position, int newPlayer) {
  if (!LeagueOpen() || !HasScoreRecords(team, position)) return;
  LeagueTransaction tx;
  for (int w = lg.CurrentWeek + 1; w <= kMaxWeeks; ++w) {
    if (HoldsEnteredResults(w, team, position)) continue;
    Integer stored = 0;
    ReadScore(w, team, position, stored);
    WriteScore(w, team, position, static_cast<Integer>(newPlayer));
  }
  tx.commitReported();
}

}  // namespace

std::string PlayerTermUpper() { return Upper(lg.SportTerm[4]); }
std::string PlayerTermLower() { return Lower(lg.SportTerm[4]); }
std::string PlayersTermUpper() { return Upper(lg.SportTerm[5]); }
std::string PlayersTermLower() { return Lower(lg.SportTerm[5]); }

bool DropPlayer(int team, int position) {
  if (!ValidTeam(team) || !ValidPosition(position)) return false;
  int index = lg.Roster[team][position];
  std::string question = lg.PlayerName[index] + " on team " + TeamName(team) + kBlankLine +
                         "This player is about to be dropped from the team" + NewLine +
                         "The player will be kept as a substitute " + PlayerTermLower() +
                         kBlankLine + "ARE YOU SURE YOU WANT TO DO THIS?";
  if (!AskWarning(question)) return false;
  KeepAsSub(index);
  FillVacancy(position, team);
  RecomputeTeam(team);
  return true;
}

bool DropTeam(int team) {
  if (!ValidTeam(team)) return false;
  std::string question = TeamName(team) + kBlankLine +
                         "This entire team is about to be dropped from the league" + NewLine +
                         "The " + PlayersTermLower() + " on the team will be kept as substitute " +
                         PlayersTermLower() + kBlankLine + "ARE YOU SURE YOU WANT TO DO THIS?";
  if (!AskWarning(question)) return false;
  lg.Roster[team][0] = 0;
  for (int p = 1; p <= lg.PlayersPerTeam; ++p) {
    int index = lg.Roster[team][p];
    lg.Roster[team][p] = 0;
    int sub = KeepAsSub(index);
    if (sub > 0) MsgBox(lg.PlayerName[index] + kBlankLine + "is now sub number " + std::to_string(sub));
  }
  --lg.NumTeams;
  lg.LastTeam = static_cast<Integer>(HighestTeamInUse());
  return true;
}

bool AddSub() {
  if (FreePlayerRecords() == 0 || lg.NumSubs >= lg.MaxSubs) {
    MsgBox("NUMBER OF " + PlayersTermUpper() + " AT MAXIMUM; CAN'T ADD A SUB");
    return false;
  }
  ++lg.NumSubs;
  lg.ScrEntryKind = kSub;
  SlotName s = MakeSlotName(lg.NumSubs, 0);
  NewPlayerRecord(s.name, s.phone, lg.NumSubs, 0, 1, lg.VacancyScore[1]);
  return true;
}

std::optional<int> AddTeam() {
  if (lg.NumTeams >= kMaxTeams) {
    MsgBox("NUMBER OF TEAMS AT MAXIMUM; CAN'T ADD A TEAM");
    return std::nullopt;
  }
  if (lg.NumTeams >= kMaxScheduledTeams) {
    MsgBox("THE SCHEDULE HAS ROOM FOR " + std::to_string(kMaxScheduledTeams) +
           " TEAMS AT MOST; CAN'T ADD A TEAM");
    return std::nullopt;
  }
  if (FreePlayerRecords() < lg.PlayersPerTeam + 1) {
    MsgBox("NUMBER OF " + PlayersTermUpper() + " AT MAXIMUM; CAN'T ADD A TEAM OF " +
           std::to_string(lg.PlayersPerTeam) + " VACANCIES");
    return std::nullopt;
  }
  BusyPointer busy;
  int t = LowestFreeTeam();
  ++lg.NumTeams;
  if (lg.LastTeam < t) lg.LastTeam = static_cast<Integer>(t);
  NewPlayerRecord(NewTeamName(t), kDefaultPhone, 0, t, 2, 0);
  for (int p = 1; p <= lg.PlayersPerTeam; ++p) FillVacancy(p, t);
  UpdateTeamFromRoster(t);
  return t;
}

void RebuildRoster(const std::function<void(int percent)>& progress) {
  int n = lg.NumTeams;
  int s = lg.NumSubs;
  lg.NumTeams = 0;
  lg.LastTeam = 0;
  lg.NumPlayerRecords = 0;
  for (int i = 0; i < kMaxPlayerRecords; ++i) lg.PlayerName[i] = Fixed("?", 20);
  for (int t = 1; t <= kMaxTeams; ++t) lg.Roster[t].fill(0);
  int steps = s > 0 ? n + 1 : n;
  for (int i = 1; i <= n; ++i) {
    if (progress) progress(i * 100 / steps);
    if (!AddTeam()) break;
  }
  if (s >= 1) {
    if (progress) progress(100);
    lg.NumSubs = 0;
    lg.SubList.fill(0);
    for (int k = 1; k <= s; ++k)
      if (!AddSub()) break;
  }
}

std::string CleanName(const std::string& typed) {
  std::string name = Fixed(typed, 20);
  for (char& c : name)
    if (c == '"') c = '_';
  return name;
}

std::string PlayerNameRefusal(const std::string& cleaned) {
  if (IsVacancyName(cleaned)) return KeywordRefusal("*VACANCY");
  return TeamNameRefusal(cleaned);
}

std::string TeamNameRefusal(const std::string& cleaned) {
  if (IsFreeName(cleaned)) return KeywordRefusal("?");
  return {};
}

bool RenamePlayer(int index) {
  if (index < 0 || index >= kMaxPlayerRecords) return false;
  std::string prompt = "Enter the new name." + NewLine + "Max of 20 characters." + kBlankLine +
                       lg.SportTerm[4] + " will be renamed and not replaced with a new " +
                       PlayerTermLower() + " or a sub." + kBlankLine + "To replace the " +
                       PlayerTermLower() +
                       ", select CANCEL here and SWAP or DROP on the Team Setup window.";
  auto name = AskName(prompt, "CHANGE " + PlayerTermUpper() + " NAME", lg.PlayerName[index]);
  if (!name) return false;
  std::string refusal = PlayerNameRefusal(*name);
  if (!refusal.empty()) {
    MsgBox(refusal);
    return false;
  }
  lg.PlayerName[index] = *name;
  return true;
}

bool RenameTeam(int team) {
  if (!ValidTeam(team)) return false;
  std::string prompt = "Enter the new name" + NewLine + "Maximum of 20 characters.";
  int index = lg.Roster[team][0];
  auto name = AskName(prompt, "CHANGE TEAM NAME", lg.PlayerName[index]);
  if (!name) return false;
  std::string refusal = TeamNameRefusal(*name);
  if (!refusal.empty()) {
    MsgBox(refusal);
    return false;
  }
  lg.PlayerName[index] = *name;
  return true;
}

void SwapPlayers(int team1, int position1, int team2, int position2) {
  int first = lg.Roster[team1][position1];
  int second = 0;
  if (team2 != 0) {
    second = lg.Roster[team2][position2];
    lg.Roster[team2][position2] = static_cast<Integer>(first);
  } else {
    second = lg.SubList[position2];
    lg.SubList[position2] = static_cast<Integer>(first);
  }
  lg.Roster[team1][position1] = static_cast<Integer>(second);
  MoveFutureScores(team2, position2, first);
  MoveFutureScores(team1, position1, second);
  RecomputeTeam(team1);
  if (team2 != 0 && team2 != team1) RecomputeTeam(team2);
}

void SetStartingAverage(int index, int team, Integer average) {
  auto& row = lg.PlayerStat[index];
  row[kStartingAverage] = average;
  if (row[kGamesPlayed] == 0) {
    row[kCurrentAverage] = average;
    row[kCurrentHandicap] = HandicapFor(average, PlayerGroup(index));
  }
  if (team != 0) RecomputeTeam(team);
}

void SetCategory(int index, int team, Integer category) {
  auto& row = lg.PlayerStat[index];
  row[kGroupOrStanding] = category;
  Integer average = FloorInteger(row[kCurrentAverage]);
  row[kCurrentHandicap] = HandicapFor(average, category);
  if (team != 0) RecomputeTeam(team);
}

void SetPhone(int index, const std::string& phone) {
  if (phone.empty()) return;
  std::string p = Fixed(phone, 12);
  for (char& c : p)
    if (c == '"') c = '_';
  lg.PlayerPhone[index] = p;
}

void SetRecalcGames(int index, Integer games) { lg.RecalcGames[index] = games; }

void SetAvgAfterWeek1(int index, bool on) { lg.AvgAfterWeek1[index] = on ? True : False; }

}  // namespace tallmark
