// tallmark-cli info, run as a process on a league built by the test.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

class InfoCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildSmallLeague(dir.path());
    ASSERT_TRUE(SaveLeague());
    // The season's weeks in the results file, all position rounds: weeks 1 to 3 were played.
    ASSERT_EQ(WriteFileAtomic(dir.file("ACE.SEA"), std::string(30 * 52 * 6, '\0')), 0);
  }
  // Runs the tool with the folder as its program folder.
  Result run(const std::string& args) const {
    const std::string command = "TALLMARK_HOME='" + dir.path() + "' '" + TALLMARK_CLI + "' " +
                                args + " >'" + dir.file("out.txt") + "' 2>'" +
                                dir.file("err.txt") + "' </dev/null";
    int raw = std::system(command.c_str());
    Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, {}, {}};
    ReadWholeFile(dir.file("out.txt"), r.out);
    ReadWholeFile(dir.file("err.txt"), r.err);
    return r;
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(InfoCommandTest, PrintsTheLeagueAsText) {
  Result r = run("info '" + dir.file("ACE.CFG") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "League: ACE LEAGUE\n"
            "Sport: 10 Pin Bowling\n"
            "Size: 2 teams, 2 bowlers per team (2 each week), 1 substitute\n"
            "Week: 3 of 30\n"
            "Session: 1 of 1\n"
            "\n"
            "Team 1: SHARKS\n"
            "   1. ANN LEE\n"
            "   2. BOB ROY\n"
            "\n"
            "Team 2: JETS\n"
            "   1. CY YOUNG\n"
            "   2. JOS\u00c9 D\u00cdAZ\n"
            "\n"
            "Substitutes:\n"
            "   1. EVE SUB\n");
}

TEST_F(InfoCommandTest, PrintsTheLeagueAsJson) {
  // Found without regard to case; the league's files are named in capitals.
  Result r = run("info --json '" + dir.file("ace.cfg") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\n"
            "  \"league\": \"ACE LEAGUE\",\n"
            "  \"sport\": \"10 Pin Bowling\",\n"
            "  \"currentWeek\": 3,\n"
            "  \"numWeeks\": 30,\n"
            "  \"currentSession\": 1,\n"
            "  \"numSessions\": 1,\n"
            "  \"teams\": [\n"
            "    {\"number\": 1, \"name\": \"SHARKS\", \"players\": [\n"
            "      {\"position\": 1, \"index\": 1, \"name\": \"ANN LEE\"},\n"
            "      {\"position\": 2, \"index\": 2, \"name\": \"BOB ROY\"}\n"
            "    ]},\n"
            "    {\"number\": 2, \"name\": \"JETS\", \"players\": [\n"
            "      {\"position\": 1, \"index\": 4, \"name\": \"CY YOUNG\"},\n"
            "      {\"position\": 2, \"index\": 5, \"name\": \"JOS\u00c9 D\u00cdAZ\"}\n"
            "    ]}\n"
            "  ],\n"
            "  \"subs\": [\n"
            "    {\"number\": 1, \"index\": 6, \"name\": \"EVE SUB\"}\n"
            "  ]\n"
            "}\n");
}

TEST_F(InfoCommandTest, JsonEscapesQuotesAndBackslashes) {
  lg.BulletinText.clear();
  lg.LeagueName = "A\\B";
  lg.NumSubs = 0;
  ASSERT_TRUE(SaveLeague());
  Result r = run("info '" + dir.file("ACE.CFG") + "' --json");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"league\": \"A\\\\B\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"subs\": []"), std::string::npos) << r.out;
}

TEST_F(InfoCommandTest, WrongUsageExitsWithTwo) {
  EXPECT_EQ(run("info").status, 2);
  EXPECT_EQ(run("info '" + dir.file("ACE.CFG") + "' --xml").status, 2);
  Result r = run("info a.CFG b.CFG");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("usage: tallmark-cli info"), std::string::npos);
}

TEST_F(InfoCommandTest, FailuresExitWithOneAndAMessage) {
  Result missing = run("info '" + dir.file("NOPE.CFG") + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("File not found"), std::string::npos);
  EXPECT_EQ(missing.out, "");

  Result notCfg = run("info '" + dir.file("ACE.IDS") + "'");
  EXPECT_EQ(notCfg.status, 1);
  EXPECT_NE(notCfg.err.find(".CFG"), std::string::npos);

  std::string cfg;
  ASSERT_EQ(ReadWholeFile(dir.file("ACE.CFG"), cfg), 0);
  cfg.replace(0, 7, "\"95.1\"");
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.CFG"), cfg), 0);
  Result old = run("info '" + dir.file("ACE.CFG") + "'");
  EXPECT_EQ(old.status, 1);
  EXPECT_NE(old.err.find("ATTENTION"), std::string::npos);
  EXPECT_NE(old.err.find("version 95.1"), std::string::npos);
}

TEST_F(InfoCommandTest, MissingWeeksAreListedWithTheWayBack) {
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.SEA"), std::string(52 * 6 + 1, '\0')), 0);
  Result r = run("info --json '" + dir.file("ACE.CFG") + "'");
  EXPECT_EQ(r.status, 4);
  EXPECT_NE(r.out.find("\"damage\": [\n    \"WEEK 2 COULD NOT BE READ: ITS RESULTS ARE MISSING FROM "
                       "ACE.SEA\",\n    \"WEEK 3 COULD"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("File > Restore Backup"), std::string::npos) << r.err;
}

TEST_F(InfoCommandTest, DamagedLeagueIsReportedAsAFailure) {
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.RST"), "1\r\n2\r\n"), 0);
  Result r = run("info '" + dir.file("ACE.CFG") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Input past end of file"), std::string::npos);
}

}  // namespace
}  // namespace tallmark
