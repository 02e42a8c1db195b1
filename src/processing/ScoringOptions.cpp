#include "processing/ScoringOptions.h"

#include <algorithm>

#include "processing/ScoringCaptions.h"
#include "common/Functs.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {
namespace {

using Limits = ScoringOptions::Limits;

constexpr std::array<Limits, ScoringOptions::kPointBoxes> kPointLimits = {{
    {1, kMaxGames}, {0, 99}, {0, 99}, {0, 99}, {0, 99}, {1, 99}, {0, 99}}};
constexpr std::array<Integer, ScoringOptions::kPointBoxes> kPointDefaults = {3, 1, 1, 1, 1, 3, 0};

// Defaults of the group settings for a stored value below 0, for a column in use.
constexpr std::array<Integer, ScoringOptions::kGroupRows> kGroupDefaults = {0, 80, 0, 120, 10, 10};

Integer* PointTarget(int box) {
  switch (box) {
    case ScoringOptions::kGamesPerWeekBox: return &lg.GamesPerWeek;
    case ScoringOptions::kPlayerGameBox: return &lg.PlayerPointsGame;
    case ScoringOptions::kPlayerSeriesBox: return &lg.PlayerPointsSeries;
    case ScoringOptions::kTeamGameBox: return &lg.TeamPointsGame;
    case ScoringOptions::kTeamSeriesBox: return &lg.TeamPointsSeries;
    case ScoringOptions::kNewAverageBox: return &lg.GamesForNewAverage;
    default: return &lg.HighGamePoints;
  }
}

Arr<Integer, 2>& GroupTarget(int row) {
  switch (row) {
    case ScoringOptions::kScratchRow: return lg.ScratchBase;
    case ScoringOptions::kPercentRow: return lg.PercentHandicap;
    case ScoringOptions::kMaxHandicapRow: return lg.MaxHandicap;
    case ScoringOptions::kVacancyRow: return lg.VacancyScore;
    case ScoringOptions::kAbsenteeRow: return lg.AbsenteeLess;
    default: return lg.ForfeitLess;
  }
}

Integer* SwitchTarget(int box) {
  switch (box) {
    case ScoringOptions::kSortByHandicap: return &lg.SortByHandicapTotal;
    case ScoringOptions::kMatchPointLeague: return &lg.MatchPointsStanding;
    case ScoringOptions::kCreditUnearned: return &lg.UnearnedInTeamStats;
    case ScoringOptions::kDifferentScoring: return &lg.SeparateGenderScoring;
    case ScoringOptions::kAutoWinForfeit: return &lg.ForfeitRule;
    case ScoringOptions::kAbsenteePercent: return &lg.AbsenteeIsPercent;
    default: return &lg.PlayerPointsToTeam;
  }
}

bool IsHandicapRow(int row) { return row <= ScoringOptions::kMaxHandicapRow; }

Integer ClampToInteger(long value) { return static_cast<Integer>(std::clamp(value, 0L, 32767L)); }

}  // namespace

ScoringOptions::ScoringOptions() {
  loadPoints();
  method_ = MethodChoiceOf(lg.HandicapMethod);
  highGameTeam_ = lg.HighGameMode >= 2;
  highGameHandicap_ = lg.HighGameMode % 2 != 0;
  loadSwitches();
  loadGroups();  // the columns in use follow the method and the switches
}

void ScoringOptions::loadPoints() {
  for (int box = 0; box < kPointBoxes; ++box) {
    const Integer stored = *PointTarget(box);
    points_[box] = stored < kPointLimits[box].minimum ? kPointDefaults[box] : stored;
  }
}

void ScoringOptions::loadSwitches() {
  for (int box = 0; box < kSwitches; ++box) switches_[box] = *SwitchTarget(box) != 0;
}

void ScoringOptions::loadGroups() {
  for (int row = 0; row < kGroupRows; ++row) {
    for (int g = 0; g < kGroups; ++g) {
      const Integer stored = GroupTarget(row)[g];
      groups_[row][g] = stored < 0 ? groupDefault(row, g) : stored;
    }
  }
}

Integer ScoringOptions::groupDefault(int row, int g) const {
  if (!groupInUse(row, g)) return 0;
  return std::min(kGroupDefaults[row], groupLimits(row, g).maximum);
}

ScoringOptions::Limits ScoringOptions::pointLimits(int box) const { return kPointLimits[box]; }

bool ScoringOptions::pointInUse(int box) const {
  if (box == kPlayerGameBox || box == kPlayerSeriesBox) return switches_[kMatchPointLeague];
  return true;
}

Integer ScoringOptions::enterPoint(int box, const std::string& text, Integer step) {
  const Limits limits = pointLimits(box);
  points_[box] = CheckRange(text, points_[box], limits.minimum, limits.maximum, step);
  return points_[box];
}

