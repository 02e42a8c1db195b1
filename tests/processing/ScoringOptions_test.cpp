#include "processing/ScoringOptions.h"

#include <gtest/gtest.h>

#include "league/LeagueData.h"
#include "processing/ScoringCaptions.h"
#include "support/ScriptedUserIO.h"

namespace tallmark {
namespace {

using SO = ScoringOptions;

class ScoringOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.PlayersPerWeek = 4;
    lg.GamesForNewAverage = 3;
  }
  test::ScriptedUserIO io;
};

TEST_F(ScoringOptionsTest, GamesPerWeekIsCutToTwelveWithABeep) {
  SO options;
  EXPECT_EQ(options.enterPoint(SO::kGamesPerWeekBox, "15", 0), 12);
  EXPECT_EQ(io.beeps, 1);
  options.store();
  EXPECT_EQ(lg.GamesPerWeek, 12);
  EXPECT_EQ(io.beeps, 1);  // the value kept is in range: no second beep on OK
}

TEST_F(ScoringOptionsTest, StoredValuesBelowTheLowerLimitOpenAsDefaults) {
  lg.GamesPerWeek = 0;
  lg.GamesForNewAverage = 0;
  lg.TeamPointsGame = -4;
  lg.HighGamePoints = -1;
  lg.PercentHandicap = {-1, -1, -1};
  lg.VacancyScore = {-5, -5, -5};
  lg.ForfeitLess = {-5, 7, -5};
  lg.HandicapMethod = 0;  // individual: group 0 in use, group 1 only with different scoring
  SO options;
  EXPECT_EQ(options.point(SO::kGamesPerWeekBox), 3);
  EXPECT_EQ(options.point(SO::kNewAverageBox), 3);
  EXPECT_EQ(options.point(SO::kTeamGameBox), 1);
  EXPECT_EQ(options.point(SO::kHighGameBox), 0);
  EXPECT_EQ(options.group(SO::kPercentRow, 0), 80);
  EXPECT_EQ(options.group(SO::kPercentRow, 1), 0);  // column not in use: default times 0
  EXPECT_EQ(options.group(SO::kPercentRow, 2), 0);
  EXPECT_EQ(options.group(SO::kVacancyRow, 0), 120);
  EXPECT_EQ(options.group(SO::kForfeitRow, 0), 10);
  EXPECT_EQ(options.group(SO::kForfeitRow, 1), 7);  // a stored value in range is kept
}

TEST_F(ScoringOptionsTest, DefaultsNeverExceedTheSportsMaximum) {
  lg.GameParam[0] = 100;
  lg.VacancyScore[0] = -1;
  SO options;
  EXPECT_EQ(options.group(SO::kVacancyRow, 0), 100);
}

TEST_F(ScoringOptionsTest, RangeCheckOfTypedAndSpunValues) {
  lg.TeamPointsGame = 2;
  SO options;
  EXPECT_EQ(options.enterPoint(SO::kTeamGameBox, "12a", 0), 2);  // not a number: previous
  EXPECT_EQ(options.enterPoint(SO::kTeamGameBox, "", 0), 2);
  EXPECT_EQ(options.enterPoint(SO::kTeamGameBox, " 7 ", 1), 8);  // spin up from the text
  EXPECT_EQ(options.enterPoint(SO::kTeamGameBox, "0", -1), 0);   // below 0: cut, beep
  EXPECT_EQ(io.beeps, 1);
  EXPECT_EQ(options.enterPoint(SO::kTeamGameBox, "99", 1), 99);  // above 99: cut, beep
  EXPECT_EQ(io.beeps, 2);
  EXPECT_EQ(options.enterPoint(SO::kNewAverageBox, "0", 0), 1);  // lower limit 1
  EXPECT_EQ(io.beeps, 3);
}

