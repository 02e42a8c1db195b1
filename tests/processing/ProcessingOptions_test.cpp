// Two teams of two over three games, under each handicap method and scoring option.
// Players: team 1 = records 1 (average 150, handicap 40) and 2 (170, 24); team 2 = records
// 4 (160, 32) and 5 (180, 16). Scratch score 200, 80 %, maximum 80.
#include <gtest/gtest.h>

#include "ProcessingLeague.h"
#include "league/WeekFiles.h"

namespace tallmark {
namespace {

using test::ProcessingLeague;

class ProcessingOptionsTest : public ::testing::Test {
 protected:
  ProcessingLeague league{2, 2, 3};
  static float& S(int p, int c) { return lg.PlayerStat[p][c]; }

  void Start() {
    ProcessingLeague::SetStartingAverages({150, 170, 160, 180});
    ProcessingLeague::Pair(1, {1, 2});
  }
  // Team 1: 320 320 320 = 960 scratch; team 2: 330 350 380 = 1060 scratch.
  void Bowl() {
    league.Row(1, 1, 1, {150, 150, 150});
    league.Row(1, 1, 2, {170, 170, 170});
    league.Row(1, 2, 1, {150, 170, 180});
    league.Row(1, 2, 2, {180, 180, 200});
  }
  static void ExpectTeams(float won1, float won2, float atStake) {
    EXPECT_FLOAT_EQ(S(0, kMatchPointsWon), won1);
    EXPECT_FLOAT_EQ(S(0, kMatchPointsLost), atStake - won1);
    EXPECT_FLOAT_EQ(S(3, kMatchPointsWon), won2);
    EXPECT_FLOAT_EQ(S(3, kMatchPointsLost), atStake - won2);
  }
};

// Team standard method, team scratch score 400, 90 %, maximum 200:
// team 1 averages 150 + 170 = 320 -> (400 - 320) x .9 = 72; team 2 340 -> 54.
// Team 1 392 392 392 = 1176; team 2 384 404 434 = 1222: game 1 to team 1, the rest to team 2.
TEST_F(ProcessingOptionsTest, TeamHandicapStandardMethod) {
  lg.HandicapMethod = -1;
  lg.ScratchBase[2] = 400;
  lg.PercentHandicap[2] = 90;
  lg.MaxHandicap[2] = 200;
  Start();
  Bowl();
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(1, 3, 4);
  ReadWeekResults(1);
  EXPECT_EQ(lg.TeamHandicapWeek[1], 72);
  EXPECT_EQ(lg.TeamHandicapWeek[2], 54);
  EXPECT_EQ(S(0, kTotalPinsHandicap), 960 + 3 * 72);
  EXPECT_EQ(S(0, kHighHandicapSeries), 1176);
  // After the week: team 2 averages 500/3 -> 166 and 560/3 -> 186, 352 -> 48 x .9 = 43.2 -> 43.
  EXPECT_EQ(S(0, kCurrentHandicap), 72);
  EXPECT_EQ(S(3, kCurrentHandicap), 43);
}

// Difference method: the week's entered handicaps (0 and 30) stand. Team 2 360 380 410.
TEST_F(ProcessingOptionsTest, TeamHandicapDifferenceMethod) {
  lg.HandicapMethod = -2;
  ProcessingLeague::SetStartingAverages({150, 170, 160, 180});
  lg.TeamHandicapWeek[1] = 0;
  lg.TeamHandicapWeek[2] = 30;
  ProcessingLeague::Pair(1, {1, 2});
  Bowl();
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(0, 4, 4);
  ReadWeekResults(1);
  EXPECT_EQ(lg.TeamHandicapWeek[2], 30);
  EXPECT_EQ(S(3, kTotalPinsHandicap), 1060 + 90);
  EXPECT_EQ(S(3, kCurrentHandicap), 0);
}

TEST_F(ProcessingOptionsTest, ScratchLeague) {
  lg.HandicapMethod = 1;
  for (int g = 0; g <= 2; ++g) lg.ScratchBase[g] = lg.PercentHandicap[g] = lg.MaxHandicap[g] = 0;
  Start();
  Bowl();
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(0, 4, 4);
  ReadWeekResults(1);
  EXPECT_EQ(lg.TeamHandicapWeek[1], 0);
  EXPECT_EQ(S(1, kCurrentHandicap), 0);
  EXPECT_EQ(S(1, kHighHandicapGame), 150);
  EXPECT_EQ(S(0, kTotalPinsHandicap), 960);
}

// Match points, 1 a game and 2 for the series for a player, 1 and 1 for the team.
//   slot 1: 190 190 190 (570) against 182 202 212 (596): 1 to record 1, 2 + 2 to record 4
//   slot 2: 194 194 194 (582) against 196 196 216 (608): all 5 to record 5
//   team: 384 384 384 (1152) against 378 398 428 (1204): 1 to team 1, 3 to team 2
TEST_F(ProcessingOptionsTest, MatchPointLeagueWithPlayerPointsToTeam) {
  lg.MatchPointsStanding = True;
  lg.PlayerPointsSeries = 2;
  Start();
  Bowl();
  ASSERT_TRUE(ProcessingLeague::Process(1));
  // At stake for a team: 4 + 2 players x 5 = 14. Team 1: 1 + 1 = 2; team 2: 4 + 5 + 3 = 12.
  ExpectTeams(2, 12, 14);
  EXPECT_FLOAT_EQ(S(1, kMatchPointsWon), 1);
  EXPECT_FLOAT_EQ(S(1, kMatchPointsLost), 4);
  EXPECT_FLOAT_EQ(S(4, kMatchPointsWon), 4);
  EXPECT_FLOAT_EQ(S(2, kMatchPointsWon), 0);
  EXPECT_FLOAT_EQ(S(2, kMatchPointsLost), 5);
  EXPECT_FLOAT_EQ(S(5, kMatchPointsWon), 5);
  EXPECT_FLOAT_EQ(ProcessingLeague::PointsOfRecord(1, 2, 1), 4);
}

// Without the players' points going to the team, the team keeps only its own 4 points at stake,
// and won plus lost still equals them.
TEST_F(ProcessingOptionsTest, MatchPointLeagueWithoutPlayerPointsToTeam) {
  lg.MatchPointsStanding = True;
  lg.PlayerPointsToTeam = False;
  lg.PlayerPointsSeries = 2;
  Start();
  Bowl();
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(1, 3, 4);
  ReadWeekResults(1);
  EXPECT_FLOAT_EQ(lg.TeamPointsWeek[1], 1);
  EXPECT_FLOAT_EQ(S(5, kMatchPointsWon), 5);
}

// Automatic win: the forfeiting team's scores count 0 and its players are credited nothing.
TEST_F(ProcessingOptionsTest, ForfeitWithAutomaticWin) {
  Start();
  league.Row(1, 1, 1, {150, 150, 150});
  league.Row(1, 1, 2, {170, 170, 170});
  league.Row(1, 2, 1, {0, 0, 0}, kForfeit);
  league.Row(1, 2, 2, {0, 0, 0}, kForfeit);
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(4, 0, 4);
  for (int p : {4, 5}) {
    EXPECT_EQ(S(p, kMatchPointsWon), 0);
    EXPECT_EQ(S(p, kMatchPointsLost), 0);
    EXPECT_EQ(S(p, kGamesPlayed), 0);
  }
  EXPECT_EQ(S(3, kGamesPlayed), 0);
  EXPECT_FLOAT_EQ(S(1, kMatchPointsWon), 4);
}

// Without the automatic win team 2's records bowl its opponents' averages less 10:
// slot 1 140 (handicap 40), slot 2 160 (24); its handicap is team 1's entered 64.
// Team 1: 280 320 320 + 64 = 344 384 384 (1112); team 2: 300 + 64 = 364 each (1092).
// Game 1 to team 2, the rest to team 1.
TEST_F(ProcessingOptionsTest, ForfeitAgainstAverages) {
  lg.ForfeitRule = False;
  ProcessingLeague::SetStartingAverages({150, 170, 160, 180});
  lg.TeamHandicapWeek[1] = 64;
  ProcessingLeague::Pair(1, {1, 2});
  league.Row(1, 1, 1, {130, 150, 150});
  league.Row(1, 1, 2, {150, 170, 170});
  league.Row(1, 2, 1, {0, 0, 0}, kForfeit);
  league.Row(1, 2, 2, {0, 0, 0}, kForfeit);
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(3, 1, 4);
  EXPECT_FLOAT_EQ(S(4, kMatchPointsWon), 1);
  EXPECT_FLOAT_EQ(S(4, kMatchPointsLost), 3);
  EXPECT_EQ(S(4, kGamesPlayed), 0);
  EXPECT_EQ(S(3, kTotalPins), 0);
  // The substituted scores served only the comparison: the records hold 0 again.
  Integer player = 0;
  ReadScore(1, 2, 1, player);
  EXPECT_EQ(lg.ScrGameScore[0], 0);
  EXPECT_EQ(lg.ScrHandicap, 0);
  EXPECT_EQ(lg.ScrEntryKind, kForfeit);
  ReadWeekResults(1);
  EXPECT_EQ(lg.TeamHandicapWeek[2], 0);
  EXPECT_EQ(lg.TeamHandicapWeek[1], 64);
}

// Slot 2: team 1's player absent (170 - 10 = 160 a game), team 2's a vacancy (120 a game).
// Team 1 310 + 64 = 374 a game; team 2 270 290 300 + 48 = 318 338 348: all 4 to team 1.
// Both unearned records are in slot 2, so neither is credited a point.
class UnearnedTest : public ProcessingOptionsTest,
                     public ::testing::WithParamInterface<bool> {};

TEST_P(UnearnedTest, VacancyAndAbsentee) {
  lg.UnearnedInTeamStats = GetParam() ? -2 : 0;
  Start();
  league.Row(1, 1, 1, {150, 150, 150});
  Integer absent = AbsentGameScore(2), vacancy = VacancyGameScore(5);
  ASSERT_EQ(absent, 160);
  league.Row(1, 1, 2, {absent, absent, absent}, kAbsent);
  league.Row(1, 2, 1, {150, 170, 180});
  league.Row(1, 2, 2, {vacancy, vacancy, vacancy}, kVacancy);
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(4, 0, 4);
  EXPECT_FLOAT_EQ(S(1, kMatchPointsWon), 4);
  EXPECT_FLOAT_EQ(S(2, kMatchPointsWon), 0);
  EXPECT_FLOAT_EQ(S(2, kMatchPointsLost), 4);
  EXPECT_FLOAT_EQ(S(5, kMatchPointsWon), 0);
  EXPECT_EQ(S(2, kGamesPlayed), 0);
  EXPECT_EQ(S(2, kCurrentAverage), 170);
  if (GetParam()) {
    EXPECT_EQ(S(0, kTotalPins), 930);
    EXPECT_EQ(S(0, kGamesPlayed), 6);
    EXPECT_EQ(S(3, kTotalPins), 860);
  } else {
    EXPECT_EQ(S(0, kTotalPins), 450);
    EXPECT_EQ(S(0, kGamesPlayed), 3);
    EXPECT_EQ(S(3, kTotalPins), 500);
  }
}

INSTANTIATE_TEST_SUITE_P(CreditUnearned, UnearnedTest, ::testing::Bool());

// A vacancy alone in its slot of a match-point league: its points go to the side that won each
// team game. Slot 2: 194 194 194 against the vacancy's 120 + 16 = 136 a game.
TEST_F(ProcessingOptionsTest, LoneVacancyPointsFollowTheTeamGame) {
  lg.MatchPointsStanding = True;
  Start();
  league.Row(1, 1, 1, {150, 150, 150});
  league.Row(1, 1, 2, {170, 170, 170});
  league.Row(1, 2, 1, {150, 170, 180});
  league.Row(1, 2, 2, {120, 120, 120}, kVacancy);
  ASSERT_TRUE(ProcessingLeague::Process(1));
  // Slot 1 (1 a game, 1 the series): 190s against 182 202 212 (570 vs 596): 1 and 3.
  // Slot 2: record 2 wins all 4; the vacancy's 0 shares change nothing.
  // Team: 384 a game (1152) against 270 290 300 + 48 = 318 338 348 (1004): all 4 to team 1.
  // Team 1: 1 + 4 + 4 = 9; team 2: 3 + 0 + 0 = 3; at stake 4 + 2 x 4 = 12.
  ExpectTeams(9, 3, 12);
  EXPECT_FLOAT_EQ(S(5, kMatchPointsWon), 0);
  EXPECT_FLOAT_EQ(S(5, kMatchPointsLost), 4);
}

// Game 2 of record 1 is not completed: it counts for the team, not for the player.
TEST_F(ProcessingOptionsTest, IncompleteGame) {
  Start();
  league.Row(1, 1, 1, {150, 100, 150}, kRegular, 0b010);
  league.Row(1, 1, 2, {170, 170, 170});
  league.Row(1, 2, 1, {150, 170, 180});
  league.Row(1, 2, 2, {180, 180, 200});
  ASSERT_TRUE(ProcessingLeague::Process(1));
  EXPECT_EQ(S(1, kGamesPlayed), 2);
  EXPECT_EQ(S(1, kTotalPins), 300);
  EXPECT_EQ(S(1, kHighScratchGame), 150);
  EXPECT_EQ(S(1, kHighScratchSeries), 0);  // no complete series
  EXPECT_EQ(S(1, kCurrentAverage), 150);   // 2 games: the starting average stands
  EXPECT_EQ(S(0, kTotalPins), 400 + 510);
  EXPECT_EQ(S(0, kGamesPlayed), 6);
  // Team 1: 320 270 320 + 64 = 384 334 384 (1102) against 378 398 428 (1204).
  ExpectTeams(1, 3, 4);
}

// Two points for the high game. Records 2 and 5 both bowl 200, the highest: half each.
TEST_F(ProcessingOptionsTest, TiedHighGameSplitsItsPoints) {
  lg.HighGamePoints = 2;
  Start();
  league.Row(1, 1, 1, {150, 150, 150});
  league.Row(1, 1, 2, {170, 170, 200});
  league.Row(1, 2, 1, {150, 170, 180});
  league.Row(1, 2, 2, {180, 180, 200});
  ASSERT_TRUE(ProcessingLeague::Process(1));
  // Team: 384 384 414 (1182) against 378 398 428 (1204): 1 and 3, plus 1 each.
  ExpectTeams(2, 4, 6);
}

TEST_F(ProcessingOptionsTest, TiedHighGameWithinOneTeam) {
  lg.HighGamePoints = 2;
  Start();
  league.Row(1, 1, 1, {150, 150, 210});
  league.Row(1, 1, 2, {170, 170, 210});
  league.Row(1, 2, 1, {150, 170, 180});
  league.Row(1, 2, 2, {180, 180, 200});
  ASSERT_TRUE(ProcessingLeague::Process(1));
  // Team: 384 384 484 (1252) against 378 398 428 (1204): 3 and 1, plus 1 each.
  ExpectTeams(4, 2, 6);
}

TEST_F(ProcessingOptionsTest, TeamHighGameMode) {
  lg.HighGamePoints = 2;
  lg.HighGameMode = 3;  // team handicap game: 434 of team 2 beats 384
  Start();
  Bowl();
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ExpectTeams(1, 5, 6);
}

// A lane slot holding a team that is not in use is skipped rather than stopping the week.
TEST_F(ProcessingOptionsTest, DamagedPairingIsSkipped) {
  Start();
  Bowl();
  lg.LaneTeam[1] = 101;
  lg.LaneTeam[2] = 2;
  WriteWeekResults(1);
  ASSERT_TRUE(ProcessingLeague::Process(1));
  EXPECT_EQ(S(0, kMatchPointsWon), 0);
  EXPECT_EQ(S(3, kMatchPointsWon), 0);
}

}  // namespace
}  // namespace tallmark
