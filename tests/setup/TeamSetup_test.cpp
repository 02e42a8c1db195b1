#include <gtest/gtest.h>

#include "league/ConfigFile.h"
#include "league/WeekFiles.h"
#include "processing/ScoreEntry.h"
#include "setup/LeagueFixture.h"
#include "setup/TeamSetup.h"
#include "support/LeagueFixture.h"

namespace tallmark {
namespace {

using B = TeamSetup::Button;
using test::LeagueFixture;

struct TeamWindow : ::testing::Test {
  void SetUp() override {
    f.build(4, 3, 3, 1, 10);
    w.open();
  }
  LeagueFixture f;
  TeamSetup w;
};

TEST_F(TeamWindow, OpeningListsAndLabels) {
  EXPECT_EQ(f.io.shown.back().title, "IMPORTANT NOTICE");
  EXPECT_EQ(w.caption(), "TEAM AND BOWLER EDITOR");
  EXPECT_EQ(w.substituteCaption(), "S&ubstitute Bowlers");
  EXPECT_EQ(w.optionCaption(0), "&1. Male");
  EXPECT_EQ(w.optionCaption(1), "&2. Female");
  EXPECT_EQ(w.teamList().size(), 4u);
  EXPECT_EQ(w.teamList()[2], "TEAM 3              ");
  EXPECT_EQ(w.playerList()[1], "*VACANCY 102        ");
  EXPECT_EQ(w.summaryLabels(),
            (std::vector<std::string>{"4 Teams", "3 Bowlers per team", "3 Bowling each week",
                                      "1 Substitute Bowlers"}));
  w.setSubstituteMode(true);
  EXPECT_EQ(w.teamList(), std::vector<std::string>{"SUBSTITUTE BOWLERS"});
  EXPECT_EQ(w.playerList(), std::vector<std::string>{"SUBSTITUTE 1        "});
  EXPECT_EQ(w.buttonCaption(B::kSwapOrAdd), "&Add");
  EXPECT_EQ(w.toolTip(B::kSwapOrAdd), "Click to add a sub to the league.");
  EXPECT_FALSE(w.buttonEnabled(B::kDropTeam));
  EXPECT_FALSE(w.buttonEnabled(B::kDropPlayer));
}

TEST_F(TeamWindow, ButtonCaptionsUseThePlayerTerm) {
  std::vector<std::string> captions;
  for (int b = 0; b <= 7; ++b) captions.push_back(w.buttonCaption(b));
  EXPECT_EQ(captions, (std::vector<std::string>{"E&xit", "&Cancel", "Rename Tea&m", "Add &Team",
                                                "Drop T&eam", "&Rename Bowler", "&Swap",
                                                "&Drop Bowler"}));
  lg.SportTerm[4] = "Curler";
  EXPECT_EQ(w.buttonCaption(B::kRenamePlayer), "&Rename Curler");
  EXPECT_EQ(w.toolTip(B::kDropPlayer), "Click to drop a curler from the league.");
}

TEST_F(TeamWindow, ListSelectionsFollowTeamNumbersNotNames) {
  // Two teams of the same name: the second list entry is still the second team.
  lg.PlayerName[lg.Roster[3][0]] = lg.PlayerName[lg.Roster[2][0]];
  w.selectTeam(2);
  EXPECT_EQ(w.selectedTeam(), 3);
  w.selectPlayer(1);
  EXPECT_EQ(w.selectedRecord(), lg.Roster[3][2]);
}

TEST_F(TeamWindow, SwapInTwoSteps) {
  w.selectTeam(0);
  w.selectPlayer(1);
  int first = lg.Roster[1][2];
  EXPECT_EQ(w.buttonCaption(B::kSwapOrAdd), "&Swap");
  EXPECT_EQ(w.toolTip(B::kSwapOrAdd), "Click to swap bowlers between teams.");
  w.swapOrAdd();
  EXPECT_TRUE(w.swapMode());
  for (int b = 0; b <= 7; ++b) EXPECT_EQ(w.buttonShown(b), b == B::kSwapOrAdd) << b;
  EXPECT_EQ(w.swapLabel(),
            "Select the Team and Bowler or Sub to Swap for\r\n*VACANCY 102        \r\non Team\r\n"
            "TEAM 1              ");
  // Second choice: the substitute.
  w.setSubstituteMode(true);
  EXPECT_EQ(w.buttonCaption(B::kSwapOrAdd), "&Swap");
  w.selectPlayer(0);
  int sub = lg.SubList[1];
  w.swapOrAdd();
  EXPECT_FALSE(w.swapMode());
  EXPECT_FALSE(w.substituteMode());
  EXPECT_EQ(lg.Roster[1][2], sub);
  EXPECT_EQ(lg.SubList[1], first);
  EXPECT_TRUE(w.swapLabel().empty());
  for (int b = 0; b <= 7; ++b) EXPECT_TRUE(w.buttonShown(b));
}

TEST_F(TeamWindow, AddAndDropThroughTheButtons) {
  w.setSubstituteMode(true);
  w.swapOrAdd();
  EXPECT_EQ(lg.NumSubs, 2);
  w.setSubstituteMode(false);
  w.addTeam();
  EXPECT_EQ(lg.NumTeams, 5);
  EXPECT_EQ(w.selectedTeam(), 5);
  w.selectTeam(1);
  w.dropTeam();
  EXPECT_EQ(lg.NumTeams, 4);
  EXPECT_FALSE(TeamNumberInUse(2));
  EXPECT_EQ(lg.NumSubs, 5);
  w.selectTeam(0);
  w.selectPlayer(2);
  w.dropPlayer();
  EXPECT_EQ(lg.NumSubs, 6);
}

TEST_F(TeamWindow, DetailFieldsAreRangeChecked) {
  w.selectTeam(1);
  w.selectPlayer(0);
  int r = w.selectedRecord();
  TeamSetup::Fields d = w.fields();
  EXPECT_EQ(d.phone, "999-999-9999");
  EXPECT_EQ(d.startingAverage, 120);
  EXPECT_TRUE(d.avgAfterWeek1Offered);
  w.commitStartingAverage("350");
  EXPECT_EQ(lg.PlayerStat[r][kStartingAverage], 300);
  w.commitStartingAverage("", 1);  // spin up at the maximum stays there
  EXPECT_EQ(lg.PlayerStat[r][kStartingAverage], 300);
  w.commitStartingAverage("155");
  EXPECT_EQ(lg.PlayerStat[r][kCurrentAverage], 155);
  w.commitRecalcGames("60");
  EXPECT_EQ(lg.RecalcGames[r], 52);
  w.chooseCategory(1);
  EXPECT_EQ(w.fields().category, 0);
  w.setAvgAfterWeek1(true);
  EXPECT_EQ(lg.AvgAfterWeek1[r], True);
  lg.PlayerStat[r][kGamesPlayed] = 3;
  EXPECT_FALSE(w.fields().avgAfterWeek1Offered);
  w.setAvgAfterWeek1(false);
  EXPECT_EQ(lg.AvgAfterWeek1[r], True);
  w.commitPhone("555-0101");
  EXPECT_EQ(lg.PlayerPhone[r], "555-0101    ");
}

TEST_F(TeamWindow, ClosingRebuildsTheScheduleWhenTheTeamCountChanged) {
  int backups = 0;
  w.offerBackup = [&] { ++backups; };
  w.addTeam();
  w.addTeam();
  TeamSetup::CloseResult r = w.exitAndSave();
  EXPECT_EQ(backups, 1);
  EXPECT_TRUE(r.scheduleRebuilt);
  EXPECT_EQ(lg.NumLanes, 3);
  EXPECT_EQ(f.week(1).size(), 6u);
  // Cancelling with a reload brings back the saved league: no change, no schedule set-up.
  TeamSetup again;
  again.open();
  again.addTeam();
  f.io.answer(MsgAnswer::Yes);
  r = again.cancelChanges();
  EXPECT_EQ(f.io.shown.back().title, "CANCEL CHANGES?");
  EXPECT_FALSE(r.scheduleRebuilt);
  EXPECT_EQ(lg.NumTeams, 6);
}

// Week 5's scores of team 1 are entered; dropping or swapping the player who bowled them keeps
// them with that player, and cancelling with a re-load puts every score record back.
TEST(TeamWindowScores, EnteredScoresSurviveDropAndSwapAndCancelRestoresEveryRecord) {
  for (const bool swap : {false, true}) {
    test::ScriptedUserIO io;
    io.defaultAnswer = MsgAnswer::Yes;
    test::TempDir dir;
    test::BuildTestLeague(dir.path(), "DROP", 4);
    ASSERT_TRUE(test::ReloadLeague());
    {
      ScoreEntry e;
      ASSERT_EQ(e.open(), EntryOpen::Ready);
      ASSERT_TRUE(e.selectTeam(1));
      for (int g = 0; g < 3; ++g) ASSERT_TRUE(e.setScore(1, g, "150"));
      e.leaveWithoutProcessing();
    }
    const std::string scores = test::FileText(dir.file("DROP.scr"));
    const int bowler = lg.Roster[1][1];
    TeamSetup w;
    w.open();
    if (swap) {
      w.swapOrAdd();
      w.selectTeam(1);  // team 2, position 1
      w.swapOrAdd();
      ASSERT_EQ(lg.Roster[2][1], bowler);
    } else {
      w.dropPlayer();
      ASSERT_NE(lg.Roster[1][1], bowler);
    }
    Integer player = 0;
    ReadScore(5, 1, 1, player);
    EXPECT_EQ(player, bowler);
    EXPECT_EQ(lg.ScrGameScore[0], 150);
    ReadScore(6, 1, 1, player);
    EXPECT_EQ(player, lg.Roster[1][1]);  // later weeks follow the place
    w.cancelChanges();
    EXPECT_EQ(lg.Roster[1][1], bowler);
    EXPECT_TRUE(test::FileText(dir.file("DROP.scr")) == scores) << "swap " << swap;
  }
}

}  // namespace
}  // namespace tallmark
