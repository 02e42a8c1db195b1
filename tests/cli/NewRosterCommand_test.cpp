// The new and roster commands end to end: the tool is run as a program on a temporary folder
// and the league it leaves is loaded and checked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/LeagueLock.h"
#include "league/WeekFiles.h"
#include "setup/LeagueFixture.h"

namespace tallmark {
namespace {

struct CliRun : ::testing::Test {
  void SetUp() override {
    InitLeagueData();
    home = dir.path() + "home/";
    test::WriteTestProgramFolder(home);
    setenv("TALLMARK_HOME", home.c_str(), 1);
  }

  int run(const std::string& arguments) {
    ReleaseLeagueLock();  // the league this test read is let go, as a window closed
    std::string command = std::string(TALLMARK_CLI) + " " + arguments + " >" + dir.path() +
                          "out.txt 2>" + dir.path() + "err.txt </dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string err() {
    std::string s;
    ReadWholeFile(dir.path() + "err.txt", s);
    return s;
  }

  void load() {
    InitLeagueData();
    lg.ProgramPath = home;
    lg.DataPath = dir.path();
    lg.FileName = "CLUB";
    ASSERT_TRUE(LoadLeague());
  }

  std::string file(const std::string& name) {
    std::string s;
    ReadWholeFile(dir.path() + name, s);
    return s;
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
  std::string home;
};

TEST_F(CliRun, NewLeagueThenRoster) {
  ASSERT_EQ(run("new " + dir.path() + "CLUB --teams 8 --roster 4 --players 3 --subs 2 "
                "--weeks 30"),
            0)
      << err();
  load();
  EXPECT_EQ(lg.NumTeams, 8);
  EXPECT_EQ(lg.NumSubs, 2);
  EXPECT_EQ(lg.NumWeeks, 30);
  EXPECT_EQ(lg.ScratchBase[2], 540);
  EXPECT_EQ(lg.LaneNumber[8], 108);
  EXPECT_EQ(lg.PlayerName[lg.Roster[8][4]], "*VACANCY 804        ");
  ReadWeekResults(3);
  EXPECT_EQ(lg.LaneTeam[1], test::TemplateSlot(8, 2, 1));

  std::ofstream(dir.path() + "roster.csv")
      << "team,team name,position,name,group,phone,average,recalc,after week 1\n"
         "1,Strikers,1,Ann Lee,Female,555-0101,150,,no\n"
         "1,Strikers,2,Bo \"Boom\" Diaz,Male,,172,3,\n";
  ASSERT_EQ(run("roster " + dir.path() + "CLUB.CFG --file " + dir.path() + "roster.csv"), 0)
      << err();
  load();
  EXPECT_EQ(lg.PlayerName[lg.Roster[1][0]], "Strikers            ");
  EXPECT_EQ(lg.PlayerName[lg.Roster[1][1]], "Ann Lee             ");
  EXPECT_EQ(lg.PlayerName[lg.Roster[1][2]], "Bo _Boom_ Diaz      ");
  EXPECT_EQ(lg.RecalcGames[lg.Roster[1][2]], 3);

  // A refused row: the files stay byte for byte as they were.
  std::string ids = file("CLUB.IDS");
  std::string rst = file("CLUB.RST");
  std::string cfg = file("CLUB.CFG");
  std::ofstream(dir.path() + "bad.csv") << "1,,3,Cy Moss\n1,,4,*VACANCY 9\n";
  EXPECT_EQ(run("roster " + dir.path() + "CLUB.CFG --file " + dir.path() + "bad.csv"), 1);
  EXPECT_NE(err().find("line 2: a name starting with *VACANCY"), std::string::npos) << err();
  EXPECT_EQ(file("CLUB.IDS"), ids);
  EXPECT_EQ(file("CLUB.RST"), rst);
  EXPECT_EQ(file("CLUB.CFG"), cfg);
}

TEST_F(CliRun, NewRefusesBadSizesAndAnExistingLeague) {
  EXPECT_EQ(run("new " + dir.path() + "CLUB --teams 53 --roster 4 --players 3 --subs 0 --weeks 5"),
            2);
  EXPECT_EQ(run("new " + dir.path() + "CLUB --teams 8 --roster 4 --players 3 --weeks 5"), 2);
  EXPECT_EQ(run("new " + dir.path() + "CLUB --teams 8 --roster 4 --players 3 --subs 0 --weeks 5 "
                "--start 6"),
            2);
  ASSERT_EQ(run("new " + dir.path() + "CLUB.cfg --teams 4 --roster 2 --players 2 --subs 0 "
                "--weeks 5 --start 2"),
            0)
      << err();
  load();
  EXPECT_EQ(lg.CurrentWeek, 1);
  std::string cfg = file("CLUB.CFG");
  EXPECT_EQ(run("new " + dir.path() + "club --teams 6 --roster 2 --players 2 --subs 0 --weeks 5"),
            1);
  EXPECT_EQ(file("CLUB.CFG"), cfg);
  // A missing folder is made; a file where the folder should be is refused.
  EXPECT_EQ(run("new " + dir.path() + "a/b/CLUB --teams 4 --roster 2 --players 2 --subs 0 --weeks 5"),
            0) << err();
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() + "a/b/CLUB.CFG"));
  EXPECT_EQ(run("new " + dir.path() + "CLUB.CFG/X --teams 4 --roster 2 --players 2 --subs 0 --weeks 5"),
            1);
}

}  // namespace
}  // namespace tallmark
