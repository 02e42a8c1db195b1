// Setting the award options, the customized awards and the class limits by name.
#include <map>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "setup/AwardOptions.h"
#include "setup/ClassificationSetup.h"
#include "setup/CustomAwards.h"
#include "setup/OptionSetParts.h"

namespace tallmark::options {

namespace {

using AO = AwardOptions;

const std::map<std::string, int>& AwardSwitches() {
  static const std::map<std::string, int> switches = {
      {"SeparateGenderAwards", AO::kSeparateGroups}, {"SubsQualify", AO::kSubsQualify},
      {"AdjustHandicapAwards", AO::kAdjustHandicap}};
  return switches;
}

std::string SetBox(AO& a, int box, const OptionName& n, const std::string& value) {
  auto v = WholeNumber(value);
  if (!v || *v < a.minimum(box) || *v > a.maximum(box))
    return RangeRefusal(n, a.minimum(box), a.maximum(box));
  a.enter(box, std::to_string(*v), 0);
  return {};
}

std::string SetStandardAward(AO& a, const OptionName& n, const std::string& value) {
  const int j = n.index[0];
  if (j >= 0 && j <= 2) return SetBox(a, AO::kGameOver + j, n, value);
  auto f = Flag(value);
  if (!f) return FlagRefusal(n);
  a.setSwitch(AO::kCustomize, *f);
  return {};
}

std::string SetAward(AO& a, const OptionName& n, const std::string& value) {
  if (n.base == "TopAwardsListed") return SetBox(a, AO::kTopAwards, n, value);
  if (n.base == "GamesToQualify") return SetBox(a, AO::kGamesToQualify, n, value);
  if (n.base == "CustomAward") return SetStandardAward(a, n, value);
  if (n.base == "GroupLabel") {
    std::string problem = AO::NameProblem(value);
    if (!problem.empty()) return n.full + ": " + problem;
    a.setGroupName(n.index[0], value);
    return {};
  }
  auto f = Flag(value);
  if (!f) return FlagRefusal(n);
  a.setSwitch(AwardSwitches().at(n.base), *f);
  return {};
}

bool IsAwardName(const OptionName& n) {
  if (n.base == "CustomAward") return n.index.size() == 2 && n.index[1] == 0 && n.index[0] >= 0 &&
                                      n.index[0] <= 3;
  if (n.base == "GroupLabel") return n.index.size() == 1 && (n.index[0] == 0 || n.index[0] == 1);
  return n.index.empty() && (n.base == "TopAwardsListed" || n.base == "GamesToQualify" ||
                             AwardSwitches().count(n.base) > 0);
}

std::string SetCustomAward(const OptionName& n, const std::string& value) {
  const int j = n.index[0], r = n.index[1];
  CustomAwards c;
  auto v = WholeNumber(value);
  if (j == 0) {
    if (!v || *v < 0 || *v > 2) return n.full + " takes 0 (game), 1 (series) or 2 (none)";
    c.setKind(r, static_cast<int>(*v));
  } else {
    if (c.row(r).kind == CustomAwards::kNone)
      return n.full + ": award " + std::to_string(r) + " is not defined (set CustomAward(0," +
             std::to_string(r) + ") first)";
    if (!v || *v < c.minimum(r, j) || *v > c.maximum(r, j))
      return RangeRefusal(n, c.minimum(r, j), c.maximum(r, j));
    c.enter(r, j, std::to_string(*v), 0);
  }
  c.store();
  return {};
}

}  // namespace

bool SetAwardOption(const OptionName& n, const std::string& value, OptionOutcome& out) {
  if (n.base == "NumCustomAwards") {
    out.refusal = "NumCustomAwards follows from the awards defined";
    return true;
  }
  if (IsAwardName(n)) {
    AO a;
    a.setSwitch(AO::kCustomize, lg.CustomAward[3][0] != 0);  // an option of its own here
    out.refusal = SetAward(a, n, value);
    if (out.refusal.empty()) {
      a.store();
      if (a.switchOn(AO::kAdjustHandicap) && lg.AdjustHandicapAwards == False)
        out.note = "AdjustHandicapAwards stays off: GamesToQualify must exceed GamesPerWeek";
    }
    return true;
  }
  if (n.base != "CustomAward") return false;
  if (n.index.size() != 2 || n.index[0] < 0 || n.index[0] > 3 || n.index[1] < 1 ||
      n.index[1] > CustomAwards::kRows)
    out.refusal = "CustomAward takes (element 0 to 3, award 0 to 20)";
  else
    out.refusal = SetCustomAward(n, value);
  return true;
}

bool SetClassOption(const OptionName& n, const std::string& value, OptionOutcome& out) {
  if (n.base == "NumClasses") {
    out.refusal = "NumClasses follows from the class limits";
    return true;
  }
  if (n.base != "ClassLimit") return false;
  if (n.index.size() != 1 || n.index[0] < 0 || n.index[0] >= ClassificationSetup::kBoxes) {
    out.refusal = "ClassLimit takes a class index from 0 to 11";
    return true;
  }
  const int k = n.index[0];
  ClassificationSetup c;
  auto v = WholeNumber(value);
  if (!c.enabled(k))
    out.refusal = n.full + " cannot be set while ClassLimit(" + std::to_string(k - 1) +
                  ") is below 2";
  else if (!v || *v < 0 || *v > lg.GameParam[0])
    out.refusal = RangeRefusal(n, 0, lg.GameParam[0]);
  if (!out.refusal.empty()) return true;
  c.enter(k, std::to_string(*v), 0);
  c.storeLimits();
  out.reclassify = true;
  return true;
}

}  // namespace tallmark::options
