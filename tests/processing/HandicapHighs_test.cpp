#include <gtest/gtest.h>

#include "ProcessingLeague.h"
#include "league/StatsFile.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"

namespace tallmark {
namespace {

using test::ProcessingLeague;

// Player 11 (record 1) starts at 200, handicap 0, and needs 6 games to qualify.
// Week 1 (record handicap 0): 150 160 170 = 480; highs with handicap 170 and 480.
// Week 2 (record handicap 32, from the average 160): 120 120 120 = 360; 152 and 456 are lower.
// After 6 games: 840 / 6 = 140, handicap (200 - 140) x .8 = 48. Week 1's games are counted
// again with 48: 170 + 48 = 218 and 480 + 3 x 48 = 624.
TEST(HandicapHighs, RaisedOnceThePlayerQualifies) {
  ProcessingLeague league(2, 1, 3);
  lg.AdjustHandicapAwards = True;
  lg.GamesToQualify = 6;
  ProcessingLeague::SetStartingAverages({200, 150});
  ProcessingLeague::Pair(1, {1, 2});
  league.Row(1, 1, 1, {150, 160, 170});
  league.Row(1, 2, 1, {150, 150, 150});
  ASSERT_TRUE(ProcessingLeague::Process(1));
  EXPECT_EQ(lg.PlayerStat[1][kCurrentHandicap], 32);
  EXPECT_EQ(lg.PlayerStat[1][kHighHandicapGame], 170);
  ProcessingLeague::Pair(2, {1, 2});
  league.Row(2, 1, 1, {120, 120, 120});
  league.Row(2, 2, 1, {150, 150, 150});
  ASSERT_TRUE(ProcessingLeague::Process(2));
  EXPECT_EQ(lg.PlayerStat[1][kCurrentHandicap], 48);
  EXPECT_EQ(lg.PlayerStat[1][kHighHandicapGame], 218);
  EXPECT_EQ(lg.PlayerStat[1][kHighHandicapSeries], 624);
  // The statistics of the session were stored with the raise.
  lg.PlayerStat[1][kHighHandicapGame] = 0;
  ASSERT_TRUE(ReadStats(1));
  EXPECT_EQ(lg.PlayerStat[1][kHighHandicapGame], 218);
}

// A position round before any standings exist pairs the teams by number.
TEST(PositionRound, WithoutStandingsPairsByTeamNumber) {
  ProcessingLeague league(4, 1, 3);
  lg.NumLanes = 2;
  for (int t = 1; t <= 4; ++t) lg.PlayerStat[lg.Roster[t][0]][kGroupOrStanding] = 0;
  EXPECT_TRUE(PairByStandings());
  EXPECT_EQ(lg.LaneTeam[1], 1);
  EXPECT_EQ(lg.LaneTeam[2], 2);
  EXPECT_EQ(lg.LaneTeam[3], 3);
  EXPECT_EQ(lg.LaneTeam[4], 4);
  // Stored places put team 4 first against team 2.
  float places[] = {3, 2, 4, 1};
  for (int t = 1; t <= 4; ++t) lg.PlayerStat[lg.Roster[t][0]][kGroupOrStanding] = places[t - 1];
  EXPECT_TRUE(PairByStandings());
  EXPECT_EQ(lg.LaneTeam[1], 4);
  EXPECT_EQ(lg.LaneTeam[2], 2);
  EXPECT_EQ(lg.LaneTeam[3], 1);
  EXPECT_EQ(lg.LaneTeam[4], 3);
}

}  // namespace
}  // namespace tallmark
