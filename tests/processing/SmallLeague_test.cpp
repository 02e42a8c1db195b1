// Four teams of three, three games, individual handicaps (scratch score 200, 80 %, maximum 80),
// one point per game and one for the series, processed for two weeks. Every figure below is
// worked out by hand in the comments.
#include <gtest/gtest.h>

#include "ProcessingLeague.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"

namespace tallmark {
namespace {

using test::ProcessingLeague;

class SmallLeagueTest : public ::testing::Test {
 protected:
  ProcessingLeague league{4, 3, 3};
  static int P(int t, int s) { return ProcessingLeague::Player(t, s); }
  static float& S(int p, int c) { return lg.PlayerStat[p][c]; }
  static int T(int t) { return ProcessingLeague::Player(t, 0); }

  void SetUp() override {
    // Starting averages and the handicaps they give, (200 - a) x 80 %:
    // team 1: 150 (40), 160 (32), 180 (16); team 2: 140 (48), 170 (24), 190 (8)
    // team 3: 120 (64), 155 (36), 175 (20); team 4: 165 (28), 145 (44), 135 (52)
    ProcessingLeague::SetStartingAverages(
        {150, 160, 180, 140, 170, 190, 120, 155, 175, 165, 145, 135});
    ProcessingLeague::Pair(1, {1, 2, 3, 4});
    auto& L = league;
    L.Row(1, 1, 1, {150, 160, 170});  // 480
    L.Row(1, 1, 2, {160, 150, 155});  // 465
    L.Row(1, 1, 3, {200, 180, 190});  // 570
    L.Row(1, 2, 1, {140, 130, 150});  // 420
    L.Row(1, 2, 2, {170, 180, 160});  // 510
    L.Row(1, 2, 3, {190, 188, 180});  // 558
    L.Row(1, 3, 1, {130, 110, 140});  // 380
    L.Row(1, 3, 2, {150, 165, 200});  // 515
    L.Row(1, 3, 3, {170, 180, 175});  // 525
    L.Row(1, 4, 1, {205, 160, 170});  // 535
    L.Row(1, 4, 2, {145, 145, 145});  // 435
    L.Row(1, 4, 3, {120, 130, 125});  // 375
  }

