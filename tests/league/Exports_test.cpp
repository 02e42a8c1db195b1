#include "league/Exports.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

const std::string kHeading =
    "\"League Code: ABC-12\",\" \",\" \",\" \"\r\n"
    "\"Secretary: PAT KELLY\",\" \",\" \",\" \"\r\n"
    "\"Phone: 555-000-1002\",\" \",\" \",\" \"\r\n"
    "\" \",\" \",\" \",\" \"\r\n"
    "\"NAME\",\"GAMES BOWLED\",\"TOTAL PINS\",\"AVERAGE\"\r\n";

class ExportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::BuildTestLeague(dir.path(), "LEAGUE", 2);
    lg.OfficerName[3] = "PAT KELLY";
    io.defaultAnswer = MsgAnswer::Yes;
  }
  std::string Export(int index, std::optional<std::string> code = "ABC-12") {
    io.answerInput(code);
    EXPECT_TRUE(ExportAverages(index));
    return test::FileText(AveragesFileName(index));
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(ExportsTest, AveragesFileNames) {
  EXPECT_EQ(AveragesFileName(0), dir.file("$1AGUE.CSV"));
  EXPECT_EQ(AveragesFileName(2), dir.file("$3AGUE.CSV"));
  lg.FileName = "AB";
  EXPECT_EQ(AveragesFileName(1), dir.file("$2.CSV"));
  lg.FileName = "L";  // only the first character can be replaced
  EXPECT_EQ(AveragesFileName(1), dir.file("$.CSV"));
  EXPECT_EQ(RawScoresFileName(), dir.file("L.CSV"));
}

TEST_F(ExportsTest, TeamsExportListsTheTeamRecords) {
  // Team t's record holds the average 450 + t and no games.
  EXPECT_EQ(Export(2), kHeading +
                           "\"TEAM 1              \",0,0,451\r\n"
                           "\"TEAM 2              \",0,0,452\r\n"
                           "\"TEAM 3              \",0,0,453\r\n"
                           "\"TEAM 4              \",0,0,454\r\n");
  EXPECT_EQ(io.shown[0].title, "EXPORT FINAL AVERAGES");
  EXPECT_EQ(io.shown[0].text, "The file " + dir.file("$3AGUE.CSV") +
                                  " of final averages is about to be created. Are you sure you "
                                  "want to do this?");
  EXPECT_EQ(io.shown[1].title, "LEAGUE CODE");
  EXPECT_EQ(io.shown[1].text, "The league code assigned to your league");
  EXPECT_EQ(io.shown.back().text, "Created averages file: " + dir.file("$3AGUE.CSV"));
}

TEST_F(ExportsTest, BowlersExportsWithAndWithoutSubstitutes) {
  // PLAYER 1-1: average 140 + 10 + 1 + 0.5 = 151.5 over 2 weeks of 3 games: 6 games, 909 pins.
  const std::string first = "\"PLAYER 1-1          \",6,909,151.5\r\n";
  // PLAYER 4-3: 140 + 40 + 3 + 0.5 = 183.5, 6 x 183.5 = 1101 pins.
  const std::string last = "\"PLAYER 4-3          \",6,1101,183.5\r\n";
  const std::string subs = "\"SUB 1               \",0,0,131\r\n\"SUB 2               \",0,0,132\r\n";

  const std::string bowlers = Export(0);
  ASSERT_EQ(bowlers.substr(0, kHeading.size() + first.size()), kHeading + first);
  ASSERT_GE(bowlers.size(), last.size());
  EXPECT_EQ(bowlers.substr(bowlers.size() - last.size()), last);
  EXPECT_EQ(std::count(bowlers.begin(), bowlers.end(), '\n'), 5 + 12);

  const std::string withSubs = Export(1);
  EXPECT_EQ(withSubs, bowlers + subs);
}

TEST_F(ExportsTest, NoSecretaryRecordAndNoCode) {
  lg.OfficerPlayer[3] = -1;
  const std::string text = Export(2, "");
  const std::string first = "\"League Code: Not Applicable\",\" \",\" \",\" \"\r\n";
  EXPECT_EQ(text.substr(0, first.size()), first);
  EXPECT_NE(text.find("\r\n\"Phone: \",\" \",\" \",\" \"\r\n"), std::string::npos);
  EXPECT_EQ(Export(2, std::nullopt).substr(0, 29), "\"League Code: Not Applicable\"");
}

TEST_F(ExportsTest, NamesThatLookLikeFormulasStayText) {
  lg.PlayerName[lg.Roster[2][0]] = Fixed("=HYPERLINK(1)", 20);
  lg.PlayerName[lg.Roster[3][0]] = Fixed("@SUM", 20);
  const std::string text = Export(2);
  EXPECT_NE(text.find("\r\n\"'=HYPERLINK(1)       \",0,0,452\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n\"'@SUM                \",0,0,453\r\n"), std::string::npos);
  EXPECT_EQ(SpreadsheetSafe("+1"), "'+1");
  EXPECT_EQ(SpreadsheetSafe("-1"), "'-1");
  EXPECT_EQ(SpreadsheetSafe("A=1"), "A=1");
}

TEST_F(ExportsTest, DeclinedExportWritesNothing) {
  io.answer(MsgAnswer::No);
  EXPECT_FALSE(ExportAverages(0));
  io.answer(MsgAnswer::No);
  EXPECT_FALSE(ExportRawScores());
  EXPECT_FALSE(FileExists(AveragesFileName(0)));
  EXPECT_FALSE(FileExists(RawScoresFileName()));
}

TEST_F(ExportsTest, OneCharacterLeagueName) {
  test::TempDir other;
  test::BuildTestLeague(other.path(), "L", 1);
  io.answerInput("X");
  ASSERT_TRUE(ExportAverages(0));
  EXPECT_TRUE(FileExists(other.file("$.CSV")));
}

const std::string kRawHeader =
    "\"WEEK NO., TEAM NAME, OPPOSING TEAM, BOWLER NAME, HANDICAP, POINTS WON, TYPE, GAME 1 SCORE, "
    "GAME 1 CREDIT, GAME 2 SCORE, GAME 2 CREDIT, GAME 3 SCORE, GAME 3 CREDIT\"\r\n";

TEST_F(ExportsTest, RawScoresLines) {
  // Week 1, team 1: position 2 has no credit for game 2; position 3 was a vacancy.
  lg.ScrEntryKind = kRegular;
  lg.ScrHandicap = 12;
  lg.ScrPointsWon = 1.5f;
  lg.ScrNoCreditMask = 2;
  for (int g = 0; g < 3; ++g) lg.ScrGameScore[g] = test::TestScore(1, 1, 2, g);
  WriteScore(1, 1, 2, lg.Roster[1][2]);
  lg.ScrNoCreditMask = 0;
  lg.ScrEntryKind = kVacancy;
  lg.ScrHandicap = 0;
  lg.ScrPointsWon = 0;
  lg.ScrGameScore = {120, 120, 120};
  WriteScore(1, 1, 3, lg.Roster[1][3]);

  ASSERT_TRUE(ExportRawScores());
  EXPECT_EQ(io.shown[0].title, "EXPORT RAW SCORES");
  EXPECT_EQ(io.shown[0].text, "The file " + dir.file("LEAGUE.CSV") +
                                  " of the raw scores from week 1 to week 2 is about to be "
                                  "created. Are you sure you want to do this?");
  EXPECT_EQ(io.shown.back().text, "Created raw scores file: " + dir.file("LEAGUE.CSV"));
  const std::string text = test::FileText(dir.file("LEAGUE.CSV"));
  // Scores are 120 + 10t + 3p + 2g + w: team 1, position 1, week 1 -> 134, 136, 138.
  const std::string team1 =
      "\"1, TEAM 1              , TEAM 2              , PLAYER 1-1          , 11, 1.5, Regular, "
      "134, Yes, 136, Yes, 138, Yes\"\r\n"
      "\"1, TEAM 1              , TEAM 2              , PLAYER 1-2          , 12, 1.5, Regular, "
      "137, Yes, 139, NO, 141, Yes\"\r\n"
      "\"1, TEAM 1              , TEAM 2              , PLAYER 1-3          , 0, 0, Vacancy, "
      "120, NO, 120, NO, 120, NO\"\r\n";
  ASSERT_EQ(text.substr(0, kRawHeader.size() + team1.size()), kRawHeader + team1);
  // 2 weeks x 4 teams x 3 players.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 24);
  // Week 2 pairs team 2 (slot 3) with team 4 (slot 4): team 2, position 1 -> 125 + 20 + 3 + 2.
  EXPECT_NE(text.find("\"2, TEAM 2              , TEAM 4              , PLAYER 2-1          , "
                      "11, 1.5, Regular, 145, Yes, 147, Yes, 149, Yes\"\r\n"),
            std::string::npos);
  EXPECT_EQ(lg.LaneTeam[2], 3);  // the current week is in memory again
}

TEST_F(ExportsTest, UnearnedScoresEarnCreditWhenTheyCount) {
  lg.UnearnedInTeamStats = -2;
  lg.ScrEntryKind = kAbsent;
  lg.ScrNoCreditMask = 4;
  lg.ScrGameScore = {150, 150, 150};
  WriteScore(2, 4, 1, lg.Roster[4][1]);
  ASSERT_TRUE(ExportRawScores());
  EXPECT_NE(test::FileText(dir.file("LEAGUE.CSV")).find(", Absent, 150, Yes, 150, Yes, 150, NO\""),
            std::string::npos);
}

TEST_F(ExportsTest, RawScoresBeforeTheFirstWeekHoldOnlyTheHeader) {
  lg.StartWeek = 3;
  ASSERT_TRUE(ExportRawScores());
  EXPECT_NE(io.shown[0].text.find(" from week 3 to week 2 is about"), std::string::npos);
  EXPECT_EQ(test::FileText(dir.file("LEAGUE.CSV")), kRawHeader);
}

}  // namespace
}  // namespace tallmark
