#include <gtest/gtest.h>

#include <limits>

#include "league/LeagueData.h"
#include "processing/Averages.h"

namespace tallmark {
namespace {

class AveragesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    for (int g = 0; g <= 2; ++g) {
      lg.ScratchBase[g] = 200;
      lg.PercentHandicap[g] = 90;
      lg.MaxHandicap[g] = 60;
    }
  }
};

TEST_F(AveragesTest, HandicapFollowsBasePercentAndMaximum) {
  // 200 - 156 = 44; 44 x 90 / 100 = 39.6, cut down to 39.
  EXPECT_EQ(HandicapFor(156, 0), 39);
  // 200 - 150 = 50; 50 x 90 / 100 = 45 exactly.
  EXPECT_EQ(HandicapFor(150, 1), 45);
  // 200 - 100 = 100; 90 is above the maximum 60.
  EXPECT_EQ(HandicapFor(100, 2), 60);
  // At and above the scratch score there is no handicap.
  EXPECT_EQ(HandicapFor(200, 0), 0);
  EXPECT_EQ(HandicapFor(240, 0), 0);
}

TEST_F(AveragesTest, HandicapUsesItsGroupsSettings) {
  lg.ScratchBase[1] = 220;
  lg.PercentHandicap[1] = 100;
  lg.MaxHandicap[1] = 100;
  // Group 1: (220 - 156) x 100 % = 64; group 0 unchanged at 39.
  EXPECT_EQ(HandicapFor(156, 1), 64);
  EXPECT_EQ(HandicapFor(156, 0), 39);
  // 85 % of 7 = 5.95, whole handicap 5; 80 % of 5 = 4 exactly.
  lg.PercentHandicap[0] = 85;
  EXPECT_EQ(HandicapFor(193, 0), 5);
  lg.PercentHandicap[0] = 80;
  EXPECT_EQ(HandicapFor(195, 0), 4);
}

TEST_F(AveragesTest, ScratchLeagueHasNoHandicaps) {
  for (int g = 0; g <= 2; ++g) lg.ScratchBase[g] = lg.PercentHandicap[g] = lg.MaxHandicap[g] = 0;
  EXPECT_EQ(HandicapFor(120, 0), 0);
  EXPECT_EQ(HandicapFor(0, 2), 0);
}

TEST_F(AveragesTest, PercentImprovedIsNeverNegative) {
  // (165 - 150) x 100 / 150 = 10.0
  EXPECT_FLOAT_EQ(PercentImproved(150, 165), 10.0f);
  // (160 - 150) x 100 / 150 = 6.666..., rounded up at one decimal: 6.7
  EXPECT_FLOAT_EQ(PercentImproved(150, 160), 6.7f);
  // (4 - 3) x 100 / 3 = 33.33..., 33.3
  EXPECT_FLOAT_EQ(PercentImproved(3, 4), 33.3f);
  EXPECT_EQ(PercentImproved(150, 140), 0);
  EXPECT_EQ(PercentImproved(150, 150), 0);
  EXPECT_EQ(PercentImproved(0, 150), 0);
}

TEST_F(AveragesTest, RoundAverageCutsOrRoundsAtTheDecimals) {
  lg.GameParam[2] = 1;
  lg.GameParam[3] = True;
  EXPECT_FLOAT_EQ(RoundAverage(164.25f), 164.3f);
  lg.GameParam[3] = False;
  EXPECT_FLOAT_EQ(RoundAverage(164.25f), 164.2f);
  lg.GameParam[2] = 0;
  EXPECT_FLOAT_EQ(RoundAverage(179.99f), 179.0f);
  lg.GameParam[3] = True;
  EXPECT_FLOAT_EQ(RoundAverage(179.99f), 180.0f);
  lg.GameParam[3] = False;
  EXPECT_FLOAT_EQ(RoundAverage(150.5f), 150.0f);
  EXPECT_EQ(RoundHalfEven(150.5), 150);
  EXPECT_EQ(RoundHalfEven(151.5), 152);
}