  void EnterWeekTwo() {
    // Handicaps after week 1 (below): team 1 32, 36, 8; team 3 59, 23, 20;
    // team 4 17, 44, 60; team 2 48, 24, 11. The week is a position round.
    ProcessingLeague::Pair(2, {0, 0, 0, 0});
    auto& L = league;
    L.Row(2, 1, 1, {170, 170, 170});  // 510
    L.Row(2, 1, 2, {150, 150, 160});  // 460
    L.Row(2, 1, 3, {190, 200, 210});  // 600
    L.Row(2, 3, 1, {130, 130, 130});  // 390
    L.Row(2, 3, 2, {180, 170, 160});  // 510
    L.Row(2, 3, 3, {180, 190, 170});  // 540
    L.Row(2, 4, 1, {180, 180, 180});  // 540
    L.Row(2, 4, 2, {150, 140, 160});  // 450
    L.Row(2, 4, 3, {125, 125, 130});  // 380
    L.Row(2, 2, 1, {150, 140, 160});  // 450
    L.Row(2, 2, 2, {160, 170, 180});  // 510
    L.Row(2, 2, 3, {180, 190, 200});  // 570
  }
};

// Match 1, team 1 (handicap 40 + 32 + 16 = 88) against team 2 (48 + 24 + 8 = 80):
//   team 1 scratch 510 490 515 = 1515, with handicap 598 578 603 = 1779
//   team 2 scratch 500 498 490 = 1488, with handicap 580 578 570 = 1728
//   game 1 to team 1, game 2 tied (half each), game 3 and series to team 1: 3.5 to 0.5.
// Match 2, team 3 (64 + 36 + 20 = 120) against team 4 (28 + 44 + 52 = 124):
//   team 3 scratch 450 455 515 = 1420, with handicap 570 575 635 = 1780
//   team 4 scratch 470 435 440 = 1345, with handicap 594 559 564 = 1717
//   game 1 to team 4, games 2, 3 and series to team 3: 3 to 1.
TEST_F(SmallLeagueTest, FirstWeekPointsAndWeekValues) {
  ASSERT_TRUE(ProcessingLeague::Process(1));
  ASSERT_TRUE(ReadWeekResults(1));
  EXPECT_EQ(lg.TeamHandicapWeek[1], 88);
  EXPECT_EQ(lg.TeamHandicapWeek[2], 80);
  EXPECT_EQ(lg.TeamHandicapWeek[3], 120);
  EXPECT_EQ(lg.TeamHandicapWeek[4], 124);
  EXPECT_FLOAT_EQ(lg.TeamPointsWeek[1], 3.5f);
  EXPECT_FLOAT_EQ(lg.TeamPointsWeek[2], 0.5f);
  EXPECT_FLOAT_EQ(lg.TeamPointsWeek[3], 3.0f);
  EXPECT_FLOAT_EQ(lg.TeamPointsWeek[4], 1.0f);
  // Teams: won and lost of 4 points at stake.
  float won[] = {3.5f, 0.5f, 3, 1};
  for (int t = 1; t <= 4; ++t) {
    EXPECT_FLOAT_EQ(S(T(t), kMatchPointsWon), won[t - 1]) << t;
    EXPECT_FLOAT_EQ(S(T(t), kMatchPointsLost), 4 - won[t - 1]) << t;
    // Outside a match-point league each player takes the team's points.
    for (int s = 1; s <= 3; ++s) {
      EXPECT_FLOAT_EQ(S(P(t, s), kMatchPointsWon), won[t - 1]);
      EXPECT_FLOAT_EQ(S(P(t, s), kMatchPointsLost), 4 - won[t - 1]);
      EXPECT_FLOAT_EQ(ProcessingLeague::PointsOfRecord(1, t, s), won[t - 1]);
    }
  }
  // Standings: 3.5, 3, 1, 0.5.
  EXPECT_EQ(S(T(1), kGroupOrStanding), 1);
  EXPECT_EQ(S(T(3), kGroupOrStanding), 2);
  EXPECT_EQ(S(T(4), kGroupOrStanding), 3);
  EXPECT_EQ(S(T(2), kGroupOrStanding), 4);
}

struct PlayerWeek {
  int team, slot;
  float pins, average, handicap, highGame, highSeries, highHcpGame, highHcpSeries, pinsHcp,
      improved;
};

// After week 1 (three games each, the average is the player's own, cut to a whole number):
TEST_F(SmallLeagueTest, FirstWeekPlayerStatistics) {
  ASSERT_TRUE(ProcessingLeague::Process(1));
  const PlayerWeek rows[] = {
      // 480/3 = 160, (200-160) x .8 = 32; highs 170, 480, 170+40, 480+120; +6.7 %
      {1, 1, 480, 160, 32, 170, 480, 210, 600, 600, 6.7f},
      // 465/3 = 155, 36; 160+32 = 192, 465+96 = 561
      {1, 2, 465, 155, 36, 160, 465, 192, 561, 561, 0},
      // 570/3 = 190, 8; 200+16, 570+48; (190-180)/180 = 5.56 %
      {1, 3, 570, 190, 8, 200, 570, 216, 618, 618, 5.6f},
      {2, 1, 420, 140, 48, 150, 420, 198, 564, 564, 0},
      {2, 2, 510, 170, 24, 180, 510, 204, 582, 582, 0},
      // 558/3 = 186, (14) x .8 = 11.2 -> 11
      {2, 3, 558, 186, 11, 190, 558, 198, 582, 582, 0},
      // 380/3 = 126.67 -> 126, 59.2 -> 59; 140+64, 380+192; (126-120)/120 = 5 %
      {3, 1, 380, 126, 59, 140, 380, 204, 572, 572, 5.0f},
      // 515/3 = 171.67 -> 171, 23.2 -> 23; 200+36, 515+108; 16/155 = 10.32 %
      {3, 2, 515, 171, 23, 200, 515, 236, 623, 623, 10.3f},
      {3, 3, 525, 175, 20, 180, 525, 200, 585, 585, 0},
      // 535/3 = 178.33 -> 178, 17.6 -> 17; 205+28, 535+84; 13/165 = 7.88 %
      {4, 1, 535, 178, 17, 205, 535, 233, 619, 619, 7.9f},
      {4, 2, 435, 145, 44, 145, 435, 189, 567, 567, 0},
      // 375/3 = 125, 60; 130+52, 375+156
      {4, 3, 375, 125, 60, 130, 375, 182, 531, 531, 0},
  };
  for (const auto& r : rows) {
    int p = P(r.team, r.slot);
    SCOPED_TRACE(lg.PlayerName[p]);
    EXPECT_EQ(S(p, kTotalPins), r.pins);
    EXPECT_EQ(S(p, kGamesPlayed), 3);
    EXPECT_EQ(S(p, kCurrentAverage), r.average);
    EXPECT_EQ(S(p, kCurrentHandicap), r.handicap);
    EXPECT_EQ(S(p, kHighScratchGame), r.highGame);
    EXPECT_EQ(S(p, kHighScratchSeries), r.highSeries);
    EXPECT_EQ(S(p, kHighHandicapGame), r.highHcpGame);
    EXPECT_EQ(S(p, kHighHandicapSeries), r.highHcpSeries);
    EXPECT_EQ(S(p, kTotalPinsHandicap), r.pinsHcp);
    EXPECT_FLOAT_EQ(S(p, kPercentImproved), r.improved);
  }
  // Counts: games of 200 and more, series of 500 and more (600 and more: none).
  EXPECT_EQ(S(P(1, 3), kScratchGamesOver), 1);
  EXPECT_EQ(S(P(1, 3), kScratchSeriesOver), 1);
  EXPECT_EQ(S(P(2, 2), kScratchSeriesOver), 1);
  EXPECT_EQ(S(P(1, 1), kScratchSeriesOver), 0);
  EXPECT_EQ(S(P(4, 1), kScratchGamesOver), 1);
  for (int t = 1; t <= 4; ++t) EXPECT_EQ(S(T(t), kScratchSeriesOver2), 0);
}

struct TeamWeek {
  int team;
  float pins, pinsHcp, average, handicap, start, improved, highGame, highHcpGame, highSeries,
      highHcpSeries, gamesOver, seriesOver;
};

TEST_F(SmallLeagueTest, FirstWeekTeamStatistics) {
  ASSERT_TRUE(ProcessingLeague::Process(1));
  const TeamWeek rows[] = {
      // 1515 pins, 1515 + 3 x 88 = 1779; 1515/9 = 168.33 -> 168; handicap 32+36+8 = 76;
      // starting Int(490/3) = 163, 5/163 = 3.07 %; counts: 200 game, 570 series
      {1, 1515, 1779, 168, 76, 163, 3.1f, 515, 603, 1515, 1779, 1, 1},
      // 1488 + 240 = 1728; 165.33 -> 165; 48+24+11 = 83; starting Int(500/3) = 166
      {2, 1488, 1728, 165, 83, 166, 0, 500, 580, 1488, 1728, 0, 2},
      // 1420 + 360 = 1780; 157.78 -> 157; 59+23+20 = 102; starting 150, 7/150 = 4.67 %
      {3, 1420, 1780, 157, 102, 150, 4.7f, 515, 635, 1420, 1780, 1, 2},
      // 1345 + 372 = 1717; 149.44 -> 149; 17+44+60 = 121; starting Int(445/3) = 148
      {4, 1345, 1717, 149, 121, 148, 0.7f, 470, 594, 1345, 1717, 1, 1},
  };
  for (const auto& r : rows) {
    int p = T(r.team);
    SCOPED_TRACE(r.team);
    EXPECT_EQ(S(p, kTotalPins), r.pins);
    EXPECT_EQ(S(p, kTotalPinsHandicap), r.pinsHcp);
    EXPECT_EQ(S(p, kGamesPlayed), 9);
    EXPECT_EQ(S(p, kCurrentAverage), r.average);
    EXPECT_EQ(S(p, kCurrentHandicap), r.handicap);
    EXPECT_EQ(S(p, kStartingAverage), r.start);
    EXPECT_FLOAT_EQ(S(p, kPercentImproved), r.improved);
    EXPECT_EQ(S(p, kHighScratchGame), r.highGame);
    EXPECT_EQ(S(p, kHighHandicapGame), r.highHcpGame);
    EXPECT_EQ(S(p, kHighScratchSeries), r.highSeries);
    EXPECT_EQ(S(p, kHighHandicapSeries), r.highHcpSeries);
    EXPECT_EQ(S(p, kScratchGamesOver), r.gamesOver);
    EXPECT_EQ(S(p, kScratchSeriesOver), r.seriesOver);
  }
}

// Awards of week 1, in processing order. Best over average: Player 11 and Player 13 tie at 20
// in match 1; Player 32's 200 is 45 over 155, Player 41's 205 only 40 over 165.
TEST_F(SmallLeagueTest, FirstWeekAwardLines) {
  ASSERT_TRUE(ProcessingLeague::Process(1));
  std::vector<std::string> expected = {
      "Player 13 bowled a 200 game in week 1.",
      "Player 13 bowled a 570 series in week 1.",
      "Player 22 bowled a 510 series in week 1.",
      "Player 23 bowled a 558 series in week 1.",
      "Player 32 bowled a 200 game in week 1.",
      "Player 32 bowled a 515 series in week 1.",
      "Player 33 bowled a 525 series in week 1.",
      "Player 41 bowled a 205 game in week 1.",
      "Player 41 bowled a 535 series in week 1.",
      "Player 42 earned a Triple Score Award in week 1.",
      "Player 32 bowled highest pins (45) over average in week 1.",
  };
  EXPECT_EQ(league.AwardLines(), expected);
  EXPECT_FALSE(league.io.sawTitle("CONGRATULATIONS"));
}

// Week 2 is a position round: first (team 1) against second (team 3), third (team 4) against
// fourth (team 2).
//   team 1 (handicap 76): scratch 510 520 540 = 1570, with handicap 586 596 616 = 1798
//   team 3 (102):         scratch 490 490 460 = 1440, with handicap 592 592 562 = 1746
//   game 1 to team 3, the rest to team 1: 3 to 1.
//   team 4 (121):         scratch 455 445 470 = 1370, with handicap 576 566 591 = 1733
//   team 2 (83):          scratch 490 500 540 = 1530, with handicap 573 583 623 = 1779
//   game 1 to team 4, the rest to team 2: 1 to 3.
TEST_F(SmallLeagueTest, SecondWeekPositionRound) {
  ASSERT_TRUE(ProcessingLeague::Process(1));
  EnterWeekTwo();
  ASSERT_TRUE(ProcessingLeague::Process(2));
  ASSERT_TRUE(ReadWeekResults(2));
  EXPECT_EQ(lg.LaneTeam[1], 1);
  EXPECT_EQ(lg.LaneTeam[2], 3);
  EXPECT_EQ(lg.LaneTeam[3], 4);
  EXPECT_EQ(lg.LaneTeam[4], 2);
  EXPECT_EQ(lg.TeamHandicapWeek[1], 76);
  EXPECT_EQ(lg.TeamHandicapWeek[2], 83);
  EXPECT_EQ(lg.TeamHandicapWeek[3], 102);
  EXPECT_EQ(lg.TeamHandicapWeek[4], 121);
  // Totals: team 1 6.5 - 1.5, team 3 4 - 4, team 2 3.5 - 4.5, team 4 2 - 6.
  float won[] = {6.5f, 3.5f, 4, 2};
  for (int t = 1; t <= 4; ++t) {
    EXPECT_FLOAT_EQ(S(T(t), kMatchPointsWon), won[t - 1]);
    EXPECT_FLOAT_EQ(S(T(t), kMatchPointsLost), 8 - won[t - 1]);
    EXPECT_FLOAT_EQ(S(P(t, 2), kMatchPointsWon), won[t - 1]);
  }
  EXPECT_EQ(S(T(1), kGroupOrStanding), 1);
  EXPECT_EQ(S(T(3), kGroupOrStanding), 2);
  EXPECT_EQ(S(T(2), kGroupOrStanding), 3);
  EXPECT_EQ(S(T(4), kGroupOrStanding), 4);
  // Player 11: 990 pins in 6 games = 165, handicap 28, +10 %; handicap highs: game 210 from
  // week 1 (170 + 32 = 202 is lower), series 510 + 96 = 606 above 600.
  EXPECT_EQ(S(P(1, 1), kCurrentAverage), 165);
  EXPECT_EQ(S(P(1, 1), kCurrentHandicap), 28);
  EXPECT_FLOAT_EQ(S(P(1, 1), kPercentImproved), 10.0f);
  EXPECT_EQ(S(P(1, 1), kHighHandicapGame), 210);
  EXPECT_EQ(S(P(1, 1), kHighHandicapSeries), 606);
  EXPECT_EQ(S(P(1, 1), kTotalPinsHandicap), 1206);
  // Player 13: 1170 / 6 = 195, handicap 4; three 200 games; series counts 2 and 1.
  EXPECT_EQ(S(P(1, 3), kCurrentAverage), 195);
  EXPECT_EQ(S(P(1, 3), kCurrentHandicap), 4);
  EXPECT_FLOAT_EQ(S(P(1, 3), kPercentImproved), 8.3f);  // 15 / 180 = 8.33 %
  EXPECT_EQ(S(P(1, 3), kScratchGamesOver), 3);
  EXPECT_EQ(S(P(1, 3), kScratchSeriesOver), 2);
  EXPECT_EQ(S(P(1, 3), kScratchSeriesOver2), 1);
  EXPECT_EQ(S(P(1, 3), kHighHandicapGame), 218);  // 210 + 8
  // Team 1: 3085 pins in 18, 171.39 -> 171; 1779 + 1798 = 3577; handicap 28 + 36 + 4 = 68
  // (Player 12: 925 / 6 = 154.17 -> 154, 36.8 -> 36).
  EXPECT_EQ(S(T(1), kTotalPins), 3085);
  EXPECT_EQ(S(T(1), kTotalPinsHandicap), 3577);
  EXPECT_EQ(S(T(1), kCurrentAverage), 171);
  EXPECT_EQ(S(T(1), kCurrentHandicap), 68);
  EXPECT_EQ(S(T(1), kHighScratchGame), 540);
  EXPECT_EQ(S(T(1), kHighHandicapGame), 616);
  EXPECT_EQ(S(T(1), kHighScratchSeries), 1570);
  EXPECT_EQ(S(T(1), kHighHandicapSeries), 1798);
  EXPECT_EQ(S(T(1), kScratchGamesOver), 3);
  EXPECT_EQ(S(T(1), kScratchSeriesOver), 3);  // 570; 510 and 600
  EXPECT_EQ(S(T(1), kScratchSeriesOver2), 1);
}

// Week 2's best over average is a tie (Player 13's 210 and Player 21's 160, each 20 over), so
// there is no weekly line.
TEST_F(SmallLeagueTest, SecondWeekAwardLines) {
  ASSERT_TRUE(ProcessingLeague::Process(1));
  EnterWeekTwo();
  ASSERT_TRUE(ProcessingLeague::Process(2));
  auto lines = league.AwardLines();
  std::vector<std::string> week2(lines.begin() + 11, lines.end());
  std::vector<std::string> expected = {
      "Player 11 earned a Triple Score Award in week 2.",
      "Player 11 bowled a 510 series in week 2.",
      "Player 13 bowled a 200 game in week 2.",
      "Player 13 bowled a 210 game in week 2.",
      "Player 13 bowled a 600 series in week 2.",
      "Player 13 bowled a 600 series in week 2.",
      "Player 31 earned a Triple Score Award in week 2.",
      "Player 32 bowled a 510 series in week 2.",
      "Player 33 bowled a 540 series in week 2.",
      "Player 41 earned a Triple Score Award in week 2.",
      "Player 41 bowled a 540 series in week 2.",
      "Player 22 bowled a 510 series in week 2.",
      "Player 23 bowled a 200 game in week 2.",
      "Player 23 bowled a 570 series in week 2.",
  };
  EXPECT_EQ(week2, expected);
}

TEST_F(SmallLeagueTest, WeekIsNeverProcessedTwice) {
  EXPECT_FALSE(ProcessWeek(2));  // not the next week
  ASSERT_TRUE(ProcessWeek(1));
  float won = S(T(1), kMatchPointsWon);
  EXPECT_FALSE(ProcessWeek(1));  // CurrentWeek not yet raised: still refused
  lg.CurrentWeek = 1;
  EXPECT_FALSE(ProcessWeek(1));
  EXPECT_EQ(S(T(1), kMatchPointsWon), won);
}

TEST_F(SmallLeagueTest, PopupsShowEveryLine) {
  lg.AwardPopups = True;
  ASSERT_TRUE(ProcessingLeague::Process(1));
  int shown = 0;
  for (const auto& m : league.io.shown)
    if (m.title == "CONGRATULATIONS") ++shown;
  EXPECT_EQ(shown, 11);
}

}  // namespace
}  // namespace tallmark
