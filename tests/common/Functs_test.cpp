#include "common/Functs.h"
#include "league/LeagueLookups.h"
#include "processing/RangeChecks.h"

#include <gtest/gtest.h>

#include <ctime>

#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"

namespace tallmark {
namespace {

TEST(NumberText, ShortestDecimalWithoutLeadingBlank) {
  EXPECT_EQ(NumberText(12), "12");
  EXPECT_EQ(NumberText(12.5), "12.5");
  EXPECT_EQ(NumberText(-3), "-3");
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(NumberText(164.3f), "164.3");     // a single's digits, not 164.300003
  EXPECT_EQ(NumberText(0.1), "0.1");
  EXPECT_EQ(NumberText(200000), "200000");    // plain, never 2e+05
  EXPECT_EQ(NumberText(1e20), "1E+20");
}

TEST(ReplaceChar, ReplacesEveryOccurrence) {
  std::string name = "Joe \"Ace\" Smith";
  ReplaceChar(name, '"', '_');
  EXPECT_EQ(name, "Joe _Ace_ Smith");
  ReplaceChar(name, 'x', 'y');
  EXPECT_EQ(name, "Joe _Ace_ Smith");
}

class RosterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.LastTeam = 2;
    lg.PlayersPerTeam = 3;
    lg.NumTeams = 4;
    for (int t = 1; t <= 2; ++t)
      for (int p = 0; p <= 3; ++p) lg.Roster[t][p] = static_cast<Integer>(t * 10 + p);
    lg.NumSubs = 2;
    lg.SubList[1] = 50;
    lg.SubList[2] = 51;
    lg.PlayerName[10] = Fixed("LUCKY STRIKES", 20);
    lg.PlayerName[20] = Fixed("PIN PALS", 20);
    lg.PlayerName[22] = Fixed("Ann Lee", 20);
    lg.PlayerName[51] = Fixed("LUCKY STRIKES", 20);
    lg.PlayerName[50] = Fixed("Bob Ray", 20);
  }
};

TEST_F(RosterTest, FindNameTakesTheTeamRecordBeforeASubstitute) {
  auto found = FindName(Fixed("LUCKY STRIKES", 20));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->player, 10);
  EXPECT_EQ(found->team, 1);
  EXPECT_EQ(found->position, 0);

  found = FindName("Bob Ray");  // padded to 20 characters
  ASSERT_TRUE(found);
  EXPECT_EQ(found->player, 50);
  EXPECT_EQ(found->team, 0);
  EXPECT_EQ(found->position, 1);

  found = FindName("Ann Lee");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->team, 2);
  EXPECT_EQ(found->position, 2);
  EXPECT_FALSE(FindName("Nobody"));
  EXPECT_FALSE(FindName("Ann Le"));  // all 20 characters must match
}

TEST_F(RosterTest, FindNameSkipsTeamsNotInUseAndDamagedIndexes) {
  lg.Roster[1][1] = lg.Roster[1][0];  // team 1 no longer in use
  lg.Roster[2][3] = 5000;
  auto found = FindName("LUCKY STRIKES");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->team, 0);
  EXPECT_EQ(found->player, 51);
}

TEST_F(RosterTest, OpponentIsTheTeamOnTheOtherSlotOfTheLanePair) {
  lg.LaneTeam[1] = 2;
  lg.LaneTeam[2] = 1;
  lg.LaneTeam[3] = 101;
  lg.LaneTeam[4] = 3;
  EXPECT_EQ(OpponentName(1), Fixed("PIN PALS", 20));
  EXPECT_EQ(OpponentName(2), Fixed("LUCKY STRIKES", 20));
  EXPECT_EQ(OpponentName(3), "");  // facing "TBD"
  EXPECT_EQ(OpponentName(7), "");  // not on the week
}