bool ScoringOptions::handicapColumnInUse(int g) const {
  switch (g) {
    case 0: return method_ == kIndividual;
    case 1: return method_ == kIndividual && switches_[kDifferentScoring];
    default: return method_ == kTeamStandard || method_ == kTeamDifference;
  }
}

bool ScoringOptions::groupInUse(int row, int g) const {
  if (IsHandicapRow(row)) return handicapColumnInUse(g);
  // Vacancy, absentee and forfeit scores stand in for one player, whose group is 0 or 1.
  if (g == 1) return switches_[kDifferentScoring];
  return g == 0;
}

ScoringOptions::Limits ScoringOptions::groupLimits(int row, int g) const {
  if (!groupInUse(row, g)) return {0, 0};
  const long maxScore = lg.GameParam[0];
  const long players = g == 2 ? std::max<long>(lg.PlayersPerWeek, 1) : 1;
  switch (row) {
    case kScratchRow:
    case kMaxHandicapRow: return {0, ClampToInteger(maxScore * players)};
    case kPercentRow: return {0, 100};
    case kAbsenteeRow: return {0, switches_[kAbsenteePercent] ? Integer{100} : ClampToInteger(maxScore)};
    default: return {0, ClampToInteger(maxScore)};
  }
}

Integer ScoringOptions::enterGroup(int row, int g, const std::string& text, Integer step) {
  const Limits limits = groupLimits(row, g);
  groups_[row][g] = CheckRange(text, groups_[row][g], limits.minimum, limits.maximum, step);
  return groups_[row][g];
}

void ScoringOptions::chooseMethod(int choice) {
  if (choice < 0 || choice >= kMethods) return;
  const bool changed = choice != method_;
  method_ = choice;
  if (changed && choice == kTeamDifference) MsgBox(DifferenceMethodMessage());
}

Integer ScoringOptions::MethodValue(int choice) {
  static constexpr std::array<Integer, kMethods> kValues = {1, 0, -1, -2};
  return kValues[choice];
}

int ScoringOptions::MethodChoiceOf(Integer handicapMethod) {
  for (int choice = 0; choice < kMethods; ++choice)
    if (MethodValue(choice) == handicapMethod) return choice;
  return kIndividual;
}

Integer ScoringOptions::SwitchValue(int box) {
  return box == kSortByHandicap || box == kCreditUnearned ? Integer{-2} : True;
}

void ScoringOptions::recheckBoxesInUse() {
  for (int box = 0; box < kPointBoxes; ++box)
    if (pointInUse(box)) enterPoint(box, NumberText(points_[box]), 0);
  for (int row = 0; row < kGroupRows; ++row)
    for (int g = 0; g < kGroups; ++g)
      if (groupInUse(row, g)) enterGroup(row, g, NumberText(groups_[row][g]), 0);
}

void ScoringOptions::store() {
  recheckBoxesInUse();
  storePoints();
  raiseRecalcGames();
  lg.HandicapMethod = MethodValue(method_);
  storeSwitches();
  storeGroups();
}

void ScoringOptions::storePoints() const {
  for (int box = kGamesPerWeekBox; box <= kTeamSeriesBox; ++box) *PointTarget(box) = points_[box];
  if (!switches_[kMatchPointLeague]) {
    lg.PlayerPointsGame = lg.TeamPointsGame;
    lg.PlayerPointsSeries = lg.TeamPointsSeries;
  }
  lg.GamesForNewAverage = points_[kNewAverageBox];
  lg.HighGamePoints = points_[kHighGameBox];
  lg.HighGameMode = static_cast<Integer>((highGameTeam_ ? 2 : 0) + (highGameHandicap_ ? 1 : 0));
}

void ScoringOptions::raiseRecalcGames() const {
  for (int p = 0; p < kMaxPlayerRecords; ++p)
    lg.RecalcGames[p] = std::max(lg.RecalcGames[p], lg.GamesForNewAverage);
}

void ScoringOptions::storeSwitches() const {
  for (int box = 0; box < kSwitches; ++box)
    *SwitchTarget(box) = switches_[box] ? SwitchValue(box) : False;
}

void ScoringOptions::storeGroups() {
  if (!switches_[kDifferentScoring])
    for (int row = 0; row < kGroupRows; ++row) groups_[row][1] = groups_[row][0];
  const bool scratchLeague = lg.HandicapMethod == 1;
  for (int row = 0; row < kGroupRows; ++row)
    for (int g = 0; g < kGroups; ++g)
      GroupTarget(row)[g] = scratchLeague && IsHandicapRow(row) ? Integer{0} : groups_[row][g];
}

}  // namespace tallmark
