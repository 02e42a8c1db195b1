// Looking at an earlier week in the results window, and the labels of the week and team shown.
#include <algorithm>

#include "common/Text.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"

namespace tallmark {

void ScoreEntry::ShowRows(int team) {
  team_ = team;
  rows_ = LoadRows(team);
  if (viewingEarlierWeek()) {
    shownForfeit_ = StoredForfeit(rows_);
    return;
  }
  Hold(team, rows_);
  held_[team].forfeit = StoredForfeit(rows_);
}

std::vector<int> ScoreEntry::weeksToShow() const {
  std::vector<int> weeks;
  for (int w = 1; w <= week_; ++w) weeks.push_back(w);
  return weeks;
}

bool ScoreEntry::showWeek(int week) {
  if (week_ == 0 || week < 1 || week > week_) return false;
  saveCurrentTeam();  // stores nothing while an earlier week is shown
  int team = team_;
  shown_ = week;
  bool paired = ReadTeams(week);
  // Back on the entry week, everything held for its teams is read again from their records.
  if (week == week_) CountComplete();
  if (!paired || teams_.empty()) {
    team_ = 0;
    rows_.clear();
    return paired;
  }
  bool plays = std::find(teams_.begin(), teams_.end(), team) != teams_.end();
  ShowRows(plays ? team : teams_.front());
  return true;
}

std::string ScoreEntry::shownDate() const {
  if (!viewingEarlierWeek()) return date_;
  return shown_ >= 1 && shown_ <= kMaxWeeks ? TrimRight(lg.WeekDate[shown_]) : std::string();
}

Integer ScoreEntry::teamHandicap() const {
  if (viewingEarlierWeek()) return team_ == 0 ? 0 : lg.TeamHandicapWeek[TeamColumn(team_)];
  return TeamHandicapOf(team_);
}

std::string ScoreEntry::weekText() const {
  return "Results for week " + std::to_string(shown_) + " of " + std::to_string(lg.NumWeeks);
}

std::string ScoreEntry::laneText() const {
  auto it = std::find(teams_.begin(), teams_.end(), team_);
  if (team_ == 0 || it == teams_.end()) return {};
  int pair = static_cast<int>(it - teams_.begin()) / 2 + 1;  // slots 2p-1 and 2p
  return "Lane " + std::to_string(lg.LaneNumber[2 * pair - 1]) + "-" +
         std::to_string(lg.LaneNumber[2 * pair]);
}

std::string ScoreEntry::opponentName() const {
  int opponent = opponentOf(team_);
  return opponent == 0 ? std::string() : TrimRight(lg.PlayerName[lg.Roster[opponent][0]]);
}

}  // namespace tallmark
