#include <gtest/gtest.h>

#include "league/LeagueData.h"
#include "processing/Rankings.h"

namespace tallmark {
namespace {

// Four teams of two players: team t's record is 3(t-1), its players 3(t-1)+1 and 3(t-1)+2.
// Substitutes are records 20 and 21.
class RankingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.PlayersPerTeam = 2;
    lg.LastTeam = 4;
    lg.NumTeams = 4;
    lg.GamesToQualify = 3;
    lg.SortByHandicapTotal = 0;
    for (int t = 1; t <= 4; ++t)
      for (int s = 0; s <= 2; ++s) lg.Roster[t][s] = static_cast<Integer>(3 * (t - 1) + s);
    lg.NumSubs = 2;
    lg.SubList[1] = 20;
    lg.SubList[2] = 21;
    for (int p = 0; p <= 21; ++p) {
      lg.PlayerStat[p][kGamesPlayed] = 9;
      lg.PlayerStat[p][kClassification] = 0;
    }
  }
  static Integer Team(int t) { return static_cast<Integer>(3 * (t - 1)); }
  static float& Stat(int p, int c) { return lg.PlayerStat[p][c]; }
};

TEST_F(RankingsTest, StandingsByPointsThenPinsThenTeamNumber) {
  Stat(Team(1), kMatchPointsWon) = 10;
  Stat(Team(2), kMatchPointsWon) = 12;
  Stat(Team(3), kMatchPointsWon) = 10;
  Stat(Team(4), kMatchPointsWon) = 10;
  Stat(Team(1), kTotalPins) = 3000;
  Stat(Team(3), kTotalPins) = 3100;  // more pins than team 1: placed before it
  Stat(Team(4), kTotalPins) = 3000;  // same pins as team 1: the lower number first
  OrderStandings();
  EXPECT_EQ(Stat(Team(2), kGroupOrStanding), 1);
  EXPECT_EQ(Stat(Team(3), kGroupOrStanding), 2);
  EXPECT_EQ(Stat(Team(1), kGroupOrStanding), 3);
  EXPECT_EQ(Stat(Team(4), kGroupOrStanding), 4);
}

TEST_F(RankingsTest, HandicapTotalsBreakTiesWhenChosen) {
  for (int t = 1; t <= 4; ++t) Stat(Team(t), kMatchPointsWon) = 5;
  Stat(Team(1), kTotalPins) = 3000;
  Stat(Team(2), kTotalPins) = 2900;
  Stat(Team(1), kTotalPinsHandicap) = 3100;
  Stat(Team(2), kTotalPinsHandicap) = 3300;
  lg.SortByHandicapTotal = -2;
  EXPECT_EQ(RankPlayers(kMatchPointsWon, 2, 0), 4);
  EXPECT_EQ(lg.RankIndex[1], Team(2));
  EXPECT_EQ(lg.RankIndex[2], Team(1));
  lg.SortByHandicapTotal = 0;
  RankPlayers(kMatchPointsWon, 2, 0);
  EXPECT_EQ(lg.RankIndex[1], Team(1));
  EXPECT_EQ(lg.RankIndex[2], Team(2));
  EXPECT_EQ(lg.RankIndex[3], Team(3));
  EXPECT_EQ(lg.RankValue[1], 5);
}

TEST_F(RankingsTest, PlayersNeedQualifyingGamesAndTheClass) {
  Stat(1, kCurrentAverage) = 150;
  Stat(2, kCurrentAverage) = 190;
  Stat(4, kCurrentAverage) = 170;
  Stat(2, kGamesPlayed) = 2;     // too few games
  Stat(5, kClassification) = 2;  // another class
  int n = RankPlayers(kCurrentAverage, 0, 0);
  EXPECT_EQ(n, 6);  // players 1, 4, 7, 8, 10, 11
  EXPECT_EQ(lg.RankIndex[1], 4);
  EXPECT_EQ(lg.RankIndex[2], 1);
  for (int i = 1; i <= n; ++i) {
    EXPECT_NE(lg.RankIndex[i], 2);
    EXPECT_NE(lg.RankIndex[i], 5);
  }
  EXPECT_EQ(RankPlayers(kCurrentAverage, 0, 2), 1);
  EXPECT_EQ(lg.RankIndex[1], 5);
}

