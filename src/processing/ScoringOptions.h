// The league scoring options as the scoring options window edits them: working copies of the
// point and game settings, the per-group handicap and substitute-score settings, the handicap
// method, the high game choice and the seven switches. Nothing reaches the league until store()
// (the window's OK); dropping the object is the window's Cancel.
#pragma once

#include <array>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

class ScoringOptions {
 public:
  static constexpr int kPointBoxes = 7;
  static constexpr int kGroupRows = 6;
  static constexpr int kGroups = 3;  // the two player groups and the team
  static constexpr int kMethods = 4;
  static constexpr int kSwitches = 7;

  // The point and game boxes.
  enum PointBox : int {
    kGamesPerWeekBox = 0,
    kPlayerGameBox = 1,
    kPlayerSeriesBox = 2,
    kTeamGameBox = 3,
    kTeamSeriesBox = 4,
    kNewAverageBox = 5,
    kHighGameBox = 6,
  };
  // Rows of the group settings.
  enum GroupRow : int {
    kScratchRow = 0,
    kPercentRow = 1,
    kMaxHandicapRow = 2,
    kVacancyRow = 3,
    kAbsenteeRow = 4,
    kForfeitRow = 5,
  };
  // The handicap method buttons, in the order shown.
  enum MethodChoice : int {
    kScratchLeague = 0,
    kIndividual = 1,
    kTeamStandard = 2,
    kTeamDifference = 3,
  };
  // The switches.
  enum Switch : int {
    kSortByHandicap = 0,
    kMatchPointLeague = 1,
    kCreditUnearned = 2,
    kDifferentScoring = 3,
    kAutoWinForfeit = 4,
    kAbsenteePercent = 5,
    kPointsToTeam = 6,
  };

  struct Limits {
    Integer minimum;
    Integer maximum;
  };

  // Copies the league's stored values; a value below its lower limit opens as its default.
  ScoringOptions();

  Integer point(int box) const { return points_[box]; }
  Limits pointLimits(int box) const;
  // The player point boxes only count in a match point league; otherwise OK copies the team
  // values over them.
  bool pointInUse(int box) const;
  // The common range check of a box (step 0 on leaving it, +1 or -1 from its spin button);
  // keeps and returns the value the box takes.
  Integer enterPoint(int box, const std::string& text, Integer step);

  Integer group(int row, int g) const { return groups_[row][g]; }
  Limits groupLimits(int row, int g) const;
  bool groupInUse(int row, int g) const;
  Integer enterGroup(int row, int g, const std::string& text, Integer step);

  int method() const { return method_; }
  // The user picks a handicap method; the difference method brings up its advice.
  void chooseMethod(int choice);

  bool highGameTeam() const { return highGameTeam_; }
  bool highGameHandicap() const { return highGameHandicap_; }
  void setHighGameTeam(bool team) { highGameTeam_ = team; }
  void setHighGameHandicap(bool handicap) { highGameHandicap_ = handicap; }

  bool switchOn(int box) const { return switches_[box]; }
  void setSwitch(int box, bool on) { switches_[box] = on; }

  // The window's OK: every box in use is checked once more against its limits, then the
  // values are written into the league.
  void store();

  // HandicapMethod for a method button and back (an unknown stored method shows as Individual).
  static Integer MethodValue(int choice);
  static int MethodChoiceOf(Integer handicapMethod);
  // What a checked switch stores (-2 for the two that enter arithmetic, -1 for the others).
  static Integer SwitchValue(int box);

 private:
  void loadPoints();
  void loadGroups();
  void loadSwitches();
  void recheckBoxesInUse();
  void storePoints() const;
  void raiseRecalcGames() const;
  void storeSwitches() const;
  void storeGroups();
  bool handicapColumnInUse(int g) const;
  Integer groupDefault(int row, int g) const;

  std::array<Integer, kPointBoxes> points_{};
  std::array<std::array<Integer, kGroups>, kGroupRows> groups_{};
  int method_ = kIndividual;
  bool highGameTeam_ = false;
  bool highGameHandicap_ = false;
  std::array<bool, kSwitches> switches_{};
};

}  // namespace tallmark