TEST_F(ScoringOptionsTest, GroupLimitsScaleWithTheSportAndTheTeam) {
  lg.HandicapMethod = -1;  // team standard: only the team column of the handicap rows
  SO options;
  // team column: 300 pins x 4 players who bowl each week
  EXPECT_EQ(options.groupLimits(SO::kScratchRow, 2).maximum, 1200);
  EXPECT_EQ(options.enterGroup(SO::kScratchRow, 2, "1500", 0), 1200);
  EXPECT_EQ(io.beeps, 1);
  EXPECT_EQ(options.groupLimits(SO::kMaxHandicapRow, 2).maximum, 1200);
  EXPECT_EQ(options.groupLimits(SO::kPercentRow, 2).maximum, 100);
  EXPECT_EQ(options.groupLimits(SO::kScratchRow, 0).maximum, 0);  // player columns unused
  EXPECT_FALSE(options.groupInUse(SO::kScratchRow, 0));

  options.chooseMethod(SO::kIndividual);
  EXPECT_EQ(options.groupLimits(SO::kScratchRow, 0).maximum, 300);
  EXPECT_FALSE(options.groupInUse(SO::kScratchRow, 1));
  options.setSwitch(SO::kDifferentScoring, true);
  EXPECT_TRUE(options.groupInUse(SO::kScratchRow, 1));
  EXPECT_FALSE(options.groupInUse(SO::kScratchRow, 2));

  EXPECT_EQ(options.groupLimits(SO::kAbsenteeRow, 0).maximum, 300);
  options.setSwitch(SO::kAbsenteePercent, true);
  EXPECT_EQ(options.groupLimits(SO::kAbsenteeRow, 0).maximum, 100);
  EXPECT_EQ(options.groupLimits(SO::kVacancyRow, 1).maximum, 300);
}

TEST_F(ScoringOptionsTest, WithoutMatchPointsThePlayerPointsCopyTheTeamPoints) {
  lg.MatchPointsStanding = True;
  lg.PlayerPointsGame = 5;
  lg.PlayerPointsSeries = 6;
  SO options;
  EXPECT_TRUE(options.pointInUse(SO::kPlayerGameBox));
  options.enterPoint(SO::kTeamGameBox, "2", 0);
  options.enterPoint(SO::kTeamSeriesBox, "4", 0);
  options.setSwitch(SO::kMatchPointLeague, false);
  EXPECT_FALSE(options.pointInUse(SO::kPlayerSeriesBox));
  options.store();
  EXPECT_EQ(lg.MatchPointsStanding, 0);
  EXPECT_EQ(lg.PlayerPointsGame, 2);
  EXPECT_EQ(lg.PlayerPointsSeries, 4);
  EXPECT_EQ(lg.TeamPointsGame, 2);
  EXPECT_EQ(lg.TeamPointsSeries, 4);
}

TEST_F(ScoringOptionsTest, AMatchPointLeagueKeepsItsOwnPlayerPoints) {
  SO options;
  options.setSwitch(SO::kMatchPointLeague, true);
  options.enterPoint(SO::kPlayerGameBox, "3", 0);
  options.enterPoint(SO::kPlayerSeriesBox, "7", 0);
  options.enterPoint(SO::kTeamGameBox, "2", 0);
  options.store();
  EXPECT_EQ(lg.MatchPointsStanding, -1);
  EXPECT_EQ(lg.PlayerPointsGame, 3);
  EXPECT_EQ(lg.PlayerPointsSeries, 7);
  EXPECT_EQ(lg.TeamPointsGame, 2);
}

TEST_F(ScoringOptionsTest, ScratchLeagueZeroesTheHandicapSettingsOfAllGroups) {
  lg.ScratchBase = {200, 210, 900};
  lg.PercentHandicap = {90, 80, 70};
  lg.MaxHandicap = {60, 50, 400};
  lg.VacancyScore = {120, 130, 140};
  lg.AbsenteeLess = {10, 11, 12};
  lg.ForfeitLess = {5, 6, 7};
  lg.SeparateGenderScoring = True;
  SO options;
  options.chooseMethod(SO::kScratchLeague);
  options.store();
  EXPECT_EQ(lg.HandicapMethod, 1);
  for (int g = 0; g <= 2; ++g) {
    EXPECT_EQ(lg.ScratchBase[g], 0) << g;
    EXPECT_EQ(lg.PercentHandicap[g], 0) << g;
    EXPECT_EQ(lg.MaxHandicap[g], 0) << g;
  }
  // the substitute scores are kept
  EXPECT_EQ(lg.VacancyScore, (Arr<Integer, 2>{120, 130, 140}));
  EXPECT_EQ(lg.AbsenteeLess, (Arr<Integer, 2>{10, 11, 12}));
  EXPECT_EQ(lg.ForfeitLess, (Arr<Integer, 2>{5, 6, 7}));
}