TEST_F(RankingsTest, GroupsMatterOnlyWithSeparateAwards) {
  Stat(1, kGroupOrStanding) = 1;
  Stat(4, kGroupOrStanding) = 1;
  int all0 = RankPlayers(kTotalPins, 0, 0);
  int all1 = RankPlayers(kTotalPins, 1, 0);
  EXPECT_EQ(all0, 8);
  EXPECT_EQ(all1, 8);
  lg.SeparateGenderAwards = True;
  EXPECT_EQ(RankPlayers(kTotalPins, 1, 0), 2);
  EXPECT_EQ(lg.RankIndex[1], 1);
  EXPECT_EQ(lg.RankIndex[2], 4);
  EXPECT_EQ(RankPlayers(kTotalPins, 0, 0), 6);
}

TEST_F(RankingsTest, SubstitutesRankOnlyWhenTheyQualify) {
  Stat(21, kTotalPins) = 5000;
  EXPECT_EQ(RankPlayers(kTotalPins, 0, 0), 8);
  lg.SubsQualify = True;
  EXPECT_EQ(RankPlayers(kTotalPins, 0, 0), 10);
  EXPECT_EQ(lg.RankIndex[1], 21);
  EXPECT_EQ(lg.RankIndex[10], 20);  // ties keep the scan order: subs last
}

TEST_F(RankingsTest, SecondPassIsStableOverTheFirst) {
  // Same games played for everyone; pins decide, then scan order.
  Stat(1, kTotalPins) = 100;
  Stat(8, kTotalPins) = 300;
  Stat(4, kTotalPins) = 300;
  RankPlayers(kGamesPlayed, 0, 0);
  EXPECT_EQ(lg.RankIndex[1], 4);
  EXPECT_EQ(lg.RankIndex[2], 8);
  EXPECT_EQ(lg.RankIndex[3], 1);
  EXPECT_EQ(lg.RankIndex[4], 2);
}

TEST_F(RankingsTest, NoCandidateLeavesTheLastRanking) {
  RankPlayers(kTotalPins, 2, 0);
  auto before = lg.RankIndex;
  lg.GamesToQualify = 99;
  EXPECT_EQ(RankPlayers(kTotalPins, 0, 0), 0);
  EXPECT_EQ(lg.RankIndex, before);
  EXPECT_EQ(RankPlayers(40, 2, 0), 0);  // no such category
}

TEST_F(RankingsTest, TeamsOutOfUseAreSkipped) {
  lg.Roster[2][1] = lg.Roster[2][0];  // team 2 no longer in use
  EXPECT_FALSE(TeamInUse(2));
  EXPECT_TRUE(TeamInUse(3));
  EXPECT_FALSE(TeamInUse(0));
  EXPECT_FALSE(TeamInUse(101));
  EXPECT_EQ(RankPlayers(kTotalPins, 2, 0), 3);
  EXPECT_EQ(TeamColumn(1), 1);
  EXPECT_EQ(TeamColumn(3), 2);
  EXPECT_EQ(TeamColumn(4), 3);
  EXPECT_EQ(TeamColumn(200), 3);
}

TEST_F(RankingsTest, TeamOnTheWeeksSlots) {
  lg.NumLanes = 1;
  lg.LaneTeam[1] = 3;
  lg.LaneTeam[2] = 1;
  lg.LaneTeam[3] = 4;  // beyond the week's slots
  EXPECT_TRUE(TeamPlaysThisWeek(3));
  EXPECT_TRUE(TeamPlaysThisWeek(1));
  EXPECT_FALSE(TeamPlaysThisWeek(4));
}

TEST(Formatting, ColumnLetters) {
  EXPECT_EQ(ColumnLetter(1), "A");
  EXPECT_EQ(ColumnLetter(3), "C");
  EXPECT_EQ(ColumnLetter(26), "Z");
}

TEST(Formatting, RightAlignedNumbers) {
  EXPECT_EQ(RightAlign(12, 5), "   12");
  EXPECT_EQ(RightAlign(-3.5, 6), "  -3.5");
  EXPECT_EQ(RightAlign(0, 1), "0");
  EXPECT_EQ(RightAlign(123456, 3), "123456");  // never cut
}

}  // namespace
}  // namespace tallmark
