// The split season settings as the split season window edits them: the week at which each of
// sessions 2 to 12 starts, whether statistics and classifications are reset there, and what a
// statistics reset covers. Nothing reaches the league until store() (the window's save).
#pragma once

#include <array>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

class SplitSeasonSetup {
 public:
  static constexpr int kSplits = 11;  // splits 1..11 start sessions 2..12

  // Copies the league's split settings and recomputes the sessions.
  SplitSeasonSetup();

  // "Week n of m -- Session s".
  static std::string WeekLabel();
  // "Position Weeks: " and every week whose first lane slot is a position slot, or "None".
  // Reads the season results file; the current week is read back afterwards.
  static std::string PositionWeeksLabel();

  // The start week of split k (1..11); NumWeeks + 1 means the session is not used.
  Integer startWeek(int k) const { return start_[k]; }
  Integer minimum(int k) const { return minimum_[k]; }
  Integer maximum() const { return static_cast<Integer>(lg.NumWeeks + 1); }
  // Split k can be changed: its session lies ahead and a week is left for it.
  bool editable(int k) const { return editable_[k]; }
  bool resetStats(int k) const { return resetStats_[k]; }
  bool resetClasses(int k) const { return resetClasses_[k]; }
  int resetMode() const { return mode_; }
  int sessions() const { return sessions_; }
  bool modeEnabled() const { return sessions_ >= 2; }
  std::string sessionsLabel() const { return "Sessions: " + std::to_string(sessions_); }

  // The common range check of a start week box (step 0 on leaving it, +1 or -1 from its spin
  // button), then the sessions are recomputed. Returns the week the box shows.
  Integer enterWeek(int k, const std::string& text, Integer step);
  void setResetStats(int k, bool on);
  void setResetClasses(int k, bool on);
  void setResetMode(int mode);

  // Raises start weeks so that they increase strictly, counts the sessions, and decides which
  // splits can be edited.
  void recompute();

  // The window's save: the settings go into the league.
  void store();

 private:
  Integer earliest(int k) const;

  std::array<Integer, kSplits + 1> start_{};
  std::array<Integer, kSplits + 1> minimum_{};
  std::array<bool, kSplits + 1> editable_{};
  std::array<bool, kSplits + 1> resetStats_{};
  std::array<bool, kSplits + 1> resetClasses_{};
  int mode_ = 0;
  int sessions_ = 1;
};

}  // namespace tallmark
