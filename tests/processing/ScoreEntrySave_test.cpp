// Storing a team's results, leaving the score entry with and without processing, the
// split-season restart on opening and the pairing of a position round.
#include <gtest/gtest.h>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/ScoreEntry.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "ScoreEntryLeague.h"

namespace tallmark {
namespace {

class ScoreEntrySave : public ::testing::Test {
 protected:
  void SetUp() override { test::MakeEntryLeague(dir); }

  // Enters the same three games in every row of the team.
  static void FullTeam(ScoreEntry& e, int team, const char* a, const char* b, const char* c) {
    ASSERT_TRUE(e.selectTeam(team));
    for (int j = 1; j <= 3; ++j) {
      ASSERT_TRUE(e.setScore(j, 0, a));
      ASSERT_TRUE(e.setScore(j, 1, b));
      ASSERT_TRUE(e.setScore(j, 2, c));
    }
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(ScoreEntrySave, SavingATeamWritesItsRecordsFlagHandicapAndCompleteSlots) {
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  FullTeam(e, 1, "150", "160", "170");
  ASSERT_TRUE(e.setIncomplete(1, 2, true));
  ASSERT_TRUE(e.setExtraStat(1, 0, "4"));
  ASSERT_TRUE(e.setExtraStat(1, 1, "2"));
  ASSERT_TRUE(e.selectTeam(2));  // saves team 1
  EXPECT_EQ(lg.CompleteSlots, 1);
  EXPECT_EQ(e.statusText(), "Results entered for 1 of the 4 teams");

  // Week 1, team 1, position 1 is record 1: player 11, handicap 45, no points, Regular,
  // mask 4 (game 3), games 150 160 170 and nine zeros, extra statistics 4 and 2.
  std::string scr;
  ASSERT_EQ(ReadWholeFile(dir.file("ENTRY.scr"), scr), 0);
  ASSERT_GE(scr.size(), 44u * 3);
  const unsigned char expected[44] = {11, 0, 45, 0, 0, 0, 0, 4, 0, 150, 0, 160, 0, 170, 0,
                                      0,  0, 0,  0, 0, 0, 0, 0, 0, 0,   0, 0,   0, 0,   0,
                                      0,  0, 0,  4, 2, 0, 0, 0, 0, 0,   0, 0,   0, 0};
  EXPECT_EQ(scr.substr(0, 44), std::string(reinterpret_cast<const char*>(expected), 44));

  // The week's record: team 1 complete (stored as twice 1) with handicap 45 + 36 + 27.
  lg.TeamPointsWeek.fill(0);
  lg.TeamHandicapWeek.fill(0);
  ASSERT_TRUE(ReadWeekResults(1));
  EXPECT_EQ(lg.TeamPointsWeek[1], 1.0f);
  EXPECT_EQ(lg.TeamHandicapWeek[1], 108);
  EXPECT_EQ(lg.TeamPointsWeek[2], 0.0f);
  EXPECT_EQ(lg.LaneTeam[3], 3);
}

TEST_F(ScoreEntrySave, RowsShowTheStoredRecordOrTheRostersPlayer) {
  {
    ScoreEntry e;
    ASSERT_EQ(e.open(), EntryOpen::Ready);
    ASSERT_TRUE(e.selectTeam(1));
    ASSERT_TRUE(e.setPlayerType(1, kSub));
    ASSERT_TRUE(e.choosePlayer(1, 50));  // a sub chosen, no scores yet
    ASSERT_TRUE(e.setScore(2, 0, "180"));
    e.leaveWithoutProcessing();
  }
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  ASSERT_TRUE(e.selectTeam(1));
  EXPECT_EQ(e.row(1).player, 50);
  EXPECT_EQ(e.row(1).type, kSub);
  EXPECT_EQ(e.row(2).player, 12);
  EXPECT_EQ(e.row(2).games[0], 180);
  EXPECT_EQ(e.row(3).player, 13);  // stored with no results: the roster's player
  ASSERT_TRUE(e.selectTeam(3));    // never stored
  EXPECT_EQ(e.row(1).player, 31);
  EXPECT_EQ(e.row(1).type, kRegular);
  EXPECT_EQ(e.row(1).handicap, 45);
  EXPECT_EQ(e.row(1).average, 150);
}

TEST_F(ScoreEntrySave, OneMissingScoreKeepsTheWeekUnprocessed) {
  {
    ScoreEntry e;
    ASSERT_EQ(e.open(), EntryOpen::Ready);
    FullTeam(e, 1, "150", "160", "170");
    FullTeam(e, 2, "140", "150", "160");
    FullTeam(e, 3, "130", "140", "150");
    FullTeam(e, 4, "120", "130", "140");
    ASSERT_TRUE(e.setScore(2, 2, "0"));
    e.setDate("09/16/25");
    EXPECT_EQ(e.leaveAndProcess(), EntryLeave::Kept);
  }
  ASSERT_EQ(io.shown.size(), 1u);  // no question asked
  EXPECT_EQ(io.shown[0].title, "MISSING RESULTS");
  EXPECT_EQ(io.shown[0].text,
            "The results you entered have been saved but the scores will not be processed now "
            "because there are missing data.\r\n\r\nData are missing if there are any games with "
            "a score of zero for any bowler including vacancies and absentees.");
  EXPECT_EQ(lg.CurrentWeek, 0);
  EXPECT_EQ(lg.CompleteSlots, 3);
  EXPECT_EQ(lg.WeekDate[1], "09/16/25");

  ScoreEntry again;
  ASSERT_EQ(again.open(), EntryOpen::Ready);
  EXPECT_EQ(lg.CompleteSlots, 3);
  ASSERT_TRUE(again.selectTeam(1));
  EXPECT_EQ(again.row(3).games[2], 170);
  ASSERT_TRUE(again.selectTeam(4));
  EXPECT_EQ(again.row(2).games[1], 130);
  EXPECT_FALSE(again.teamComplete());
}

TEST_F(ScoreEntrySave, AnsweringNoLeavesTheCompleteWeekUnprocessed) {
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  for (int t = 1; t <= 4; ++t) FullTeam(e, t, "150", "150", "150");
  io.answer(MsgAnswer::No);
  EXPECT_EQ(e.leaveAndProcess(), EntryLeave::Kept);
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].title, "PROCESS WEEKLY RESULTS");
  EXPECT_EQ(io.shown[0].text,
            "Looks like all the scores are entered. Do you want to process all the scores and "
            "update the statistics now?");
  EXPECT_EQ(io.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(lg.CompleteSlots, 4);
  EXPECT_EQ(lg.CurrentWeek, 0);
}

TEST_F(ScoreEntrySave, AForfeitedTeamStaysCompleteWhenShownAgain) {
  {
    ScoreEntry e;
    ASSERT_EQ(e.open(), EntryOpen::Ready);
    ASSERT_TRUE(e.selectTeam(2));
    e.setForfeit(true);
    e.leaveWithoutProcessing();
  }
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  EXPECT_EQ(lg.CompleteSlots, 1);
  ASSERT_TRUE(e.selectTeam(2));
  EXPECT_TRUE(e.forfeited());
  ASSERT_TRUE(e.selectTeam(1));  // saving team 2 again keeps it complete
  EXPECT_EQ(lg.CompleteSlots, 1);
}

// Team 2 (sum 420) against team 1 (sum 480) by the difference method: Int(0.60 x 80) = 48.
// A substitute averaging 130 for team 1's 150 player makes team 1's sum 460, and saving team 1
// brings team 2's stored handicap to Int(0.40 x 80 + 0.000001) = 32.
TEST_F(ScoreEntrySave, DifferenceMethodStoresBothSidesOfTheMatch) {
  lg.HandicapMethod = -2;
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  ASSERT_TRUE(e.selectTeam(2));
  ASSERT_TRUE(e.selectTeam(1));
  EXPECT_EQ(lg.TeamHandicapWeek[2], 48);
  ASSERT_TRUE(e.setPlayerType(1, kSub));
  ASSERT_TRUE(e.choosePlayer(1, 50));
  e.saveCurrentTeam();
  lg.TeamHandicapWeek.fill(-1);
  ASSERT_TRUE(ReadWeekResults(1));
  EXPECT_EQ(lg.TeamHandicapWeek[1], 0);
  EXPECT_EQ(lg.TeamHandicapWeek[2], 32);
}

class SplitSeasonStart : public ScoreEntrySave {
 protected:
  void SetUp() override {
    ScoreEntrySave::SetUp();
    lg.NumSessions = 2;
    lg.SplitWeek[1] = -3;  // session 2 starts at week 3 with statistics reset
    lg.SplitWeek[2] = 53;
    lg.CurrentWeek = 2;
    for (int k = 1; k <= 4; ++k) lg.LaneTeam[k] = static_cast<Integer>(k);
    WriteWeekResults(3);
    auto& s = lg.PlayerStat[11];
    s[kHighScratchGame] = 210;
    s[kTotalPins] = 900;
    s[kGamesPlayed] = 6;
    s[kMatchPointsWon] = 4;
    s[kStartingAverage] = 140;  // current average 150
    lg.PlayerStat[10][kMatchPointsWon] = 5;
  }
};

TEST_F(SplitSeasonStart, RestartsStatisticsOnOpeningAndUndoesThemOnCancel) {
  lg.StatResetMode = 2;  // teams and players
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  EXPECT_EQ(lg.CurrentSession, 2);
  const auto& s = lg.PlayerStat[11];
  EXPECT_EQ(s[kStartingAverage], 150);
  EXPECT_EQ(s[kCurrentAverage], 150);
  EXPECT_EQ(s[kCurrentHandicap], 45);
  EXPECT_EQ(s[kGroupOrStanding], 1);
  EXPECT_EQ(s[kHighScratchGame], 0);
  EXPECT_EQ(s[kTotalPins], 0);
  EXPECT_EQ(s[kGamesPlayed], 0);
  EXPECT_EQ(lg.PlayerStat[10][kMatchPointsWon], 0);
  EXPECT_EQ(lg.PlayerStat[10][kCurrentAverage], 160);  // Int((150 + 160 + 170) / 3)
  EXPECT_EQ(lg.PlayerStat[10][kGroupOrStanding], 1);   // the place is kept

  e.leaveWithoutProcessing();
  EXPECT_EQ(lg.CurrentSession, 1);
  EXPECT_EQ(s[kTotalPins], 900);  // session 1 is back
  EXPECT_EQ(s[kStartingAverage], 140);
  ASSERT_TRUE(ReadStats(2));  // the restarted statistics are stored as session 2's
  EXPECT_EQ(lg.PlayerStat[11][kTotalPins], 0);
  EXPECT_EQ(lg.PlayerStat[11][kStartingAverage], 150);
}

TEST_F(SplitSeasonStart, ResetModesAndUnresetSplits) {
  lg.StatResetMode = 0;  // teams only
  {
    ScoreEntry e;
    ASSERT_EQ(e.open(), EntryOpen::Ready);
    EXPECT_EQ(lg.PlayerStat[11][kTotalPins], 900);
    EXPECT_EQ(lg.PlayerStat[10][kMatchPointsWon], 0);
    e.leaveWithoutProcessing();
  }
  lg.StatResetMode = 1;  // players only
  {
    ScoreEntry e;
    ASSERT_EQ(e.open(), EntryOpen::Ready);
    EXPECT_EQ(lg.PlayerStat[11][kTotalPins], 0);
    EXPECT_EQ(lg.PlayerStat[10][kMatchPointsWon], 5);
    e.leaveWithoutProcessing();
  }
  lg.SplitWeek[1] = 3;  // a new session without a reset
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  EXPECT_EQ(lg.CurrentSession, 2);
  EXPECT_EQ(lg.PlayerStat[11][kTotalPins], 900);
}

TEST_F(ScoreEntrySave, PositionRoundIsPairedByTheStandings) {
  lg.LaneTeam.fill(0);
  WriteWeekResults(1);
  const int place[5] = {0, 2, 4, 1, 3};
  for (int t = 1; t <= 4; ++t) lg.PlayerStat[10 * t][kGroupOrStanding] = place[t];
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  EXPECT_EQ(e.teams(), (std::vector<Integer>{3, 1, 4, 2}));
  EXPECT_EQ(e.opponentOf(3), 1);
  EXPECT_EQ(e.opponentOf(2), 4);
}

TEST_F(ScoreEntrySave, OpeningRefusesAFinishedSeasonAndAMissingSchedule) {
  lg.CurrentWeek = 10;
  EXPECT_EQ(ScoreEntry().open(), EntryOpen::SeasonOver);
  lg.CurrentWeek = 0;
  lg.LaneTeam[2] = kTbdTeam;
  WriteWeekResults(1);
  EXPECT_EQ(ScoreEntry().open(), EntryOpen::NoSchedule);
}

// A split that resets team statistics restarts every team, team 1 too, whose name is record 0 in
// a league the program builds.
TEST(SplitSeasonFromDisk, ATeamResetRestartsRecordZero) {
  for (Integer mode : {0, 1, 2}) {
    test::ScriptedUserIO io;
    test::TempDir dir;
    ASSERT_TRUE(test::OpenSampleLeague(dir.path()));
    ASSERT_EQ(lg.Roster[1][0], 0);
    lg.NumSessions = 2;
    lg.SplitWeek[1] = static_cast<Integer>(-(lg.CurrentWeek + 1));
    lg.StatResetMode = mode;
    ASSERT_TRUE(SaveLeague());
    ASSERT_TRUE(test::ReloadLeague());
    ASSERT_GT(lg.PlayerStat[0][kMatchPointsWon], 0);
    ScoreEntry e;
    ASSERT_EQ(e.open(), EntryOpen::Ready);
    const bool teamsReset = mode != 1;
    for (int t = 1; t <= lg.LastTeam; ++t) {
      const auto& st = lg.PlayerStat[lg.Roster[t][0]];
      EXPECT_EQ(st[kMatchPointsWon] == 0 && st[kTotalPins] == 0, teamsReset) << t << " " << mode;
    }
  }
}

// The entering average of the first week follows the row as it stands, and Cancel leaves the
// stored statistics as they were; opening the week again takes it from the stored row.
TEST(EnteringAverageFromDisk, FollowsTheRowAndCancelKeepsTheStoredStatistics) {
  test::ScriptedUserIO io;
  test::TempDir dir;
  test::BuildTestLeague(dir.path(), "EA", 0);
  const int p = lg.Roster[1][1];
  lg.AvgAfterWeek1[p] = True;
  lg.AbsenteeIsPercent = False;
  lg.AbsenteeLess[PlayerGroup(p)] = 10;
  ASSERT_TRUE(SaveLeague());
  ASSERT_TRUE(test::ReloadLeague());
  const auto stats = lg.PlayerStat[p];
  const std::string stored = test::FileText(dir.file("EA.STT"));
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  ASSERT_TRUE(e.selectTeam(1));
  for (int g = 0; g < 3; ++g) ASSERT_TRUE(e.setScore(1, g, "90"));
  EXPECT_EQ(e.row(1).average, 90);
  ASSERT_TRUE(e.setPlayerType(1, kAbsent));
  EXPECT_EQ(lg.PlayerStat[p], stats);
  EXPECT_EQ(e.row(1).games[0], 152 - 10);  // the stored 151.5 rounds to 152
  ASSERT_TRUE(e.setPlayerType(1, kRegular));
  for (int g = 0; g < 3; ++g) ASSERT_TRUE(e.setScore(1, g, "120"));
  e.leaveWithoutProcessing();
  EXPECT_EQ(lg.PlayerStat[p], stats);
  EXPECT_TRUE(test::FileText(dir.file("EA.STT")) == stored);
  ScoreEntry again;
  ASSERT_EQ(again.open(), EntryOpen::Ready);
  EXPECT_EQ(lg.PlayerStat[p][kStartingAverage], 120);
}

}  // namespace
}  // namespace tallmark