TEST_F(AveragesTest, PlayerKeepsStartingAverageUntilEnoughGames) {
  const int p = 5;
  lg.PlayerStat[p][kStartingAverage] = 150;
  lg.PlayerStat[p][kTotalPins] = 400;  // 2 games of 200
  lg.PlayerStat[p][kGamesPlayed] = 2;
  lg.RecalcGames[p] = 3;
  UpdatePlayerAverage(1, p, 0, 0);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentAverage], 150);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentHandicap], 45);  // (200 - 150) x 90 %
  EXPECT_EQ(lg.PlayerStat[p][kPercentImproved], 0);
}

TEST_F(AveragesTest, PlayerAverageFollowsOwnTotal) {
  const int p = 5;
  lg.PlayerStat[p][kStartingAverage] = 150;
  lg.PlayerStat[p][kTotalPins] = 1407;  // 9 games: 156.33, kept as 156 (0 decimals, cut)
  lg.PlayerStat[p][kGamesPlayed] = 9;
  lg.RecalcGames[p] = 3;
  UpdatePlayerAverage(1, p, 0, 0);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentAverage], 156);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentHandicap], 39);
  // (156 - 150) x 100 / 150 = 4.0
  EXPECT_FLOAT_EQ(lg.PlayerStat[p][kPercentImproved], 4.0f);
  // Two decimals, cut: 156.33; the handicap uses Int(156.33) = 156.
  lg.GameParam[2] = 2;
  UpdatePlayerAverage(1, p, 0, 0);
  EXPECT_FLOAT_EQ(lg.PlayerStat[p][kCurrentAverage], 156.33f);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentHandicap], 39);
}

TEST_F(AveragesTest, SecondGroupUsesItsOwnHandicap) {
  const int p = 6;
  lg.ScratchBase[1] = 220;
  lg.PlayerStat[p][kGroupOrStanding] = 1;
  lg.PlayerStat[p][kStartingAverage] = 160;
  UpdatePlayerAverage(1, p, 0, 0);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentHandicap], 54);  // (220 - 160) x 90 %
}

TEST_F(AveragesTest, TeamRecordHandicapByMethod) {
  lg.Roster[1][0] = 0;
  lg.Roster[1][1] = 1;
  auto& team = lg.PlayerStat[0];
  team[kCurrentHandicap] = 17;
  lg.HandicapMethod = -2;
  UpdatePlayerAverage(1, 0, 90, 450);
  EXPECT_EQ(team[kCurrentHandicap], 0);
  lg.HandicapMethod = -1;
  lg.ScratchBase[2] = 600;
  UpdatePlayerAverage(1, 0, 90, 450);
  EXPECT_EQ(team[kCurrentHandicap], 60);  // (600 - 450) x 90 % = 135, maximum 60
  lg.MaxHandicap[2] = 200;
  UpdatePlayerAverage(1, 0, 90, 450);
  EXPECT_EQ(team[kCurrentHandicap], 135);
  lg.HandicapMethod = 0;
  UpdatePlayerAverage(1, 0, 90, 450);
  EXPECT_EQ(team[kCurrentHandicap], 90);
  lg.HandicapMethod = 1;
  UpdatePlayerAverage(1, 0, 90, 450);
  EXPECT_EQ(team[kCurrentHandicap], 0);
  team[kCurrentHandicap] = 17;
  lg.HandicapMethod = 4;  // an unknown method leaves the handicap alone
  UpdatePlayerAverage(1, 0, 90, 450);
  EXPECT_EQ(team[kCurrentHandicap], 17);
}

