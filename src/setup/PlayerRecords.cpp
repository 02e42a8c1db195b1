#include "setup/PlayerRecords.h"

#include <array>
#include <cstdint>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

std::string NumberWithBlank(int n) { return " " + std::to_string(n); }

int FirstFreeRecord() {
  for (int i = 0; i < kMaxPlayerRecords; ++i)
    if (IsFreeName(lg.PlayerName[i])) return i;
  return -1;
}

void PlaceRecord(int index, int position, int team) {
  if (team != 0)
    lg.Roster[team][position] = static_cast<Integer>(index);
  else
    lg.SubList[position] = static_cast<Integer>(index);
}

void FreshStatistics(int index, Integer category, Integer startAverage) {
  auto& row = lg.PlayerStat[index];
  row.fill(0);
  row[kGroupOrStanding] = category;
  row[kStartingAverage] = startAverage;
  row[kCurrentAverage] = startAverage;
  row[kCurrentHandicap] = HandicapFor(startAverage, category);
  row[kClassification] = ClassifyAverage(index);
}

void BlankScoreRecord(int index) {
  lg.ScrNoCreditMask = 0;
  lg.ScrHandicap = RoundHalfEven(lg.PlayerStat[index][kCurrentHandicap]);
  lg.ScrPointsWon = 0;
  lg.ScrGameScore.fill(0);
  lg.ScrExtraStat.fill(0);
}

}  // namespace

SlotName MakeSlotName(int position, int team) {
  SlotName s;
  if (lg.ScrEntryKind == kVacancy)
    s.name = Fixed("*VACANCY" + NumberWithBlank(team * 100 + position), 20);
  else if (lg.ScrEntryKind == kSub)
    s.name = Fixed("SUBSTITUTE" + NumberWithBlank(position), 20);
  s.phone = kDefaultPhone;
  s.category = 1;
  s.startAverage = lg.VacancyScore[1];
  return s;
}

std::string NewTeamName(int team) { return Fixed("TEAM" + NumberWithBlank(team), 20); }

int FreePlayerRecords() {
  int n = 0;
  for (int i = 0; i < kMaxPlayerRecords; ++i)
    if (IsFreeName(lg.PlayerName[i])) ++n;
  return n;
}

int NewPlayerRecord(const std::string& name, const std::string& phone, int position, int team,
                    Integer category, Integer startAverage) {
  int index = FirstFreeRecord();
  if (index < 0) return -1;
  BusyPointer busy;
  ++lg.NumPlayerRecords;
  lg.PlayerName[index] = Fixed(name, 20);
  lg.PlayerPhone[index] = Fixed(phone, 12);
  lg.AvgAfterWeek1[index] = 0;
  lg.RecalcGames[index] = lg.GamesForNewAverage;
  PlaceRecord(index, position, team);
  FreshStatistics(index, category, startAverage);
  WriteStatsRowAllSessions(index);
  if (position == 0 || team == 0) return index;
  BlankScoreRecord(index);
  WriteFutureScores(team, position, index);
  return index;
}

int FillVacancy(int position, int team) {
  lg.ScrEntryKind = kVacancy;
  SlotName s = MakeSlotName(position, team);
  return NewPlayerRecord(s.name, s.phone, position, team, s.category, s.startAverage);
}

void FreePlayerRecord(int index) {
  lg.PlayerName[index] = Fixed("?", 20);
  --lg.NumPlayerRecords;
}

bool HasScoreRecords(int team, int position) {
  return team >= 1 && team <= kMaxTeams && position >= 1 && position <= lg.PlayersPerWeek &&
         position <= lg.MaxPerTeam;
}

void WriteFutureScores(int team, int position, int player) {
  if (!LeagueOpen() || !HasScoreRecords(team, position)) return;
  for (int w = lg.CurrentWeek + 1; w <= kMaxWeeks; ++w)
    WriteScore(w, team, position, static_cast<Integer>(player));
}

}  // namespace tallmark