TEST_F(ScoringOptionsTest, WithoutDifferentScoringTheSecondGroupCopiesTheFirst) {
  lg.ScratchBase = {200, 210, 900};
  lg.PercentHandicap = {90, 80, 70};
  lg.VacancyScore = {120, 130, 140};
  lg.SeparateGenderScoring = True;
  SO options;
  options.enterGroup(SO::kScratchRow, 0, "220", 0);
  options.setSwitch(SO::kDifferentScoring, false);
  options.store();
  EXPECT_EQ(lg.SeparateGenderScoring, 0);
  EXPECT_EQ(lg.ScratchBase, (Arr<Integer, 2>{220, 220, 900}));
  EXPECT_EQ(lg.PercentHandicap, (Arr<Integer, 2>{90, 90, 70}));
  EXPECT_EQ(lg.VacancyScore, (Arr<Integer, 2>{120, 120, 140}));
}

TEST_F(ScoringOptionsTest, NewAverageThresholdRaisesOnlyLowerRecalcGames) {
  lg.RecalcGames[0] = 0;
  lg.RecalcGames[1] = 5;
  lg.RecalcGames[2] = 9;
  lg.RecalcGames[3] = 12;
  lg.RecalcGames[2099] = 2;
  lg.RecalcGames[2100] = 2;  // the work record beyond the stored ones is left alone
  SO options;
  options.enterPoint(SO::kNewAverageBox, "9", 0);
  options.store();
  EXPECT_EQ(lg.GamesForNewAverage, 9);
  EXPECT_EQ(lg.RecalcGames[0], 9);
  EXPECT_EQ(lg.RecalcGames[1], 9);
  EXPECT_EQ(lg.RecalcGames[2], 9);
  EXPECT_EQ(lg.RecalcGames[3], 12);
  EXPECT_EQ(lg.RecalcGames[2099], 9);
  EXPECT_EQ(lg.RecalcGames[2100], 2);
}

TEST_F(ScoringOptionsTest, SwitchesStoreMinusTwoOrMinusOneWhenOnAndZeroWhenOff) {
  SO options;
  for (int box = 0; box < SO::kSwitches; ++box) options.setSwitch(box, true);
  options.store();
  EXPECT_EQ(lg.SortByHandicapTotal, -2);
  EXPECT_EQ(lg.MatchPointsStanding, -1);
  EXPECT_EQ(lg.UnearnedInTeamStats, -2);
  EXPECT_EQ(lg.SeparateGenderScoring, -1);
  EXPECT_EQ(lg.ForfeitRule, -1);
  EXPECT_EQ(lg.AbsenteeIsPercent, -1);
  EXPECT_EQ(lg.PlayerPointsToTeam, -1);

  SO reopened;
  for (int box = 0; box < SO::kSwitches; ++box) {
    EXPECT_TRUE(reopened.switchOn(box)) << box;
    reopened.setSwitch(box, false);
  }
  reopened.store();
  EXPECT_EQ(lg.SortByHandicapTotal, 0);
  EXPECT_EQ(lg.UnearnedInTeamStats, 0);
  EXPECT_EQ(lg.ForfeitRule, 0);
  EXPECT_EQ(lg.PlayerPointsToTeam, 0);
}

TEST_F(ScoringOptionsTest, HandicapMethodAndHighGameChoice) {
  lg.HandicapMethod = -2;
  lg.HighGameMode = 1;  // individual handicap
  SO options;
  EXPECT_EQ(options.method(), SO::kTeamDifference);
  EXPECT_FALSE(options.highGameTeam());
  EXPECT_TRUE(options.highGameHandicap());
  EXPECT_TRUE(io.shown.empty());  // the advice is not repeated for a stored choice

  options.chooseMethod(SO::kTeamStandard);
  options.setHighGameTeam(true);
  options.store();
  EXPECT_EQ(lg.HandicapMethod, -1);
  EXPECT_EQ(lg.HighGameMode, 3);

  lg.HandicapMethod = 7;  // unknown: shown as individual
  EXPECT_EQ(SO().method(), SO::kIndividual);
}

