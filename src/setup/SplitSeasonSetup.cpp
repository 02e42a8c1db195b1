#include "setup/SplitSeasonSetup.h"

#include <algorithm>
#include <cstdlib>

#include "league/WeekFiles.h"
#include "common/Functs.h"
#include "processing/RangeChecks.h"

namespace tallmark {

namespace {

constexpr Integer kUnusedSplit = 53;

}  // namespace

SplitSeasonSetup::SplitSeasonSetup() {
  start_[0] = minimum_[0] = 1;
  const int none = lg.NumWeeks + 1;
  for (int k = 1; k <= kSplits; ++k) {
    const int week = std::abs(lg.SplitWeek[k]);
    start_[k] = static_cast<Integer>(week == kUnusedSplit ? none : std::clamp(week, 1, none));
    resetStats_[k] = lg.SplitWeek[k] < 0;
    resetClasses_[k] = lg.ClassResetAtSession[k] != 0;
  }
  mode_ = std::clamp<int>(lg.StatResetMode, 0, 2);
  recompute();
}

std::string SplitSeasonSetup::WeekLabel() {
  return "Week " + std::to_string(lg.CurrentWeek) + " of " + std::to_string(lg.NumWeeks) +
         " -- Session " + std::to_string(lg.CurrentSession);
}

std::string SplitSeasonSetup::PositionWeeksLabel() {
  std::string weeks;
  for (int w = 1; w <= lg.NumWeeks; ++w) {
    ReadWeekResults(w);
    if (lg.LaneTeam[1] == kPositionTeam) weeks += " " + std::to_string(w);
  }
  ReadWeekResults(lg.CurrentWeek);
  return "Position Weeks: " + (weeks.empty() ? std::string("None") : weeks);
}

// The lowest start week split k may have: after the session before it, and, for a session still
// to come, after the weeks already processed (a start week that has passed would never start it).
Integer SplitSeasonSetup::earliest(int k) const {
  int low = start_[k - 1] + 1;
  if (k >= lg.CurrentSession) low = std::max(low, lg.CurrentWeek + 1);
  return static_cast<Integer>(low);
}

void SplitSeasonSetup::recompute() {
  const int none = lg.NumWeeks + 1;
  sessions_ = 1;
  for (int k = 1; k <= kSplits; ++k) {
    minimum_[k] = earliest(k);
    while (start_[k] < none && start_[k] < minimum_[k]) ++start_[k];
    if (start_[k] < none) ++sessions_;
    editable_[k] = minimum_[k] <= lg.NumWeeks && k >= lg.CurrentSession;
    if (k > sessions_) resetStats_[k] = resetClasses_[k] = false;
  }
}

Integer SplitSeasonSetup::enterWeek(int k, const std::string& text, Integer step) {
  if (k < 1 || k > kSplits || !editable_[k]) return k >= 0 && k <= kSplits ? start_[k] : 0;
  start_[k] = CheckRange(text, start_[k], minimum_[k], maximum(), step);
  recompute();
  return start_[k];
}

void SplitSeasonSetup::setResetStats(int k, bool on) {
  if (k >= 1 && k <= kSplits && editable_[k]) resetStats_[k] = on;
}

void SplitSeasonSetup::setResetClasses(int k, bool on) {
  if (k >= 1 && k <= kSplits && editable_[k]) resetClasses_[k] = on;
}

void SplitSeasonSetup::setResetMode(int mode) {
  if (modeEnabled() && mode >= 0 && mode <= 2) mode_ = mode;
}

void SplitSeasonSetup::store() {
  recompute();
  lg.NumSessions = static_cast<Integer>(sessions_);
  lg.SplitWeek[0] = -1;
  for (int k = 1; k <= kSplits; ++k) {
    if (k < sessions_)
      lg.SplitWeek[k] = static_cast<Integer>(resetStats_[k] ? -start_[k] : start_[k]);
    else
      lg.SplitWeek[k] = kUnusedSplit;
    lg.ClassResetAtSession[k] = resetClasses_[k] ? 1 : 0;
  }
  lg.StatResetMode = static_cast<Integer>(mode_);
}

}  // namespace tallmark
