#include <gtest/gtest.h>

#include "ProcessingLeague.h"
#include "processing/Awards.h"

namespace tallmark {
namespace {

using test::ProcessingLeague;

// One team of one player, "Player 11" (record 1), team record 0.
class AwardsTest : public ::testing::Test {
 protected:
  ProcessingLeague league{2, 1, 3};
  std::vector<std::string> Lines() { return league.AwardLines(); }
};

TEST_F(AwardsTest, OnlyTheHighestOverAverageStep) {
  // 255 - Int(145.9) = 110: the 100 step only. 225 - 145 = 80: the 75 step.
  CheckGameAwards(1, 0, 255, 145.9f, 4);
  CheckGameAwards(1, 0, 225, 145.9f, 5);
  CheckGameAwards(1, 0, 219, 145.9f, 5);  // 74 over: nothing but the 200 count
  std::vector<std::string> expected = {
      "Player 11 bowled a 255 game in week 4.",
      "Player 11 bowled 255 (100 over avg.) in week 4.",
      "Player 11 bowled a 225 game in week 5.",
      "Player 11 bowled 225 (75 over avg.) in week 5.",
      "Player 11 bowled a 219 game in week 5.",
  };
  EXPECT_EQ(Lines(), expected);
  EXPECT_EQ(lg.PlayerStat[1][kScratchGamesOver], 3);
  EXPECT_EQ(lg.PlayerStat[0][kScratchGamesOver], 3);
}

TEST_F(AwardsTest, EqualOverAverageStepsAreTestedOnce) {
  lg.SportAward[0] = lg.SportAward[1] = 80;
  lg.CustomAward[0][0] = 400;  // no count line
  CheckGameAwards(1, 0, 240, 150, 1);
  CheckGameAwards(1, 0, 220, 150, 1);
  std::vector<std::string> expected = {"Player 11 bowled 240 (80 over avg.) in week 1."};
  EXPECT_EQ(Lines(), expected);
}

TEST_F(AwardsTest, HighGameAndCustomGameAwards) {
  lg.CustomAward[0][0] = 400;
  lg.NumCustomAwards = 2;
  // Award 1: a game of 200..300 by a player averaging at most 150; award 2: a series.
  lg.CustomAward[0][1] = 0, lg.CustomAward[1][1] = 150, lg.CustomAward[2][1] = 200,
  lg.CustomAward[3][1] = 300;
  lg.CustomAward[0][2] = 1, lg.CustomAward[1][2] = 150, lg.CustomAward[2][2] = 200,
  lg.CustomAward[3][2] = 300;
  CheckGameAwards(1, 0, 210, 140, 2);
  CheckGameAwards(1, 0, 210, 151, 2);
  CheckGameAwards(1, 0, 280, 190, 2);
  std::vector<std::string> expected = {
      "Player 11 with a 140 average bowled 210 in week 2.",
      "Player 11 bowled 280 (75 over avg.) in week 2.",  // 280 - 190 = 90
      "Player 11 bowled a 280 game in week 2.",
  };
  EXPECT_EQ(Lines(), expected);
}

TEST_F(AwardsTest, SeriesLinesAndCounts) {
  // 620 with thresholds 500 and 600: both counts and two equal lines.
  // 620 - 3 x 160 = 140 over: at least 125.
  Integer games[] = {200, 210, 210};
  CheckSeriesAwards(1, 0, games, 620, 160, 3);
  std::vector<std::string> expected = {
      "Player 11 bowled 140 over series avg. in week 3.",
      "Player 11 bowled a 620 series in week 3.",
      "Player 11 bowled a 620 series in week 3.",
  };
  EXPECT_EQ(Lines(), expected);
  EXPECT_EQ(lg.PlayerStat[1][kScratchSeriesOver], 1);
  EXPECT_EQ(lg.PlayerStat[1][kScratchSeriesOver2], 1);
  EXPECT_EQ(lg.PlayerStat[0][kScratchSeriesOver2], 1);
}

TEST_F(AwardsTest, NearPerfectSeriesAndTriple) {
  lg.CustomAward[1][0] = lg.CustomAward[2][0] = 900;
  Integer high[] = {290, 290, 290};  // 870 >= 800: one line, and a triple
  CheckSeriesAwards(1, 0, high, 870, 280, 6);
  Integer seven[] = {240, 230, 250};  // 720 >= 700
  CheckSeriesAwards(1, 0, seven, 720, 280, 6);
  std::vector<std::string> expected = {
      "Player 11 earned a Triple Score Award in week 6.",
      "Player 11 bowled a 870 series in week 6.",
      "Player 11 bowled a 720 series in week 6.",
  };
  EXPECT_EQ(Lines(), expected);
}

TEST_F(AwardsTest, NoTripleWithFourGames) {
  lg.GamesPerWeek = 4;
  lg.CustomAward[1][0] = lg.CustomAward[2][0] = 900;
  Integer games[] = {150, 150, 150, 150};
  CheckSeriesAwards(1, 0, games, 600, 150, 1);
  EXPECT_TRUE(Lines().empty());
}

// A triple with one game marked incomplete earns nothing: the series is not complete.
TEST_F(AwardsTest, NoTripleWithAnIncompleteGame) {
  ProcessingLeague::SetStartingAverages({150, 150});
  ProcessingLeague::Pair(1, {1, 2});
  league.Row(1, 1, 1, {150, 150, 150}, kRegular, 0b100);
  league.Row(1, 2, 1, {160, 160, 160});
  ASSERT_TRUE(ProcessingLeague::Process(1));
  // Player 21's 160s are 10 over 150, the week's best.
  std::vector<std::string> expected = {
      "Player 21 earned a Triple Score Award in week 1.",
      "Player 21 bowled highest pins (10) over average in week 1.",
  };
  EXPECT_EQ(Lines(), expected);
}

TEST_F(AwardsTest, SportTermsShapeTheLines) {
  lg.SportTerm[2] = "Rolled";
  lg.SportTerm[6] = "Point";
  lg.SportTerm[8] = "Set";
  lg.CustomAward[2][0] = 900;
  Integer games[] = {200, 170, 150};
  CheckSeriesAwards(1, 0, games, 520, 150, 2);
  LogWeekBestAward(1, 87, 2);
  std::vector<std::string> expected = {
      "Player 11 rolled a 520 set in week 2.",
      "Player 11 rolled highest points (87) over average in week 2.",
  };
  EXPECT_EQ(Lines(), expected);
}

TEST_F(AwardsTest, PopupsOffStillLogs) {
  lg.AwardPopups = False;
  LogAward("Player 11 bowled a 300 game", 9);
  EXPECT_EQ(Lines(), std::vector<std::string>{"Player 11 bowled a 300 game in week 9."});
  EXPECT_FALSE(league.io.sawTitle("CONGRATULATIONS"));
  lg.AwardPopups = True;
  LogAward("Player 11 bowled a 299 game", 9);
  EXPECT_TRUE(league.io.sawTitle("CONGRATULATIONS"));
  EXPECT_EQ(Lines().size(), 2u);
}

TEST(SessionOfWeek, SplitWeeks) {
  InitLeagueData();
  EXPECT_EQ(SessionOfWeek(20), 1);
  lg.NumSessions = 3;
  lg.SplitWeek[1] = -10;
  lg.SplitWeek[2] = 20;
  EXPECT_EQ(SessionOfWeek(9), 1);
  EXPECT_EQ(SessionOfWeek(10), 2);
  EXPECT_EQ(SessionOfWeek(19), 2);
  EXPECT_EQ(SessionOfWeek(20), 3);
}

}  // namespace
}  // namespace tallmark
