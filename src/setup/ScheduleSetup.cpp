#include "setup/ScheduleSetup.h"

#include <algorithm>
#include <cmath>

#include "league/ConfigFile.h"
#include "league/SeqFile.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "setup/ScheduleOps.h"
#include "setup/TeamOps.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

constexpr int kMinLaneNumber = 1;
constexpr int kMaxLaneNumber = 500;

int Slots() { return 2 * lg.NumLanes; }

bool TemplateUsable() { return lg.NumTeams % 2 == 0 && lg.NumTeams >= 4 && lg.NumTeams <= 34; }

// A team that can stand on a lane slot of an unscored week.
bool SchedulableTeam(int team) { return team >= 1 && team <= lg.LastTeam && TeamNumberInUse(team); }

// The first team in use that does not appear in the week's slots; 0 (a position slot) when every
// team is there.
int FirstMissingTeam(const std::vector<int>& week) {
  for (int t = 1; t <= lg.LastTeam; ++t)
    if (TeamNumberInUse(t) && std::find(week.begin(), week.end(), t) == week.end()) return t;
  return kPositionTeam;
}

void AskOddTeam() {
  std::string verb = lg.SportTerm[1];
  std::string text = "There is an odd number of teams." + NewLine + NewLine +
                     "Should a dummy team be added to the league so the odd team can " +
                     Lower(verb) + " each week?";
  if (!AskYesNo(text, "WILL THE ODD TEAM " + Upper(verb) + " EACH WEEK?")) return;
  if (!AddTeam()) return;
  SetUpSchedule();
  // The new team's records and the rebuilt weeks belong together on disk.
  SaveLeague();
}

}  // namespace

void ScheduleSetup::open() {
  if (lg.NumTeams % 2 != 0) AskOddTeam();
  laneNumbers_.clear();
  weeksChanged_ = false;
  row_ = 0;
  column_ = 1;
  fill();
}

std::string ScheduleSetup::caption() const { return Upper(lg.SportTerm[3]) + " SCHEDULE SETUP"; }

bool ScheduleSetup::referenceButtonShown() const { return TemplateUsable(); }

std::string ScheduleSetup::weeksLabel() const {
  return "Weeks to " + lg.SportTerm[1] + ": " + std::to_string(lg.NumWeeks);
}

std::string ScheduleSetup::teamsLabel() const { return "Teams: " + std::to_string(lg.NumTeams); }

bool ScheduleSetup::rowEditable(int row) const {
  return row == 0 || (row > lg.CurrentWeek && row <= lg.NumWeeks);
}

void ScheduleSetup::fill() {
  int known = static_cast<int>(laneNumbers_.size());
  laneNumbers_.resize(Slots() + 1, 0);
  for (int s = std::max(known, 1); s <= Slots(); ++s) laneNumbers_[s] = lg.LaneNumber[s];
  grid_.assign(lg.NumWeeks + 1, std::vector<std::string>(Slots() + 1));
  for (int s = 1; s <= Slots(); ++s) grid_[0][s] = std::to_string(laneNumbers_[s]);
  for (int w = std::max<int>(lg.StartWeek, 1); w <= lg.NumWeeks; ++w) fillWeek(w);
  row_ = std::min<int>(row_, lg.NumWeeks);
  column_ = std::clamp(column_, 1, std::max(Slots(), 1));
  editText_ = (row_ < rowCount() && column_ < columnCount()) ? grid_[row_][column_] : "";
}

void ScheduleSetup::fillWeek(int week) {
  ReadWeekResults(week);
  grid_[week][0] = std::to_string(week);
  std::vector<int> shown(lg.LaneTeam.begin() + 1, lg.LaneTeam.begin() + 1 + Slots());
  for (int s = 1; s <= Slots(); ++s) {
    int team = shown[s - 1];
    // An unscored week cannot keep a team that left the league; a scored one shows what was
    // played.
    if (week > lg.CurrentWeek && team >= 1 && team <= kMaxTeams && !TeamNumberInUse(team)) {
      team = FirstMissingTeam(shown);
      shown[s - 1] = team;
    }
    grid_[week][s] = SlotText(team);
  }
}

int ScheduleSetup::normalRow(int row) const {
  for (int pass = 0; pass < 2; ++pass) {
    if (row >= 1 && row <= lg.CurrentWeek) row = lg.CurrentWeek + 1;
    if (row < 0) row = lg.NumWeeks;
    if (row > lg.NumWeeks) row = 0;
    if (row >= 1 && row < lg.StartWeek) row = lg.StartWeek;
  }
  return row;
}

void ScheduleSetup::moveTo(int row, int column) {
  commit();
  if (column < 1) column = Slots();
  if (column > Slots()) column = 1;
  row_ = normalRow(row);
  column_ = column;
  editText_ = grid_[row_][column_];
}

