// Setting the scoring options and the split season by name.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "league/LeagueData.h"
#include "processing/ScoringOptions.h"
#include "setup/OptionSetParts.h"
#include "setup/SplitSeasonSetup.h"

namespace tallmark::options {

namespace {

using SO = ScoringOptions;

const std::map<std::string, int>& PointBoxes() {
  static const std::map<std::string, int> boxes = {
      {"GamesPerWeek", SO::kGamesPerWeekBox},   {"PlayerPointsGame", SO::kPlayerGameBox},
      {"PlayerPointsSeries", SO::kPlayerSeriesBox}, {"TeamPointsGame", SO::kTeamGameBox},
      {"TeamPointsSeries", SO::kTeamSeriesBox}, {"GamesForNewAverage", SO::kNewAverageBox},
      {"HighGamePoints", SO::kHighGameBox}};
  return boxes;
}

const std::map<std::string, int>& GroupRows() {
  static const std::map<std::string, int> rows = {
      {"ScratchBase", SO::kScratchRow},   {"PercentHandicap", SO::kPercentRow},
      {"MaxHandicap", SO::kMaxHandicapRow}, {"VacancyScore", SO::kVacancyRow},
      {"AbsenteeLess", SO::kAbsenteeRow}, {"ForfeitLess", SO::kForfeitRow}};
  return rows;
}

const std::map<std::string, int>& Switches() {
  static const std::map<std::string, int> switches = {
      {"SortByHandicapTotal", SO::kSortByHandicap}, {"MatchPointsStanding", SO::kMatchPointLeague},
      {"UnearnedInTeamStats", SO::kCreditUnearned},
      {"SeparateGenderScoring", SO::kDifferentScoring}, {"ForfeitRule", SO::kAutoWinForfeit},
      {"AbsenteeIsPercent", SO::kAbsenteePercent}, {"PlayerPointsToTeam", SO::kPointsToTeam}};
  return switches;
}

std::string SetPoint(SO& o, const OptionName& n, int box, const std::string& value) {
  const SO::Limits lim = o.pointLimits(box);
  auto v = WholeNumber(value);
  if (!n.index.empty() || !v || *v < lim.minimum || *v > lim.maximum)
    return RangeRefusal(n, lim.minimum, lim.maximum);
  if (!o.pointInUse(box))
    return n.full + " follows the team's points unless MatchPointsStanding is on";
  o.enterPoint(box, std::to_string(*v), 0);
  return {};
}

std::string SetGroup(SO& o, const OptionName& n, int row, const std::string& value) {
  if (n.index.size() != 1 || n.index[0] < 0 || n.index[0] > 2)
    return n.base + " takes a group index: (0), (1) or (2) for the team";
  const int g = n.index[0];
  if (!o.groupInUse(row, g)) return n.full + " is not used with the league's handicap method";
  const SO::Limits lim = o.groupLimits(row, g);
  auto v = WholeNumber(value);
  if (!v || *v < lim.minimum || *v > lim.maximum) return RangeRefusal(n, lim.minimum, lim.maximum);
  o.enterGroup(row, g, std::to_string(*v), 0);
  return {};
}

std::string SetChoice(SO& o, const OptionName& n, const std::string& value) {
  auto v = WholeNumber(value);
  if (n.base == "HighGameMode") {
    if (!v || *v < 0 || *v > 3) return RangeRefusal(n, 0, 3);
    o.setHighGameTeam(*v >= 2);
    o.setHighGameHandicap(*v % 2 != 0);
    return {};
  }
  if (!v || *v < -2 || *v > 1)
    return n.full + " takes 1 (scratch league), 0 (individual), -1 (team, standard method) or "
                    "-2 (team, difference method)";
  o.chooseMethod(SO::MethodChoiceOf(static_cast<Integer>(*v)));
  return {};
}

}  // namespace

bool SetScoringOption(const OptionName& n, const std::string& value, OptionOutcome& out) {
  const bool point = PointBoxes().count(n.base) > 0;
  const bool group = GroupRows().count(n.base) > 0;
  const bool sw = Switches().count(n.base) > 0;
  const bool choice = n.base == "HighGameMode" || n.base == "HandicapMethod";
  if (!point && !group && !sw && !choice) return false;
  if ((point || sw || choice) && !n.index.empty()) return false;
  SO o;
  if (point) out.refusal = SetPoint(o, n, PointBoxes().at(n.base), value);
  if (group) out.refusal = SetGroup(o, n, GroupRows().at(n.base), value);
  if (choice) out.refusal = SetChoice(o, n, value);
  if (sw) {
    auto f = Flag(value);
    if (f) o.setSwitch(Switches().at(n.base), *f);
    else out.refusal = FlagRefusal(n);
  }
  if (out.refusal.empty()) o.store();
  return true;
}

namespace {

std::string SetSplitWeek(SplitSeasonSetup& s, int k, const OptionName& n, const std::string& value) {
  const int none = lg.NumWeeks + 1;
  const int low = std::max(2, lg.CurrentWeek + 1);
  auto v = WholeNumber(value);
  const long week = !v ? 0 : *v == 53 || *v == -53 ? none : std::labs(*v);
  if (!v || week < low || week > none)
    return n.full + " takes a week from " + std::to_string(low) + " to " + std::to_string(none) +
           " (" + std::to_string(none) + " or 53: no such session), negative to reset the "
           "statistics there";
  s.enterWeek(k, std::to_string(week), 0);
  s.setResetStats(k, *v < 0 && week < none);
  return {};
}

std::string SplitLocked(const SplitSeasonSetup& s, int k, const OptionName& n) {
  if (s.editable(k)) return {};
  if (k < lg.CurrentSession) return n.full + " cannot be changed: session " +
                                    std::to_string(k + 1) + " has started";
  return n.full + " cannot be changed: no week is left for session " + std::to_string(k + 1);
}

}  // namespace

bool SetSplitOption(const OptionName& n, const std::string& value, OptionOutcome& out) {
  if (n.base == "NumSessions" || n.base == "CurrentSession") {
    out.refusal = n.full + " follows from the split weeks and the weeks processed";
    return true;
  }
  const bool week = n.base == "SplitWeek", classes = n.base == "ClassResetAtSession";
  if (n.base == "StatResetMode" && n.index.empty()) {
    SplitSeasonSetup s;
    auto v = WholeNumber(value);
    if (!v || *v < 0 || *v > 2) out.refusal = RangeRefusal(n, 0, 2);
    else if (!s.modeEnabled()) out.refusal = n.full + " needs at least two sessions";
    else s.setResetMode(static_cast<int>(*v)), s.store();
    return true;
  }
  if (!week && !classes) return false;
  if (n.index.size() != 1 || n.index[0] < 1 || n.index[0] > SplitSeasonSetup::kSplits) {
    out.refusal = n.base + " takes a split number from 1 to 11";
    return true;
  }
  const int k = n.index[0];
  SplitSeasonSetup s;
  out.refusal = SplitLocked(s, k, n);
  if (out.refusal.empty() && week) out.refusal = SetSplitWeek(s, k, n, value);
  if (out.refusal.empty() && classes) {
    auto f = Flag(value);
    if (!f) out.refusal = FlagRefusal(n);
    else if (s.startWeek(k) > lg.NumWeeks) out.refusal = "split " + std::to_string(k) + " is not used";
    else s.setResetClasses(k, *f);
  }
  if (out.refusal.empty()) s.store();
  return true;
}

}  // namespace tallmark::options
