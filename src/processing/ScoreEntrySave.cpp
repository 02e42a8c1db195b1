// Choosing the team shown, storing a team's rows, and leaving the entry.
#include <algorithm>

#include "league/ConfigFile.h"
#include "common/FileErrors.h"
#include "league/FileTransaction.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "league/WeekSnapshot.h"
#include "processing/WeeklyProcessing.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"
#include "common/UserIO.h"

namespace tallmark {

bool ScoreEntry::selectTeam(int team) {
  if (std::find(teams_.begin(), teams_.end(), team) == teams_.end()) return false;
  if (team_ != 0) saveCurrentTeam();
  ShowRows(team);
  return true;
}

// One score record per slot, the team's complete flag and handicap, CompleteSlots, and the
// week's record of the season results file.
void ScoreEntry::saveCurrentTeam() {
  if (team_ == 0 || viewingEarlierWeek()) return;
  LeagueTransaction tx;  // the team's records and the week's block together
  for (int j = 1; j <= rowCount(); ++j) {
    const EntryRow& r = rows_[j];
    lg.ScrHandicap = r.handicap;
    lg.ScrPointsWon = 0;
    lg.ScrEntryKind = r.type;
    lg.ScrFlag = r.type == kForfeit ? True : False;
    lg.ScrNoCreditMask = r.incompleteMask;
    for (int g = 0; g < kMaxGames; ++g) lg.ScrGameScore[g] = g < lg.GamesPerWeek ? r.games[g] : 0;
    for (int k = 0; k <= kMaxExtraStats; ++k)
      lg.ScrExtraStat[k] = k < lg.NumExtraStats && k < kMaxExtraStats ? r.extra[k] : 0;
    if (storing_) WriteScore(week_, team_, j, r.player);
  }
  Hold(team_, rows_);
  lg.TeamPointsWeek[TeamColumn(team_)] = teamComplete() ? 1.0f : 0.0f;
  StoreTeamHandicaps(team_);
  SumCompleteFlags();
  if (storing_) WriteWeekResults(week_);
  ErrorTrap trap;
  trap.set(tx.commit());
  trap.report();
}

std::string ScoreEntry::statusText() const {
  return "Results entered for " + std::to_string(lg.CompleteSlots) + " of the " +
         std::to_string(teamsOfWeek()) + " teams";
}

void ScoreEntry::StoreDate() {
  std::string text = date_;
  std::replace(text.begin(), text.end(), '"', '_');
  if (week_ >= 1 && week_ <= kMaxWeeks) lg.WeekDate[week_] = Fixed(text, 8);
}

void ScoreEntry::leaveWithoutProcessing() {
  if (week_ == 0) return;
  if (closedSeason_) {  // nothing was entered
    team_ = 0;
    rows_.clear();
    week_ = shown_ = 0;
    return;
  }
  if (viewingEarlierWeek()) showWeek(week_);
  saveCurrentTeam();
  StoreDate();
  team_ = 0;
  rows_.clear();
  // Entering averages are taken again from the stored rows when the week is opened next.
  RestoreEnteringAverages();
  // The statistics of this session go to the file, and those of the session current on opening
  // come back, so that a session started on opening takes effect only when the week is processed.
  if (storing_) SwitchStats(lg.CurrentSession, openingSession_);
  else lg.CurrentSession = static_cast<Integer>(openingSession_);
  week_ = shown_ = 0;
}

EntryLeave ScoreEntry::leaveAndProcess(const ProcessHooks& hooks) {
  if (week_ == 0) return EntryLeave::Kept;
  if (closedSeason_) {  // the season's last week is done
    MsgBox(MissingResultsText(), kMissingResultsTitle);
    leaveWithoutProcessing();
    return EntryLeave::Kept;
  }
  if (viewingEarlierWeek()) showWeek(week_);
  saveCurrentTeam();
  StoreDate();
  if (hooks.offerBackup && storing_ && !hooks.offerBackup()) {
    leaveWithoutProcessing();
    return EntryLeave::Failed;
  }
  if (lg.CompleteSlots != 2 * lg.NumLanes || lg.CurrentWeek == lg.NumWeeks) {
    MsgBox(MissingResultsText(), kMissingResultsTitle);
    leaveWithoutProcessing();
    return EntryLeave::Kept;
  }
  if ((hooks.askFirst && !AskYesNo(kProcessQuestion, kProcessTitle)) || !storing_) {
    leaveWithoutProcessing();
    return EntryLeave::Kept;
  }
  if (hooks.progress) hooks.progress(0);
  const bool done = ProcessAndSave(week_, hooks.progress);
  // After a failure nothing was written: the league comes back as the files hold it.
  if (done) entering_.clear();  // the entering averages are now the players' own
  LoadLeague();
  team_ = 0;
  rows_.clear();
  week_ = shown_ = 0;
  return done ? EntryLeave::Processed : EntryLeave::Failed;
}

namespace {

// The teams whose results for week are stored complete (their flags in the week's block): the
// next week's results stay when a week is undone and processed again.
Integer CompleteTeamsStored(int week) {
  if (week < 1 || week > kMaxWeeks) return 0;
  ReadWeekResults(week);
  int n = 0;
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamInUse(t) && lg.TeamPointsWeek[TeamColumn(t)] == 1.0f) ++n;
  return static_cast<Integer>(n);
}

}  // namespace

// The week processed, CurrentWeek raised and the league saved in one commit, with the snapshot
// that lets the week be undone.
bool ScoreEntry::ProcessAndSave(int week, const std::function<void(int percent)>& progress) {
  LeagueTransaction tx;
  WeekSnapshot snapshot(week);
  if (!RunWeeklyProcessing(week, progress)) return false;  // never a week twice
  lg.CurrentWeek = static_cast<Integer>(lg.CurrentWeek + 1);
  lg.CompleteSlots = CompleteTeamsStored(week + 1);
  if (!SaveLeague()) {
    ForgetProcessedWeek();
    return false;
  }
  snapshot.store();
  ErrorTrap trap;
  trap.set(tx.commit());
  if (!trap.report()) ForgetProcessedWeek();
  return !trap.failed();
}

}  // namespace tallmark