TEST_F(AveragesTest, TeamFromRosterRoundsEveryRunningSum) {
  lg.PlayersPerTeam = 3;
  lg.PlayersPerWeek = 2;
  lg.Roster[1][0] = 10;
  float starts[] = {150.4f, 160.6f, 170.5f};
  float avgs[] = {155.5f, 140.5f, 171.0f};
  float hcps[] = {40.5f, 53.5f, 26.0f};
  for (int i = 0; i < 3; ++i) {
    lg.Roster[1][i + 1] = static_cast<Integer>(11 + i);
    lg.PlayerStat[11 + i][kStartingAverage] = starts[i];
    lg.PlayerStat[11 + i][kCurrentAverage] = avgs[i];
    lg.PlayerStat[11 + i][kCurrentHandicap] = hcps[i];
  }
  // Starting: 150.4 -> 150; 150 + 160.6 = 310.6 -> 311; 311 + 170.5 = 481.5 -> 482 (even).
  // Current: 155.5 -> 156 (even); 156 + 140.5 = 296.5 -> 296; 296 + 171 = 467.
  // Handicaps: 40.5 -> 40; 40 + 53.5 = 93.5 -> 94; 94 + 26 = 120.
  lg.HandicapMethod = 0;
  UpdateTeamFromRoster(1);
  auto& team = lg.PlayerStat[10];
  EXPECT_EQ(team[kStartingAverage], 160);  // Int(482 / 3)
  EXPECT_EQ(team[kCurrentAverage], 155);   // Int(467 / 3) = Int(155.67)
  EXPECT_EQ(team[kCurrentHandicap], 80);   // 2 x 120 / 3
  EXPECT_EQ(team[kPercentImproved], 0);    // 467 is below 482
  // Team standard method: whole number nearest 2 x 467 / 3 = 311.33 -> 311;
  // (400 - 311) x 90 % = 80.1 -> 80.
  lg.HandicapMethod = -1;
  lg.ScratchBase[2] = 400;
  lg.MaxHandicap[2] = 100;
  UpdateTeamFromRoster(1);
  EXPECT_EQ(team[kCurrentHandicap], 80);
  lg.ScratchBase[2] = 420;  // (420 - 311) x 90 % = 98.1 -> 98
  UpdateTeamFromRoster(1);
  EXPECT_EQ(team[kCurrentHandicap], 98);
}

TEST_F(AveragesTest, TeamFromRosterKeepsFractionalIndividualHandicap) {
  lg.PlayersPerTeam = 3;
  lg.PlayersPerWeek = 2;
  lg.HandicapMethod = 0;
  lg.Roster[1][0] = 10;
  for (int i = 0; i < 3; ++i) lg.Roster[1][i + 1] = static_cast<Integer>(11 + i);
  lg.PlayerStat[11][kCurrentHandicap] = 10;
  lg.PlayerStat[12][kCurrentHandicap] = 10;
  lg.PlayerStat[13][kCurrentHandicap] = 11;
  lg.PlayerStat[11][kStartingAverage] = 100;
  lg.PlayerStat[11][kCurrentAverage] = 110;
  UpdateTeamFromRoster(1);
  EXPECT_FLOAT_EQ(lg.PlayerStat[10][kCurrentHandicap], 2.0f * 31 / 3);  // 20.67, unrounded
  EXPECT_FLOAT_EQ(lg.PlayerStat[10][kPercentImproved], 10.0f);           // 100 -> 110
}

TEST_F(AveragesTest, ClassesByLimits) {
  lg.NumClasses = 3;
  lg.ClassLimit[0] = 300;
  lg.ClassLimit[1] = 180;
  lg.ClassLimit[2] = 150;
  auto cls = [](float avg) {
    lg.PlayerStat[7][kCurrentAverage] = avg;
    return ClassifyAverage(7);
  };
  EXPECT_EQ(cls(140), 3);
  EXPECT_EQ(cls(150), 3);
  EXPECT_EQ(cls(150.5f), 2);
  EXPECT_EQ(cls(180), 2);
  EXPECT_EQ(cls(181), 1);
  EXPECT_EQ(cls(320), 1);  // above every limit
  lg.NumClasses = 1;
  EXPECT_EQ(cls(140), 1);
}

