#include "league/LeagueData.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tallmark {
namespace {

TEST(LeagueData, InitSetsTheDefaults) {
  lg.CurrentWeek = 9;
  lg.PlayerStat[5][3] = 7;
  InitLeagueData();
  EXPECT_EQ(lg.FileName, "NOT-OPEN");
  EXPECT_FALSE(LeagueOpen());
  EXPECT_EQ(lg.CurrentWeek, 0);
  EXPECT_EQ(lg.PlayerStat[5][3], 0.0f);
  EXPECT_EQ(lg.VersionString, "07.92");
  // Thresholds of the standard awards: 200, 3 x 5 x 300 / 9 = 500, 3 x 2 x 300 / 3 = 600, 0.
  EXPECT_EQ(lg.CustomAward[0][0], 200);
  EXPECT_EQ(lg.CustomAward[1][0], 500);
  EXPECT_EQ(lg.CustomAward[2][0], 600);
  EXPECT_EQ(lg.CustomAward[3][0], 0);
  EXPECT_EQ(lg.CategoryName[5], lg.CategoryName[3]);
  EXPECT_EQ(lg.CategoryName[2], "High Scratch Series");
  EXPECT_EQ(lg.CategoryName[12], "Total Pins plus Handicap");
  EXPECT_EQ(lg.CategoryCode[4], 11);
  EXPECT_EQ(lg.CategoryCode[10], 18);
  EXPECT_EQ(lg.CategoryCode[20], 0);
  EXPECT_EQ(lg.SplitWeek[0], -1);
  EXPECT_EQ(lg.SplitWeek[11], 53);
  EXPECT_EQ(lg.SplitWeek[12], 0);
  EXPECT_EQ(lg.ClassLimit[0], 300);
  EXPECT_EQ(lg.WeekDate[52], "        ");
  EXPECT_EQ(lg.OfficerTitle[4], "Treasurer");
  EXPECT_EQ(lg.OfficerPlayer[1], -1);
  EXPECT_EQ(lg.ScratchBase[2], 180);
  EXPECT_EQ(lg.GroupLabel[3], "Individual");
  EXPECT_EQ(lg.DataPath, lg.ProgramPath);
  EXPECT_EQ(lg.ProgramPath.back(), '/');
}

TEST(LeagueData, ProgramPathFollowsTallmarkHome) {
  const char* old = std::getenv("TALLMARK_HOME");
  std::string saved = old ? old : "";
  setenv("TALLMARK_HOME", "/tmp/somewhere", 1);
  InitLeagueData();
  EXPECT_EQ(lg.ProgramPath, "/tmp/somewhere/");
  if (old) setenv("TALLMARK_HOME", saved.c_str(), 1);
  else unsetenv("TALLMARK_HOME");
  InitLeagueData();
}

TEST(LeagueData, NamesAndTeams) {
  InitLeagueData();
  EXPECT_TRUE(IsFreeName("?xyz"));
  EXPECT_FALSE(IsFreeName(" ?"));
  EXPECT_TRUE(IsVacancyName("*VACANCY 1203       "));
  EXPECT_FALSE(IsVacancyName("VACANCY"));
  EXPECT_EQ(Fixed("ABC", 5), "ABC  ");
  EXPECT_EQ(Fixed("ABCDEFG", 5), "ABCDE");
  lg.Roster[3][0] = 4;
  lg.Roster[3][1] = 5;
  EXPECT_TRUE(TeamNumberInUse(3));
  EXPECT_FALSE(TeamNumberInUse(4));  // both 0
  EXPECT_FALSE(TeamNumberInUse(0));
  EXPECT_FALSE(TeamNumberInUse(101));
}

}  // namespace
}  // namespace tallmark
