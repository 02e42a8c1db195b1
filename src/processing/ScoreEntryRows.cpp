// A team's rows as the entry shows them: read from the score records, or the roster's players
// while a record holds no results; the figures shown beside them; completeness.
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/ScoreEntry.h"

namespace tallmark {

namespace {

bool ValidPlayer(int p) { return p >= 0 && p <= kMaxPlayerRecords; }

bool HoldsResults(const EntryRow& r) {
  if (r.type == kForfeit) return true;
  for (int g = 0; g < lg.GamesPerWeek && g <= kMaxGames - 1; ++g)
    if (r.games[g] > 0) return true;
  return false;
}

// The row of slot j read from the work variables of the score record just read.
EntryRow RowFromRecord(Integer player) {
  EntryRow r;
  r.player = player;
  r.type = lg.ScrEntryKind;
  r.incompleteMask = lg.ScrNoCreditMask;
  for (int g = 0; g < kMaxGames; ++g) r.games[g] = lg.ScrGameScore[g];
  for (int k = 0; k < lg.NumExtraStats && k < kMaxExtraStats; ++k) r.extra[k] = lg.ScrExtraStat[k];
  return r;
}

}  // namespace

int EntryRow::total() const {
  int sum = 0;
  for (int g = 0; g < lg.GamesPerWeek && g < kMaxGames; ++g) sum += games[g];
  return sum;
}

std::vector<EntryRow> ScoreEntry::LoadRows(int team) {
  std::vector<EntryRow> rows(lg.PlayersPerWeek + 1);
  for (int j = 1; j <= lg.PlayersPerWeek; ++j) {
    Integer player = 0;
    ReadScore(shown_, team, j, player);
    EntryRow r = RowFromRecord(player);
    Integer storedHandicap = lg.ScrHandicap;
    Integer rostered = j <= kMaxRosterPositions ? lg.Roster[team][j] : 0;
    if (!ValidPlayer(rostered)) rostered = 0;
    // A record without results shows the roster's player of the slot; a record never written
    // names player 0, and a record whose player was dropped names a free record.
    bool noPlayer = player == 0 || !ValidPlayer(player) || IsFreeName(lg.PlayerName[player]);
    if (!HoldsResults(r) && (player == rostered || noPlayer)) {
      r.player = rostered;
      r.type = IsVacancyName(lg.PlayerName[rostered]) ? kVacancy : kRegular;
    }
    if (viewingEarlierWeek()) {
      // An earlier week shows its records as stored; nothing of today's figures changes.
      r.handicap = storedHandicap;
      if (ValidPlayer(r.player)) r.average = RoundHalfEven(lg.PlayerStat[r.player][kCurrentAverage]);
    }
    rows[j] = r;
  }
  if (!viewingEarlierWeek()) {
    TakeEnteringAverages(team, rows);
    for (int j = 1; j <= lg.PlayersPerWeek; ++j) RefreshRow(rows[j]);
  }
  return rows;
}

// The entering average of the first week follows the team's rows as they stand: a player whose
// row no longer qualifies (another type, no scores, another player) has the statistics back
// that the entry found.
void ScoreEntry::TakeEnteringAverages(int team, const std::vector<EntryRow>& rows) {
  for (auto it = entering_.begin(); it != entering_.end();) {
    if (it->second.team != team) {
      ++it;
      continue;
    }
    auto& stat = lg.PlayerStat[it->first];
    stat[kStartingAverage] = it->second.starting;
    stat[kCurrentAverage] = it->second.current;
    stat[kCurrentHandicap] = it->second.handicap;
    it = entering_.erase(it);
  }
  for (std::size_t j = 1; j < rows.size(); ++j) {
    const EntryRow& r = rows[j];
    const int p = r.player;
    if (!ValidPlayer(p) || r.type > kRovingSub || lg.AvgAfterWeek1[p] == 0 ||
        r.total() <= 0 || lg.GamesPerWeek <= 0)
      continue;
    auto& stat = lg.PlayerStat[p];
    if (!entering_.count(p) && stat[kGamesPlayed] != 0) continue;
    if (!entering_.count(p))
      entering_[p] = {team, stat[kStartingAverage], stat[kCurrentAverage], stat[kCurrentHandicap]};
    entering_[p].team = team;
    auto a = static_cast<Integer>(r.total() / lg.GamesPerWeek);
    stat[kStartingAverage] = a;
    stat[kCurrentAverage] = a;
    stat[kCurrentHandicap] = HandicapFor(a, PlayerGroup(p));
  }
}

void ScoreEntry::RestoreEnteringAverages() {
  for (const auto& [p, saved] : entering_) {
    auto& stat = lg.PlayerStat[p];
    stat[kStartingAverage] = saved.starting;
    stat[kCurrentAverage] = saved.current;
    stat[kCurrentHandicap] = saved.handicap;
  }
  entering_.clear();
}

// The handicap and average shown.
void ScoreEntry::RefreshRow(EntryRow& r) {
  int p = r.player;
  if (!ValidPlayer(p)) return;
  r.handicap = RoundHalfEven(lg.PlayerStat[p][kCurrentHandicap]);
  r.average = RoundHalfEven(lg.PlayerStat[p][kCurrentAverage]);
}

void ScoreEntry::RefreshRows() {
  TakeEnteringAverages(team_, rows_);
  for (int j = 1; j <= rowCount(); ++j) RefreshRow(rows_[j]);
  Hold(team_, rows_);
}

void ScoreEntry::Hold(int team, const std::vector<EntryRow>& rows) {
  TeamHeld& h = held_[team];
  h.averageSum = RowAverageSum(rows);
  h.handicapSum = 0;
  for (std::size_t j = 1; j < rows.size(); ++j) h.handicapSum += rows[j].handicap;
}

bool ScoreEntry::StoredForfeit(const std::vector<EntryRow>& rows) {
  return rows.size() > 1 && rows[1].type == kForfeit;
}

int RowAverageSum(const std::vector<EntryRow>& rows) {
  double sum = 0;
  for (std::size_t j = 1; j < rows.size(); ++j) {
    int p = rows[j].player;
    if (ValidPlayer(p)) sum = RoundHalfEven(sum + lg.PlayerStat[p][kCurrentAverage]);
  }
  return static_cast<int>(sum);
}

bool ScoreEntry::RowsComplete(const std::vector<EntryRow>& rows, bool forfeit) {
  if (forfeit) return true;
  for (std::size_t j = 1; j < rows.size(); ++j)
    for (int g = 0; g < lg.GamesPerWeek && g < kMaxGames; ++g)
      if (rows[j].games[g] == 0 && !rows[j].incomplete(g)) return false;
  return true;
}

bool ScoreEntry::teamComplete() const { return team_ != 0 && RowsComplete(rows_, forfeited()); }

int ScoreEntry::gameSubTotal(int game) const {
  int sum = 0;
  for (int j = 1; j <= rowCount(); ++j) sum += rows_[j].games[game];
  return sum;
}

}  // namespace tallmark
