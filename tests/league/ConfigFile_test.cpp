#include "league/ConfigFile.h"

#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

std::string Repeat(const std::string& line, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += line;
  return s;
}

int CountLines(const std::string& text) {
  int n = 0;
  for (std::size_t p = 0; (p = text.find("\r\n", p)) != std::string::npos; p += 2) ++n;
  return n;
}

// The configuration file of the small league, line by line.
std::string SmallLeagueConfig() {
  std::string s =
      "\"07.92\"\r\n"
      "\"ACE LEAGUE\",1,4\r\n"
      "-1,\"TBD\",\"President\"\r\n"
      "-1,\"TBD\",\"Vice Pres\"\r\n"
      "1,\"ANN LEE\",\"Secretary\"\r\n"
      "-1,\"TBD\",\"Treasurer\"\r\n"
      "2,2,1,0\r\n"            // roster size, teams, subs, handicap method
      "0,7,2,3,30,3\r\n"       // odd team, records, last team, week, weeks, games
      "1,2.5,0,1,1,0\r\n"      // lanes, fee unit, ..., start week, copies, schedule each week
      "1,1,0,0,1,1\r\n"
      "2,-2,0,0,1,1\r\n"
      "3,3,0,0,0\r\n"
      "0,-1,10,100,0\r\n"
      "0,0,-1,1,0,1\r\n"
      "\"Female\",\"Male\"\r\n"
      "-1\r\n-1\r\n" +
      Repeat("53\r\n0\r\n", 11) + "300\r\n" + Repeat("0\r\n", 12) +
      "\"FEES \",\"Weekly fees         \"\r\n" + Repeat("\"     \",\"                    \"\r\n", 9) +
      Repeat("80,180\r\n10,120\r\n80,10\r\n", 3) +
      "101\r\n102\r\n"                     // lane numbers of the two teams
      "200\r\n500\r\n600\r\n0\r\n"         // the standard award thresholds (column 0)
      "\"09/04/24\"\r\n\"09/11/24\"\r\n\"09/18/24\"\r\n" +
      Repeat("\"        \"\r\n", 49);
  return s;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildSmallLeague(dir.path()); }
  std::string cfgPath() const { return dir.file("ACE.CFG"); }
  void writeCfg(const std::string& text) const { ASSERT_EQ(WriteFileAtomic(cfgPath(), text), 0); }
  // Resets memory and loads ACE.CFG alone.
  bool reload() {
    InitLeagueData();
    lg.ProgramPath = lg.DataPath = dir.path();
    lg.FileName = "ACE";
    return ReadConfig();
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(ConfigFileTest, WritesTheLayoutByteForByte) {
  const std::string expected = SmallLeagueConfig();
  EXPECT_EQ(CountLines(expected), 129);  // 71 fixed lines + 2 lanes + 4 award lines + 52 dates
  EXPECT_EQ(ConfigText(), expected);
  ASSERT_TRUE(WriteConfig());
  std::string onDisk;
  ASSERT_EQ(ReadWholeFile(cfgPath(), onDisk), 0);
  EXPECT_EQ(onDisk, expected);
}

TEST_F(ConfigFileTest, ReadsBackEqual) {
  writeCfg(SmallLeagueConfig());
  ASSERT_TRUE(reload());
  EXPECT_EQ(lg.LeagueName, "ACE LEAGUE");
  EXPECT_EQ(lg.OfficerName[3], "ANN LEE");
  EXPECT_EQ(lg.OfficerPlayer[3], 1);
  EXPECT_EQ(lg.NumPlayerRecords, 7);
  EXPECT_EQ(lg.CurrentWeek, 3);
  EXPECT_FLOAT_EQ(lg.FeeUnit, 2.5f);
  EXPECT_EQ(lg.LaneNumber[2], 102);
  EXPECT_EQ(lg.WeekDate[3], "09/18/24");
  EXPECT_EQ(lg.ExtraStatName[0], "Weekly fees         ");
  EXPECT_EQ(lg.CategoryName[18], "Weekly fees         ");  // copied at its full length
  EXPECT_EQ(lg.SportTerm[0], "10 Pin Bowling");
  EXPECT_EQ(ConfigText(), SmallLeagueConfig());
  EXPECT_EQ(io.errorsReported(), 0);  // a file ending right after the week dates is complete
}

TEST_F(ConfigFileTest, IgnoresALineAfterTheWeekDates) {
  writeCfg(SmallLeagueConfig() + "\"extra\",1\r\n");
  EXPECT_TRUE(reload());
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(ConfigFileTest, NoTeamsWriteNoLaneLinesAndNoCustomAwardsFourAwardLines) {
  lg.NumTeams = 0;
  std::string text = ConfigText();
  EXPECT_EQ(CountLines(text), 127);
  // After the nine handicap lines come the four thresholds straight away.
  EXPECT_NE(text.find("80,10\r\n200\r\n500\r\n600\r\n0\r\n\"09/04/24\""), std::string::npos);

  lg.NumCustomAwards = 2;
  lg.CustomAward[0][2] = 1;
  lg.CustomAward[3][2] = 299;
  text = ConfigText();
  EXPECT_EQ(CountLines(text), 127 + 8);
  EXPECT_NE(text.find("600\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n299\r\n\"09/04/24\""),
            std::string::npos);
  ASSERT_TRUE(WriteConfig());
  ASSERT_TRUE(reload());
  EXPECT_EQ(lg.CustomAward[3][2], 299);
  EXPECT_EQ(lg.CustomAward[0][2], 1);
}

TEST_F(ConfigFileTest, NoHandicapValuesMakeAScratchLeague) {
  for (int g = 0; g <= 2; ++g) lg.PercentHandicap[g] = lg.ScratchBase[g] = 0;
  lg.HandicapMethod = -1;
  ASSERT_TRUE(WriteConfig());
  ASSERT_TRUE(reload());
  EXPECT_EQ(lg.HandicapMethod, 1);

  // One value left is enough to keep the method written.
  test::BuildSmallLeague(dir.path());
  for (int g = 0; g <= 2; ++g) lg.PercentHandicap[g] = lg.ScratchBase[g] = 0;
  lg.ScratchBase[2] = 540;
  lg.HandicapMethod = -1;
  ASSERT_TRUE(WriteConfig());
  ASSERT_TRUE(reload());
  EXPECT_EQ(lg.HandicapMethod, -1);
}

TEST_F(ConfigFileTest, TruncatedFileKeepsWhatWasReadAndReportsPastEnd) {
  std::string text = SmallLeagueConfig();
  // Cut after line 8: the counts of line 7 and 8 arrive, the rest keeps its defaults.
  std::size_t cut = 0;
  for (int i = 0; i < 8; ++i) cut = text.find("\r\n", cut) + 2;
  writeCfg(text.substr(0, cut));
  EXPECT_FALSE(reload());
  EXPECT_EQ(io.errorsReported(), 1);
  EXPECT_NE(io.shown.back().text.find("Input past end of file"), std::string::npos);
  EXPECT_EQ(lg.NumWeeks, 30);
  EXPECT_EQ(lg.GamesPerWeek, 3);
  EXPECT_EQ(lg.MaxPerTeam, 10);         // never read: keeps its value
  EXPECT_EQ(lg.WeekDate[1], "        ");
}

TEST_F(ConfigFileTest, CountsOutsideTheirLimitsAreReplacedAndReported) {
  std::string text = SmallLeagueConfig();
  text.replace(text.find("2,2,1,0\r\n"), 9, "2,300,-5,0\r\n");
  text.replace(text.find("1,1,0,0,1,1\r\n"), 13, "1,99,0,0,1,1\r\n");
  writeCfg(text);
  EXPECT_FALSE(reload());
  EXPECT_EQ(io.errorsReported(), 1);
  EXPECT_NE(io.shown.back().text.find("Subscript out of range"), std::string::npos);
  EXPECT_EQ(lg.NumTeams, 0);
  EXPECT_EQ(lg.NumSubs, 0);
  EXPECT_EQ(lg.CurrentSession, 1);
}

TEST_F(ConfigFileTest, DoubleQuotesInTextsAreNotWrittenAsQuotes) {
  lg.LeagueName = "THE \"ACES\"";
  ASSERT_TRUE(WriteConfig());
  ASSERT_TRUE(reload());
  EXPECT_EQ(lg.LeagueName, "THE _ACES_");
  EXPECT_EQ(lg.NumPlayerRecords, 7);  // the rest of the file still lines up
}

}  // namespace
}  // namespace tallmark
