#include "setup/NewSeason.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "support/LeagueFilesTest.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

namespace fs = std::filesystem;

using test::LeagueManagementTest;
using test::StoredStat;

class FreshStartTest : public LeagueManagementTest {
 protected:
  void SetUp() override {
    LeagueManagementTest::SetUp();
    SetNamesFromDialog(league(".CFG"));
    ASSERT_TRUE(LoadLeague());
  }
};

TEST_F(FreshStartTest, CarriesAveragesForwardAndClearsTheSeason) {
  const auto before = test::FolderFiles(dir.path());
  test::TempDir next;
  io.answer(MsgAnswer::Yes);
  ASSERT_TRUE(FreshStart([&] { return std::optional<std::string>(next.file("NEXT.CFG")); }));

  EXPECT_EQ(io.shown[0].title, "FRESH START WITH A NEW LEAGUE?");
  EXPECT_EQ(io.shown[0].text,
            "The setup of the current league will be saved to a new league.\r\nAre you sure you "
            "want to do this?");
  EXPECT_EQ(test::FolderFiles(dir.path()), before);  // the old season stays as it was
  EXPECT_EQ(lg.FileName, "NEXT");
  EXPECT_EQ(lg.CurrentWeek, 0);
  EXPECT_EQ(lg.StartWeek, 1);
  EXPECT_EQ(lg.NumWeeks, 10);
  EXPECT_EQ(lg.BulletinText, "");
  EXPECT_EQ(lg.NumClasses, 1);
  EXPECT_EQ(lg.ClassLimit[0], lg.GameParam[0]);

  // PLAYER 2-3 (record 8) ended the season at 140 + 20 + 3 + 0.5 = 163.5 with handicap
  // 30 - 2 - 3 = 25, in group 3 mod 2 = 1.
  const std::string stt = next.file("NEXT.STT");
  EXPECT_FLOAT_EQ(StoredStat(stt, 1, 8, kStartingAverage), 163.5f);
  EXPECT_FLOAT_EQ(StoredStat(stt, 1, 8, kCurrentAverage), 163.5f);
  EXPECT_FLOAT_EQ(StoredStat(stt, 1, 8, kCurrentHandicap), 25);
  EXPECT_FLOAT_EQ(StoredStat(stt, 1, 8, kGroupOrStanding), 1);
  for (int c : {kHighScratchGame, kMatchPointsWon, kTotalPins, kGamesPlayed})
    EXPECT_FLOAT_EQ(StoredStat(stt, 1, 8, c), 0) << c;
  EXPECT_FLOAT_EQ(lg.PlayerStat[8][kStartingAverage], 163.5f);
  EXPECT_FLOAT_EQ(lg.PlayerStat[8][kGamesPlayed], 0);
  // A team keeps its standing.
  EXPECT_FLOAT_EQ(StoredStat(stt, 1, 9, kGroupOrStanding), 3);
}

TEST_F(FreshStartTest, WritesBlankScoreRecordsForEveryWeek) {
  test::TempDir next;
  io.answer(MsgAnswer::Yes);
  ASSERT_TRUE(FreshStart([&] { return std::optional<std::string>(next.file("NEXT.CFG")); }));

  for (int w : {1, 2, 3, 52}) {
    for (int t = 1; t <= 4; ++t) {
      for (int p = 1; p <= 3; ++p) {
        Integer player = -5;
        ReadScore(w, t, p, player);
        EXPECT_EQ(player, lg.Roster[t][p]);
        EXPECT_EQ(lg.ScrGameScore[0] + lg.ScrGameScore[1] + lg.ScrGameScore[2], 0);
        EXPECT_EQ(lg.ScrPointsWon, 0);
        EXPECT_EQ(lg.ScrHandicap, 0);
      }
    }
  }
  // No score of the old season is left anywhere in the file: every record holds its player
  // index and zeros.
  const std::string scr = test::FileText(next.file("NEXT.scr"));
  ASSERT_EQ(scr.size() % 44, 0u);
  for (std::size_t off = 0; off < scr.size(); off += 44)
    for (std::size_t i = 2; i < 44; ++i) ASSERT_EQ(scr[off + i], 0) << off / 44 + 1;
}

TEST_F(FreshStartTest, AsksAgainUntilANewNameIsGiven) {
  test::TempDir next;
  io.answer(MsgAnswer::Yes);
  std::vector<std::optional<std::string>> answers = {
      league(".CFG"), league(".CFG"), next.file("NEXT.CFG")};
  std::size_t calls = 0;
  ASSERT_TRUE(FreshStart([&] { return answers.at(calls++); }));
  EXPECT_EQ(calls, 3u);
  int tries = 0;
  for (const auto& m : io.shown)
    if (m.text == "You must select a file name for the new league.\r\n\r\nTry Again") ++tries;
  EXPECT_EQ(tries, 2);
  EXPECT_EQ(lg.FileName, "NEXT");
}

TEST_F(FreshStartTest, AnsweredNoChangesNothing) {
  const auto before = test::FolderFiles(dir.path());
  io.answer(MsgAnswer::No);
  bool asked = false;
  EXPECT_FALSE(FreshStart([&] {
    asked = true;
    return std::optional<std::string>();
  }));
  EXPECT_FALSE(asked);
  EXPECT_EQ(lg.FileName, "LEAGUE");
  EXPECT_EQ(lg.CurrentWeek, 3);
  EXPECT_EQ(test::FolderFiles(dir.path()), before);
}

TEST_F(FreshStartTest, BacksUpTheOldSeasonFirstWhenAutoBackupIsOn) {
  lg.AutoBackup = True;
  test::TempDir next;
  io.answer(MsgAnswer::Yes);
  ASSERT_TRUE(FreshStart([&] { return std::optional<std::string>(next.file("NEXT.CFG")); }));
  EXPECT_TRUE(FileExists(dir.file("&EAGUE.Z03")));
}

}  // namespace
}  // namespace tallmark
