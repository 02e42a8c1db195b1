// Opening a week for score entry: the start of the next session of a split season, the
// pairing of a position round, and what every team of the week already holds.
#include <cstdlib>

#include "league/FileSystem.h"
#include "league/FileTransaction.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "league/WeekSnapshot.h"
#include "processing/Averages.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"
#include "processing/WeeklyProcessing.h"
#include "league/LeagueLookups.h"

namespace tallmark {

namespace {

// Starts a record's statistics again from its current average. Record 0 is a real record (the
// first team's name in a league built by the program).
void RestartRecord(int p) {
  if (p < 0 || p > kMaxPlayerRecords) return;  // record 0 is a real record (often team 1)
  auto& stat = lg.PlayerStat[p];
  stat[kStartingAverage] = stat[kCurrentAverage];
  for (int c = 0; c <= 27; ++c) {
    if (c == kStartingAverage || c == kCurrentAverage || c == kCurrentHandicap ||
        c == kGroupOrStanding)
      continue;
    stat[c] = 0;
  }
}

// The statistics reset at a split: team records, roster players or both, by StatResetMode.
void RestartStatistics() {
  int mode = lg.StatResetMode;
  int first = mode == 1 ? 1 : 0;
  int last = (mode == 1 || mode == 2) ? lg.PlayersPerTeam : 0;
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    for (int slot = first; slot <= last && slot <= kMaxRosterPositions; ++slot)
      RestartRecord(lg.Roster[t][slot]);
  }
  if (mode > 0)
    for (int i = 1; i <= lg.NumSubs && i <= kMaxTeams; ++i) RestartRecord(lg.SubList[i]);
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamInUse(t)) UpdateTeamFromRoster(t);
}

}  // namespace

bool ApplySessionStart(int week, bool storing) {
  int s = lg.CurrentSession;
  if (lg.NumSessions < 2 || s < 1 || s >= kMaxSessions) return false;
  if (std::abs(lg.SplitWeek[s]) != week) return false;
  // The start belongs to the processing of the week before: undoing that week undoes it too.
  std::string statsBefore;
  if (storing) ReadWholeFile(LeagueBasePath() + ".STT", statsBefore);
  if (storing) WriteStats(s);  // the session left keeps its statistics
  if (lg.SplitWeek[s] < 0) RestartStatistics();
  lg.CurrentSession = static_cast<Integer>(s + 1);
  // Reclassifying stores the statistics under the session now current, so it runs after the
  // session has advanced; a trial run leaves the files alone and needs no classes.
  if (lg.ClassResetAtSession[s] != 0 && storing) ClassifyAll();
  if (storing) WriteStats(s + 1);
  if (storing && week > 1) AddStatsChangeToRecord(week - 1, statsBefore);
  return true;
}

EntryOpen ScoreEntry::open() {
  team_ = 0;
  rows_.clear();
  teams_.clear();
  entering_.clear();
  closedSeason_ = false;
  if (!LeagueOpen()) return EntryOpen::NoLeague;
  if (lg.CurrentWeek >= lg.NumWeeks) return EntryOpen::SeasonOver;
  week_ = shown_ = lg.CurrentWeek + 1;
  // The week's records are read at once; anything the opening writes goes in one commit.
  LeagueTransaction tx;
  PrefetchWeek(week_);
  if (!ReadTeams(week_)) return EntryOpen::NoSchedule;
  openingSession_ = lg.CurrentSession;
  ApplySessionStart(week_, storing_);
  date_ = WeekDateText(week_);
  CountComplete();
  tx.commitReported();
  return EntryOpen::Ready;
}

// The week's lane slots (a position round paired by the standings) and its teams; false when a
// slot holds no team in use.
bool ScoreEntry::ReadTeams(int week) {
  teams_.clear();
  ReadWeekResults(week);
  if (lg.LaneTeam[1] == kPositionTeam && week == week_) PairByStandings();
  for (int k = 1; k <= 2 * lg.NumLanes; ++k) {
    int t = lg.LaneTeam[k];
    if (t < 1 || t > kMaxTeams || !TeamInUse(t)) {
      teams_.clear();
      return false;
    }
    teams_.push_back(static_cast<Integer>(t));
  }
  return true;
}

// What each team of the week already holds: its forfeit mark, its sums, its complete flag, and
// CompleteSlots. Loading the rows also applies the entering average of the first week to rows
// stored in an earlier opening.
void ScoreEntry::CountComplete() {
  for (int t = 0; t <= kMaxTeams; ++t) held_[t] = TeamHeld{};
  for (Integer t : teams_) {
    std::vector<EntryRow> rows = LoadRows(t);
    Hold(t, rows);
    held_[t].forfeit = StoredForfeit(rows);
    lg.TeamPointsWeek[TeamColumn(t)] = RowsComplete(rows, held_[t].forfeit) ? 1.0f : 0.0f;
  }
  SumCompleteFlags();
}

void ScoreEntry::SumCompleteFlags() {
  int n = 0;
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamInUse(t) && lg.TeamPointsWeek[TeamColumn(t)] == 1.0f) ++n;
  lg.CompleteSlots = static_cast<Integer>(n);
}

}  // namespace tallmark
