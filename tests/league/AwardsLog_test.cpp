#include "league/AwardsLog.h"

#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class AwardsLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.DataPath = dir.path();
    lg.FileName = "ACE";
  }
  std::string Log() {
    std::string data;
    ReadWholeFile(dir.file("ACE.SPC"), data);
    return data;
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST(AwardsLogStr, NonNegativeNumbersGetOneLeadingBlank) {
  EXPECT_EQ(Str(210), " 210");
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(2.5), " 2.5");
  EXPECT_EQ(Str(-3), "-3");
}

TEST_F(AwardsLogTest, FreshLogHoldsOneLineEndingInTheNextWeek) {
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.SPC"), "old awards\r\n"), 0);
  lg.CurrentWeek = 0;
  ASSERT_TRUE(StartAwardsLog());
  EXPECT_EQ(Log(), "SPECIAL AWARDS LOG STARTED ON WEEK 1\r\n");
  lg.CurrentWeek = 11;
  ASSERT_TRUE(StartAwardsLog());
  EXPECT_EQ(Log(), "SPECIAL AWARDS LOG STARTED ON WEEK 12\r\n");
}

TEST_F(AwardsLogTest, AwardsAreAnnouncedAndAppendedOneLineEach) {
  ASSERT_TRUE(StartAwardsLog());
  lg.AwardPopups = True;
  ASSERT_TRUE(AppendAwardsLog("John Doe bowled a 210 game", 5));
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].title, "CONGRATULATIONS");
  EXPECT_EQ(io.shown[0].text, "John Doe bowled a 210 game");
  EXPECT_EQ(io.shown[0].buttons, MsgButtons::Ok);

  lg.AwardPopups = False;  // no box, the line is still logged
  ASSERT_TRUE(AppendAwardsLog("Ann Lee earned a Triple Score Award", 12));
  EXPECT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(Log(),
            "SPECIAL AWARDS LOG STARTED ON WEEK 1\r\n"
            "John Doe bowled a 210 game in week 5.\r\n"
            "Ann Lee earned a Triple Score Award in week 12.\r\n");
}

TEST_F(AwardsLogTest, AppendsToTheLogWhateverTheCaseOfItsName) {
  ASSERT_EQ(WriteFileAtomic(dir.file("ace.spc"), "X\r\n"), 0);
  lg.AwardPopups = False;
  ASSERT_TRUE(AppendAwardsLog("Y", 1));
  std::string data;
  ASSERT_EQ(ReadWholeFile(dir.file("ace.spc"), data), 0);
  EXPECT_EQ(data, "X\r\nY in week 1.\r\n");
}

TEST_F(AwardsLogTest, FailedAppendIsReported) {
  lg.DataPath = dir.file("missing/");
  lg.AwardPopups = False;
  EXPECT_FALSE(AppendAwardsLog("Y", 1));
  EXPECT_EQ(io.errorsReported(), 1);
}

}  // namespace
}  // namespace tallmark
