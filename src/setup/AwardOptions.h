// The award options as the top awards window edits them: the number of top awards listed, the
// games that qualify a player, the three standard award thresholds, the two category names and
// four switches. Nothing reaches the league until store() (the window's OK).
#pragma once

#include <array>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

class AwardOptions {
 public:
  static constexpr int kBoxes = 5;
  enum Box : int { kTopAwards = 0, kGamesToQualify = 1, kGameOver = 2, kSeriesOver = 3,
                   kSeriesOver2 = 4 };
  enum Switch : int { kCustomize = 0, kSubsQualify = 1, kSeparateGroups = 2,
                      kAdjustHandicap = 3 };
  static constexpr int kSwitches = 4;
  static constexpr std::size_t kNameLength = 6;

  AwardOptions();

  Integer value(int box) const { return values_[box]; }
  Integer minimum(int box) const;
  Integer maximum(int box) const;
  // " (1 to 300)".
  std::string rangeText(int box) const;
  // The text read after the box's value, in the sport's words.
  static std::string Explanation(int box);
  // The common range check of a box (step 0 on leaving it, +1 or -1 from its spin button).
  Integer enter(int box, const std::string& text, Integer step);

  bool switchOn(int s) const { return switches_[s]; }
  void setSwitch(int s, bool on) { switches_[s] = on; }
  // "S&eparate awards for males and females", from the category names.
  std::string separateCaption() const;
  static std::string SwitchCaption(int s);

  const std::string& groupName(int g) const { return names_[g]; }
  void setGroupName(int g, const std::string& name) { names_[g] = name; }

  // Why a category name cannot be stored (empty when it can).
  static std::string NameProblem(const std::string& name);

  // The window's OK. Refuses (false, with a message) a category name that is empty or longer
  // than six characters; otherwise the values go into the league.
  bool store();

 private:
  std::array<Integer, kBoxes> values_{};
  std::array<bool, kSwitches> switches_{};
  std::array<std::string, 2> names_;
};

// The "C&ustomized Special Awards" entry of the Setup menu is open exactly when customized awards
// are switched on.
bool CustomAwardsOn();

}  // namespace tallmark
