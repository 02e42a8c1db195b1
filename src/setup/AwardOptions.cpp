#include "setup/AwardOptions.h"

#include <algorithm>

#include "common/Text.h"
#include "common/Functs.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

Integer* Target(int box) {
  switch (box) {
    case AwardOptions::kTopAwards: return &lg.TopAwardsListed;
    case AwardOptions::kGamesToQualify: return &lg.GamesToQualify;
    default: return &lg.CustomAward[box - AwardOptions::kGameOver][0];
  }
}

Integer* SwitchTarget(int s) {
  switch (s) {
    case AwardOptions::kCustomize: return &lg.CustomAward[3][0];
    case AwardOptions::kSubsQualify: return &lg.SubsQualify;
    case AwardOptions::kSeparateGroups: return &lg.SeparateGenderAwards;
    default: return &lg.AdjustHandicapAwards;
  }
}

std::string Cleaned(const std::string& text) {
  std::string t = Trim(text);
  ReplaceChar(t, '"', '_');
  return t;
}

}  // namespace

bool CustomAwardsOn() { return lg.CustomAward[3][0] != 0; }

AwardOptions::AwardOptions() {
  for (int box = 0; box < kBoxes; ++box)
    values_[box] = std::clamp(*Target(box), minimum(box), maximum(box));
  for (int s = 0; s < kSwitches; ++s) switches_[s] = *SwitchTarget(s) != 0;
  switches_[kCustomize] = lg.NumCustomAwards != 0;
  names_ = {TrimRight(lg.GroupLabel[0]), TrimRight(lg.GroupLabel[1])};
}

Integer AwardOptions::minimum(int) const { return 1; }

Integer AwardOptions::maximum(int box) const {
  const int game = std::max<int>(lg.GameParam[0], 1);
  switch (box) {
    case kTopAwards: return static_cast<Integer>(std::max<int>(lg.NumTeams, 1));
    case kGamesToQualify:
    case kGameOver: return static_cast<Integer>(game);
    default: return static_cast<Integer>(std::min(game * std::max<int>(lg.GamesPerWeek, 1), 32767));
  }
}

std::string AwardOptions::rangeText(int box) const {
  return " (" + std::to_string(minimum(box)) + " to " + std::to_string(maximum(box)) + ")";
}

std::string AwardOptions::Explanation(int box) {
  const std::string player = Lower(lg.SportTerm[4]);
  switch (box) {
    case kTopAwards: return "top awards in each category will be listed on standing sheet";
    case kGamesToQualify:
      return "or more games must be " + Lower(lg.SportTerm[2]) + " to qualify for an award";
    case kGameOver: return "or more scratch game statistics will be tracked for each " + player;
    default:
      return "or more scratch " + Lower(lg.SportTerm[8]) +
             " statistics will be tracked for each " + player;
  }
}

Integer AwardOptions::enter(int box, const std::string& text, Integer step) {
  values_[box] = CheckRange(text, values_[box], minimum(box), maximum(box), step);
  return values_[box];
}

std::string AwardOptions::SwitchCaption(int s) {
  switch (s) {
    case kCustomize: return "&Customize special awards";
    case kSubsQualify: return "S&ubs can qualify for awards";
    case kSeparateGroups: return "S&eparate awards for males and females";
    default: return "&Recalc individual handicap awards after min games played";
  }
}

std::string AwardOptions::separateCaption() const {
  return "S&eparate awards for " + Lower(names_[1]) + "s and " + Lower(names_[0]) + "s";
}

std::string AwardOptions::NameProblem(const std::string& name) {
  const std::string t = Trim(name);
  if (t.empty()) return "A category name cannot be empty.";
  if (t.size() > kNameLength)
    return "The category name \"" + t + "\" is longer than six characters.";
  return {};
}

bool AwardOptions::store() {
  for (const std::string& name : names_) {
    const std::string problem = NameProblem(name);
    if (!problem.empty()) {
      MsgBox(problem + " Enter a singular category name of up to six characters.", {},
             MsgIcon::Exclamation);
      return false;
    }
  }
  for (int box = 0; box < kBoxes; ++box)
    *Target(box) = CheckRange(std::to_string(values_[box]), values_[box], minimum(box),
                              maximum(box), 0);
  lg.SeparateGenderAwards = switches_[kSeparateGroups] ? True : False;
  lg.SubsQualify = switches_[kSubsQualify] ? True : False;
  lg.GroupLabel[0] = Cleaned(names_[0]);
  lg.GroupLabel[1] = Cleaned(names_[1]);
  lg.CustomAward[3][0] = switches_[kCustomize] ? True : False;
  lg.AdjustHandicapAwards =
      switches_[kAdjustHandicap] && lg.GamesToQualify > lg.GamesPerWeek ? True : False;
  return true;
}

}  // namespace tallmark