TEST_F(ScoringOptionsTest, ChoosingTheDifferenceMethodGivesItsAdvice) {
  SO options;
  options.chooseMethod(SO::kTeamDifference);
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].text,
            "You will need to use the OPPONENT button when entering scores to have the handicap "
            "computed correctly. See the help file for more information.");
  options.chooseMethod(SO::kTeamDifference);  // clicked again: no second message
  EXPECT_EQ(io.shown.size(), 1u);
}

TEST_F(ScoringOptionsTest, OutOfRangeStoredValuesAreCutOnOk) {
  lg.GamesPerWeek = 15;  // a damaged configuration file
  lg.HandicapMethod = 0;
  lg.PercentHandicap = {250, 80, 80};
  SO options;
  options.store();
  EXPECT_EQ(lg.GamesPerWeek, 12);
  EXPECT_EQ(lg.PercentHandicap[0], 100);
  EXPECT_EQ(io.beeps, 2);
}

TEST_F(ScoringOptionsTest, CancelLeavesTheLeagueUnchanged) {
  lg.RecalcGames[4] = 1;
  const LeagueData before = lg;
  {
    SO options;
    options.enterPoint(SO::kGamesPerWeekBox, "5", 0);
    options.enterPoint(SO::kNewAverageBox, "20", 0);
    options.enterGroup(SO::kScratchRow, 0, "250", 0);
    options.chooseMethod(SO::kScratchLeague);
    for (int box = 0; box < SO::kSwitches; ++box) options.setSwitch(box, !options.switchOn(box));
    options.setHighGameTeam(true);
  }  // dropped without store()
  EXPECT_EQ(lg.GamesPerWeek, before.GamesPerWeek);
  EXPECT_EQ(lg.GamesForNewAverage, before.GamesForNewAverage);
  EXPECT_EQ(lg.ScratchBase, before.ScratchBase);
  EXPECT_EQ(lg.HandicapMethod, before.HandicapMethod);
  EXPECT_EQ(lg.SortByHandicapTotal, before.SortByHandicapTotal);
  EXPECT_EQ(lg.ForfeitRule, before.ForfeitRule);
  EXPECT_EQ(lg.HighGameMode, before.HighGameMode);
  EXPECT_EQ(lg.RecalcGames, before.RecalcGames);
}

TEST_F(ScoringOptionsTest, CaptionsUseTheSportsTermsAndGroupLabels) {
  lg.SportTerm[2] = "Played";
  lg.SportTerm[4] = "Golfer";
  lg.SportTerm[6] = "Stroke";
  lg.SportTerm[8] = "Round";
  lg.GroupLabel = {"Junior", "Senior", "Team", "Individual"};
  SO options;
  EXPECT_EQ(PointCaption(0, options), "G&ames played in the round each week");
  EXPECT_EQ(PointCaption(2, options), "point(s) for winning the &round by golfer");
  EXPECT_EQ(PointCaption(5, options), "Ga&mes must be played to establish new average");
  EXPECT_EQ(PointCaption(6, options), "point(s) for h&igh individual scratch game in each week");
  options.setHighGameTeam(true);
  options.setHighGameHandicap(true);
  EXPECT_EQ(PointCaption(6, options), "point(s) for h&igh team handicap game in each week");
  EXPECT_EQ(SwitchCaption(2), "Cre&dit Team with Unearned Strokes");
  EXPECT_EQ(SwitchCaption(3), "Di&fferent Scoring: Junior/Senior");
  EXPECT_EQ(SwitchCaption(6), "Golfer Match Points Awarded to Team");
  EXPECT_EQ(GroupHeading(0), "JUNIOR");
  EXPECT_EQ(GroupHeading(2), "TEAM");
  EXPECT_EQ(GroupRowCaption(4, options),
            "&5. ABSENTEE SCORE: score used is average minus this number.");
  options.setSwitch(SO::kAbsenteePercent, true);
  EXPECT_EQ(GroupRowCaption(4, options),
            "&5. ABSENTEE SCORE: score used is average minus this percent.");
  EXPECT_EQ(PointTip(3).substr(PointTip(3).size() - 7), " (F1). ");
}

}  // namespace
}  // namespace tallmark
