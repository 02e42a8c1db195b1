// Choosing the team shown, storing a team's rows, and leaving the entry.
#include <algorithm>

#include "league/ConfigFile.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
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
  if (viewingEarlierWeek()) showWeek(week_);
  saveCurrentTeam();
  StoreDate();
  team_ = 0;
  rows_.clear();
  // The statistics of this session go to the file (with any entering averages set here), and
  // those of the session current on opening come back, so that a session started on opening
  // takes effect only when the week is processed.
  if (storing_) SwitchStats(lg.CurrentSession, openingSession_);
  else lg.CurrentSession = static_cast<Integer>(openingSession_);
  week_ = shown_ = 0;
}

EntryLeave ScoreEntry::leaveAndProcess(const ProcessHooks& hooks) {
  if (week_ == 0) return EntryLeave::Kept;
  if (viewingEarlierWeek()) showWeek(week_);
  saveCurrentTeam();
  StoreDate();
  if (hooks.offerBackup && storing_) hooks.offerBackup();
  if (lg.CompleteSlots != 2 * lg.NumLanes || lg.CurrentWeek == lg.NumWeeks) {
    MsgBox(MissingResultsText(), kMissingResultsTitle);
    leaveWithoutProcessing();
    return EntryLeave::Kept;
  }
  if (!AskYesNo(kProcessQuestion, kProcessTitle) || !storing_) {
    leaveWithoutProcessing();
    return EntryLeave::Kept;
  }
  if (hooks.progress) hooks.progress(0);
  if (!RunWeeklyProcessing(week_, hooks.progress)) {  // never a week twice
    leaveWithoutProcessing();
    return EntryLeave::Kept;
  }
  lg.CurrentWeek = static_cast<Integer>(lg.CurrentWeek + 1);
  lg.CompleteSlots = 0;  // nothing of the next week is entered yet
  SaveLeague();
  LoadLeague();
  team_ = 0;
  rows_.clear();
  week_ = shown_ = 0;
  return EntryLeave::Processed;
}

}  // namespace tallmark
