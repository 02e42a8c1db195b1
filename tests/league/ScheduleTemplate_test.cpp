#include "league/ScheduleTemplate.h"

#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class ScheduleTemplateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.ProgramPath = std::string(TALLMARK_BUILD_DATA_DIR) + "/";
    lg.CurrentWeek = 4;
  }
  void ExpectNoTemplate() {
    EXPECT_EQ(lg.ScheduleWeek, 0);
    EXPECT_EQ(lg.ScheduleTemplate, 0);
    EXPECT_EQ(lg.ScheduleEachWeek, True);
  }
  test::ScriptedUserIO io;
};

TEST_F(ScheduleTemplateTest, UsedFor34TeamsButNotFor36Or7Or2) {
  lg.NumTeams = 34;
  ASSERT_TRUE(ReadScheduleTemplate());
  EXPECT_EQ(lg.ScheduleTemplate, 52);  // the round robin repeated over a whole season
  EXPECT_EQ(lg.ScheduleText.size(), 52u * 34);
  EXPECT_EQ(lg.ScheduleWeek, 4);
  EXPECT_EQ(lg.ScheduleEachWeek, False);
  for (Integer teams : {36, 7, 2, 0, -4}) {
    lg.NumTeams = teams;
    lg.ScheduleWeek = 9;
    lg.ScheduleTemplate = 9;
    lg.ScheduleEachWeek = False;
    ASSERT_TRUE(ReadScheduleTemplate());
    ExpectNoTemplate();
  }
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(ScheduleTemplateTest, MissingFileMeansWeeksEnteredByHandWithoutAnError) {
  test::TempDir dir;
  lg.ProgramPath = dir.path();
  lg.NumTeams = 8;
  ASSERT_TRUE(ReadScheduleTemplate());
  ExpectNoTemplate();
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(ScheduleTemplateTest, ReadsUpToTheEntryForTheLeaguesCount) {
  test::TempDir dir;
  lg.ProgramPath = dir.path();
  // Found without regard to case. 4 teams: 1 week "#$%&" (teams 1 2 3 4); 6 teams: 2 weeks.
  ASSERT_EQ(WriteFileAtomic(dir.file("schedule.dat"),
                            "\"first\"\r\n1,\"#$%&\"\r\n2,\"#$%&'(($'&#%\"\r\n"),
            0);
  lg.NumTeams = 6;
  ASSERT_TRUE(ReadScheduleTemplate());
  EXPECT_EQ(lg.ScheduleTemplate, 2);
  EXPECT_EQ(lg.ScheduleText, "#$%&'(($'&#%");
  EXPECT_EQ(TemplateTeam(lg.ScheduleText, 6, 0, 1), 1);
  EXPECT_EQ(TemplateTeam(lg.ScheduleText, 6, 0, 6), 6);
  EXPECT_EQ(TemplateTeam(lg.ScheduleText, 6, 1, 1), 6);
  EXPECT_EQ(TemplateTeam(lg.ScheduleText, 6, 1, 6), 3);
}

TEST_F(ScheduleTemplateTest, DamagedFileGivesNoTemplateAndIsReported) {
  test::TempDir dir;
  lg.ProgramPath = dir.path();
  ASSERT_EQ(WriteFileAtomic(dir.file("SCHEDULE.DAT"), "\"first\"\r\n1,\"#$%&\"\r\n"), 0);
  lg.NumTeams = 8;  // the file ends before the 8-team entry
  EXPECT_FALSE(ReadScheduleTemplate());
  ExpectNoTemplate();
  EXPECT_EQ(io.errorsReported(), 1);

  // A week count larger than the text holds is cut to the complete weeks.
  ASSERT_EQ(WriteFileAtomic(dir.file("SCHEDULE.DAT"), "\"first\"\r\n9,\"#$%&#$%\"\r\n"), 0);
  lg.NumTeams = 4;
  ASSERT_TRUE(ReadScheduleTemplate());
  EXPECT_EQ(lg.ScheduleTemplate, 1);
}

TEST_F(ScheduleTemplateTest, TeamsOutsideTheLeagueRefuseTheTemplate) {
  test::TempDir dir;
  lg.ProgramPath = dir.path();
  lg.NumTeams = 4;
  // Team 92 ("~"), team 5 ("'"), team 0 ("!") and team -2 (" ") in a 4-team week.
  for (const char* week : {"#$%~", "#$%'", "!$%&", "#$ &"}) {
    ASSERT_EQ(WriteFileAtomic(dir.file("SCHEDULE.DAT"),
                              std::string("\"x\"\r\n1,\"") + week + "\"\r\n"), 0);
    io.shown.clear();
    EXPECT_FALSE(ReadScheduleTemplate()) << week;
    ExpectNoTemplate();
    EXPECT_TRUE(lg.ScheduleText.empty());
    EXPECT_EQ(io.errorsReported(), 1) << week;
  }
}

TEST(TemplateTeam, CharacterCodeLess34AndTbdOutsideTheText) {
  const std::string text = "#$D!";  // 1, 2, 34 and 0 (no team)
  EXPECT_EQ(TemplateTeam(text, 2, 0, 1), 1);
  EXPECT_EQ(TemplateTeam(text, 2, 0, 2), 2);
  EXPECT_EQ(TemplateTeam("#$D", 34, 0, 3), 34);
  EXPECT_EQ(TemplateTeam(text, 2, 1, 2), kTbdTeam);   // "!" is no team
  EXPECT_EQ(TemplateTeam(text, 2, 1, 1), kTbdTeam);   // 34 is above 2 teams
  EXPECT_EQ(TemplateTeam(text, 2, 2, 1), kTbdTeam);   // past the text
  EXPECT_EQ(TemplateTeam(text, 2, -1, 1), kTbdTeam);
  EXPECT_EQ(TemplateTeam(text, 2, 0, 3), kTbdTeam);
  EXPECT_EQ(TemplateTeam(text, 0, 0, 1), kTbdTeam);
}

}  // namespace
}  // namespace tallmark