void ScheduleSetup::key(Key k, bool modifierHeld) {
  if (modifierHeld) return;
  switch (k) {
    case Key::Enter:
    case Key::Right: moveTo(row_, column_ + 1); break;
    case Key::Left: moveTo(row_, column_ - 1); break;
    case Key::Down: moveTo(row_ + 1, column_); break;
    case Key::Up: {
      int previous = row_ - 1;
      bool previousScored = previous >= 1 && (previous <= lg.CurrentWeek || previous < lg.StartWeek);
      moveTo(previousScored ? 0 : previous, column_);
      break;
    }
    case Key::PageUp: moveTo(0, column_); break;
    case Key::PageDown: moveTo(lg.NumWeeks, column_); break;
    case Key::Home: moveTo(row_, 1); break;
    case Key::End: moveTo(row_, Slots()); break;
    case Key::Escape: editText_ = grid_[row_][column_]; break;
  }
}

void ScheduleSetup::commit() {
  if (row_ >= rowCount() || column_ < 1 || column_ >= columnCount()) return;
  if (row_ == 0)
    commitLaneNumber();
  else if (rowEditable(row_))
    commitSlot();
  editText_ = grid_[row_][column_];
}

void ScheduleSetup::commitLaneNumber() {
  double v = 0;
  if (ParseNumber(Trim(editText_), v)) {
    long n = std::lround(v);
    if (n >= kMinLaneNumber && n <= kMaxLaneNumber) laneNumbers_[column_] = static_cast<Integer>(n);
  }
  for (int s = 1; s <= Slots(); ++s) grid_[0][s] = std::to_string(laneNumbers_[s]);
}

void ScheduleSetup::commitSlot() {
  std::string& here = grid_[row_][column_];
  int team = 0;
  if (!SlotValue(editText_, team) || team < 0 ||
      (team > kPositionTeam && team < kTbdTeam && !SchedulableTeam(team))) {
    if (Trim(editText_) != Trim(here)) Beep();
    return;
  }
  std::string text = SlotText(team);
  if (text == here) return;
  // A team already in the week changes places with the cell's old contents, so that each team
  // stays once in the week.
  if (team > kPositionTeam && team < kTbdTeam) {
    auto& week = grid_[row_];
    for (int s = 1; s <= Slots(); ++s)
      if (s != column_ && week[s] == text) week[s] = here;
  }
  here = text;
}

void ScheduleSetup::save() {
  commit();
  BusyPointer busy;
  for (int s = 1; s <= Slots(); ++s) lg.LaneNumber[s] = laneNumbers_[s];
  lg.ScheduleEachWeek = False;
  for (int w = std::max<int>(lg.StartWeek, lg.CurrentWeek + 1); w <= lg.NumWeeks; ++w) {
    ReadWeekResults(w);
    for (int s = 1; s <= Slots(); ++s) {
      int team = kTbdTeam;
      SlotValue(grid_[w][s], team);
      lg.LaneTeam[s] = static_cast<Integer>(team);
      if (team == kTbdTeam) lg.ScheduleEachWeek = True;
    }
    WriteWeekResults(w);
  }
  // The lane numbers and the week count live in the configuration: keep it in step with the
  // weeks just written.
  SaveLeague();
  weeksChanged_ = false;
}

void ScheduleSetup::cancel() {
  // Weeks added, inserted or dropped are already in the season results file; the week count
  // must follow them there, or a later load would lose or misread weeks.
  if (weeksChanged_) SaveLeague();
  weeksChanged_ = false;
}

void ScheduleSetup::weeksChanged(bool changed) {
  if (changed) weeksChanged_ = true;
}

void ScheduleSetup::addWeek() {
  commit();
  weeksChanged(AddWeek(lg.NumWeeks + 1));
  fill();
}

void ScheduleSetup::insertPositionWeek() {
  commit();
  if (AskYesNo("Insert a position week after current week " + std::to_string(row_),
               "POSITION WEEK"))
    weeksChanged(InsertPositionWeek(row_));
  limitRow();
}

void ScheduleSetup::dropWeek() {
  commit();
  if (AskYesNo("Drop week " + std::to_string(row_) + " from the schedule", "DROP A WEEK"))
    weeksChanged(DropWeek(row_));
  limitRow();
}

void ScheduleSetup::referenceSchedule() {
  commit();
  std::string text = "Are you sure you want to replace the schedule from week " +
                     std::to_string(lg.CurrentWeek + 1) +
                     " to the end of the season with a standard reference schedule?";
  if (AskYesNo(text, "STANDARD REFERENCE SCHEDULE")) {
    SetUpSchedule();
    weeksChanged(true);
  }
  limitRow();
}

void ScheduleSetup::limitRow() {
  if (row_ > lg.NumWeeks) row_ = lg.NumWeeks;
  fill();
}

}  // namespace tallmark