TEST_F(AveragesTest, SubstituteScores) {
  const int p = 3;
  lg.VacancyScore = {120, 130, 0};
  lg.AbsenteeLess = {10, 20, 0};
  lg.ForfeitLess = {10, 15, 0};
  lg.PlayerStat[p][kCurrentAverage] = 152;
  EXPECT_EQ(VacancyGameScore(p), 120);
  EXPECT_EQ(AbsentGameScore(p), 142);  // 152 - 10
  lg.AbsenteeIsPercent = True;
  EXPECT_EQ(AbsentGameScore(p), 137);  // Int(0.9 x 152 + 0.5) = Int(137.3)
  lg.PlayerStat[p][kGroupOrStanding] = 1;
  EXPECT_EQ(VacancyGameScore(p), 130);
  EXPECT_EQ(AbsentGameScore(p), 122);  // Int(0.8 x 152 + 0.5) = Int(122.1)
  lg.AbsenteeIsPercent = False;
  EXPECT_EQ(AbsentGameScore(p), 132);
  lg.PlayerStat[p][kCurrentAverage] = 160.6f;
  EXPECT_EQ(ForfeitGameScore(p), 146);  // nearest to 160.6 - 15 = 145.6
  // A group outside 0..1 counts as the first group.
  lg.PlayerStat[p][kGroupOrStanding] = 7;
  EXPECT_EQ(PlayerGroup(p), 0);
  EXPECT_EQ(ForfeitGameScore(p), 151);  // nearest to 150.6
}

TEST_F(AveragesTest, SubstituteScoreIsNeverNegative) {
  const int p = 3;
  lg.AbsenteeLess = {30, 30, 0};
  lg.ForfeitLess = {30, 30, 0};
  lg.PlayerStat[p][kCurrentAverage] = 12;
  EXPECT_EQ(AbsentGameScore(p), 0);
  EXPECT_EQ(ForfeitGameScore(p), 0);
  lg.AbsenteeIsPercent = True;
  lg.AbsenteeLess[0] = 150;
  EXPECT_EQ(AbsentGameScore(p), 0);
}

TEST_F(AveragesTest, EnteringAverageFromFirstWeek) {
  const int p = 4;
  lg.GamesPerWeek = 3;
  lg.AvgAfterWeek1[p] = True;
  Integer rowHandicap = -1;
  // 152 + 148 + 161 = 461; Int(461 / 3) = 153; (200 - 153) x 90 % = 42.3 -> 42.
  EXPECT_TRUE(ApplyEnteringAverage(p, kRegular, 461, rowHandicap));
  EXPECT_EQ(lg.PlayerStat[p][kStartingAverage], 153);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentAverage], 153);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentHandicap], 42);
  EXPECT_EQ(rowHandicap, 42);
}

TEST_F(AveragesTest, EnteringAverageOnlyWhenItApplies) {
  const int p = 4;
  lg.AvgAfterWeek1[p] = True;
  lg.PlayerStat[p][kStartingAverage] = 140;
  Integer rowHandicap = 7;
  EXPECT_FALSE(ApplyEnteringAverage(p, kVacancy, 461, rowHandicap));
  EXPECT_FALSE(ApplyEnteringAverage(p, kRegular, 0, rowHandicap));
  lg.PlayerStat[p][kGamesPlayed] = 3;
  EXPECT_FALSE(ApplyEnteringAverage(p, kSub, 461, rowHandicap));
  lg.PlayerStat[p][kGamesPlayed] = 0;
  lg.AvgAfterWeek1[p] = False;
  EXPECT_FALSE(ApplyEnteringAverage(p, kRegular, 461, rowHandicap));
  EXPECT_EQ(lg.PlayerStat[p][kStartingAverage], 140);
  EXPECT_EQ(rowHandicap, 7);
}

TEST_F(AveragesTest, DamagedStatisticsDoNotBreakTheArithmetic) {
  const int p = 9;
  lg.PlayerStat[p][kStartingAverage] = std::numeric_limits<float>::quiet_NaN();
  lg.PlayerStat[p][kGamesPlayed] = -4;
  UpdatePlayerAverage(1, p, 0, 0);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentAverage], 0);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentHandicap], 60);
  EXPECT_EQ(HandicapFor(-30000, 0), 60);
  EXPECT_EQ(ClassifyAverage(-1), 1);
}

}  // namespace
}  // namespace tallmark