TEST(CheckRange, TakesAWholeNumberWithinTheLimits) {
  test::ScriptedUserIO io;
  EXPECT_EQ(CheckRange("12a", 40, 0, 300, 0), 40);
  EXPECT_EQ(io.beeps, 0);
  EXPECT_EQ(CheckRange("500", 40, 0, 300, 0), 300);
  EXPECT_EQ(io.beeps, 1);
  EXPECT_EQ(CheckRange(" 7 ", 40, 0, 300, 1), 8);
  EXPECT_EQ(CheckRange("7", 40, 0, 300, -1), 6);
  EXPECT_EQ(CheckRange("", 40, 0, 300, 1), 40);       // invalid: the step is not applied
  EXPECT_EQ(CheckRange("-5", 40, 0, 300, 0), 40);     // a sign is not a digit
  EXPECT_EQ(CheckRange("32768", 40, 0, 300, 0), 40);  // above 32767
  EXPECT_EQ(CheckRange("0000000000012", 40, 0, 300, 0), 12);
  EXPECT_EQ(CheckRange("32767", 40, 0, 32767, 1), 32767);  // no overflow past the maximum
  EXPECT_EQ(CheckRange("0", 40, 1, 300, -1), 1);
  EXPECT_EQ(io.beeps, 3);
}

TEST(CheckRangeDecimal, TakesAPositiveDecimalWithinTheLimits) {
  test::ScriptedUserIO io;
  InitLeagueData();
  EXPECT_FLOAT_EQ(CheckRangeDecimal(" 12.5 ", 3, 0, 300, 0, false), 12.5f);
  EXPECT_FLOAT_EQ(CheckRangeDecimal("12.5", 3, 0, 300, 1, false), 13.5f);
  EXPECT_FLOAT_EQ(CheckRangeDecimal("1.2.3", 3, 0, 300, 0, false), 3);
  EXPECT_FLOAT_EQ(CheckRangeDecimal("0", 3, 0, 300, 0, false), 3);  // only values above 0
  EXPECT_FLOAT_EQ(CheckRangeDecimal(".", 3, 0, 300, 0, false), 3);
  EXPECT_FLOAT_EQ(CheckRangeDecimal("1e5", 3, 0, 300, 0, false), 3);
  EXPECT_EQ(io.beeps, 0);
  EXPECT_FLOAT_EQ(CheckRangeDecimal("301", 3, 0, 300, 0, false), 300);
  EXPECT_FLOAT_EQ(CheckRangeDecimal("0.5", 3, 1, 300, 0, false), 1);
  EXPECT_EQ(io.beeps, 2);
  // With no decimals kept, 164.7 is cut to 164 (GameParam 2 = 0, 3 = 0: cut, not rounded).
  lg.GameParam[2] = 0;
  lg.GameParam[3] = 0;
  EXPECT_FLOAT_EQ(CheckRangeDecimal("164.7", 3, 0, 300, 0, true), 164);
  lg.GameParam[2] = 1;
  EXPECT_FLOAT_EQ(CheckRangeDecimal("164.37", 3, 0, 300, 0, true), 164.3f);
}

TEST(Dates, AcceptedFormsAndRealCalendarDays) {
  EXPECT_TRUE(IsValidDate("12/31/00"));
  EXPECT_TRUE(IsValidDate("1/5/24  "));
  EXPECT_TRUE(IsValidDate("02-29-2024"));
  EXPECT_TRUE(IsValidDate("02/29/00"));   // 2000 is a leap year
  EXPECT_FALSE(IsValidDate("02/29/99"));  // 1999 is not
  EXPECT_FALSE(IsValidDate("13/01/24"));
  EXPECT_FALSE(IsValidDate("04/31/24"));
  EXPECT_FALSE(IsValidDate("00/10/24"));
  EXPECT_FALSE(IsValidDate("        "));
  EXPECT_FALSE(IsValidDate("1/5/202"));
  EXPECT_FALSE(IsValidDate("1/5"));
  EXPECT_FALSE(IsValidDate("a/b/cd"));
  EXPECT_FALSE(IsValidDate("1/5/24/1"));
}

TEST(Dates, WeekDateOrTodayAsMonthDayYear) {
  InitLeagueData();
  lg.WeekDate[3] = "09/14/23";
  EXPECT_EQ(WeekDateText(3), "09/14/23");
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char today[16];
  std::strftime(today, sizeof today, "%m/%d/%y", &local);
  EXPECT_EQ(WeekDateText(4), today);  // 8 blanks
  lg.WeekDate[4] = "99/99/99";
  EXPECT_EQ(WeekDateText(4), today);
  EXPECT_EQ(WeekDateText(0), today);
  EXPECT_EQ(WeekDateText(60), today);
}

}  // namespace
}  // namespace tallmark
