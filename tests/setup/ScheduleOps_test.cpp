#include <gtest/gtest.h>

#include "setup/LeagueFixture.h"
#include "setup/ScheduleOps.h"
#include "setup/TeamOps.h"

namespace tallmark {
namespace {

using test::LeagueFixture;
using test::TemplateSlot;

std::vector<int> TemplateWeek(int n, int k) {
  std::vector<int> week;
  for (int s = 1; s <= n; ++s) week.push_back(TemplateSlot(n, k, s));
  return week;
}

const std::vector<int> kAllTbd10(10, kTbdTeam);

TEST(Schedule, TemplateWeeksThenTbdOnceTheTemplateRunsOut) {
  // 10 teams: the template has 9 weeks; weeks 10 to 30 are all "TBD".
  LeagueFixture f;
  f.build(10, 2, 2, 0, 30);
  EXPECT_EQ(lg.NumWeeks, 30);
  EXPECT_EQ(lg.NumLanes, 5);
  for (int w = 1; w <= 9; ++w) EXPECT_EQ(f.week(w), TemplateWeek(10, w - 1)) << w;
  for (int w = 10; w <= 30; ++w) EXPECT_EQ(f.week(w), kAllTbd10) << w;
  EXPECT_EQ(lg.ScheduleEachWeek, False);
}

TEST(Schedule, RebuildAfterFourScoredWeeksContinuesTheTemplateAtWeekFour) {
  LeagueFixture f;
  f.build(8, 2, 2, 0, 10);
  // Week 3 played differently from the template; weeks 5.. edited by hand.
  lg.LaneTeam = {};
  for (int s = 1; s <= 8; ++s) lg.LaneTeam[s] = static_cast<Integer>(9 - s);
  WriteWeekResults(3);
  WriteWeekResults(6);
  lg.CurrentWeek = 4;
  SetUpSchedule();
  EXPECT_EQ(lg.NumWeeks, 10);
  EXPECT_EQ(f.week(3), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(f.week(4), TemplateWeek(8, 3));
  for (int w = 5; w <= 7; ++w) EXPECT_EQ(f.week(w), TemplateWeek(8, w - 1)) << w;
  EXPECT_EQ(f.week(8), std::vector<int>(8, kTbdTeam));  // 7 template weeks only
}

TEST(Schedule, GrowingFromEightToTenTeamsAfterSixWeeks) {
  LeagueFixture f;
  f.build(8, 2, 2, 0, 20);
  lg.CurrentWeek = 6;
  ASSERT_TRUE(AddTeam());
  ASSERT_TRUE(AddTeam());
  SetUpSchedule();
  EXPECT_EQ(lg.NumLanes, 5);
  EXPECT_EQ(lg.NumWeeks, 20);
  for (int w = 1; w <= 6; ++w) {
    std::vector<int> expected = TemplateWeek(8, w - 1);
    expected.push_back(kTbdTeam);
    expected.push_back(kTbdTeam);
    EXPECT_EQ(f.week(w), expected) << w;
  }
  for (int w = 7; w <= 9; ++w) EXPECT_EQ(f.week(w), TemplateWeek(10, w - 1)) << w;
  EXPECT_EQ(f.week(10), kAllTbd10);
}

TEST(Schedule, GrowingAfterOnlyTheFirstWeekMarksItsNewSlotsUnscheduled) {
  LeagueFixture f;
  f.build(4, 1, 1, 0, 6);
  lg.CurrentWeek = 1;
  ASSERT_TRUE(AddTeam());
  ASSERT_TRUE(AddTeam());
  SetUpSchedule();
  std::vector<int> expected = TemplateWeek(4, 0);
  expected.push_back(kTbdTeam);
  expected.push_back(kTbdTeam);
  EXPECT_EQ(f.week(1), expected);
}

TEST(Schedule, OddTeamCountsAndLargeLeaguesStartAsTbd) {
  LeagueFixture f;
  f.build(7, 1, 1, 0, 3);
  EXPECT_EQ(lg.OddTeam, -1);
  EXPECT_EQ(lg.NumLanes, 3);
  EXPECT_EQ(lg.ScheduleEachWeek, True);
  EXPECT_EQ(f.week(2), std::vector<int>(6, kTbdTeam));
}

TEST(Schedule, DropAndInsertWeeks) {
  LeagueFixture f;
  f.build(8, 1, 1, 0, 8);
  std::vector<std::vector<int>> before;
  for (int w = 1; w <= 8; ++w) before.push_back(f.week(w));
  // Dropping week 5 of 8 moves weeks 6..8 to 5..7.
  ASSERT_TRUE(DropWeek(5));
  EXPECT_EQ(lg.NumWeeks, 7);
  for (int w = 5; w <= 7; ++w) EXPECT_EQ(f.week(w), before[w]) << w;
  // Dropping the last week only lowers the count.
  ASSERT_TRUE(DropWeek(7));
  EXPECT_EQ(lg.NumWeeks, 6);
  // Inserting after week 3: weeks 4..6 move to 5..7, week 4 is all "POS".
  ASSERT_TRUE(InsertPositionWeek(3));
  EXPECT_EQ(lg.NumWeeks, 7);
  EXPECT_EQ(f.week(4), std::vector<int>(8, kPositionTeam));
  EXPECT_EQ(f.week(5), before[3]);
  EXPECT_EQ(f.week(7), before[6]);
  EXPECT_EQ(f.week(3), before[2]);
}

TEST(Schedule, ScoredWeeksAndFullSeasonsAreRefused) {
  LeagueFixture f;
  f.build(4, 1, 1, 0, 52);
  lg.CurrentWeek = 3;
  EXPECT_FALSE(DropWeek(3));
  EXPECT_EQ(f.io.shown.back().text, "A WEEK FOR WHICH SCORES HAVE BEEN ENTERED CAN'T BE DROPPED.");
  EXPECT_FALSE(AddWeek(53));
  EXPECT_EQ(f.io.shown.back().text, "NUMBER OF WEEKS AT MAXIMUM; CAN'T ADD ANOTHER WEEK");
  EXPECT_FALSE(InsertPositionWeek(10));
  EXPECT_EQ(f.io.shown.back().text,
            "NUMBER OF WEEKS AT MAXIMUM. YOU MUST DROP A WEEK BEFORE A POSITION WEEK CAN BE "
            "INSERTED IN THE SCHEDULE");
  ASSERT_TRUE(DropWeek(52));
  // Inserting in front of a scored week would part it from its scores.
  std::vector<int> week2 = f.week(2);
  EXPECT_FALSE(InsertPositionWeek(1));
  EXPECT_EQ(f.week(2), week2);
  EXPECT_EQ(lg.NumWeeks, 51);
  EXPECT_TRUE(InsertPositionWeek(3));
  EXPECT_EQ(f.week(4), std::vector<int>(4, kPositionTeam));
}

TEST(Schedule, CellTexts) {
  EXPECT_EQ(SlotText(0), "POS");
  EXPECT_EQ(SlotText(7), "7");
  EXPECT_EQ(SlotText(100), "100");
  EXPECT_EQ(SlotText(101), "TBD");
  EXPECT_EQ(SlotText(150), "TBD");
  int t = -1;
  EXPECT_TRUE(SlotValue("POS", t));
  EXPECT_EQ(t, 0);
  EXPECT_TRUE(SlotValue("tbd", t));
  EXPECT_EQ(t, 101);
  EXPECT_TRUE(SlotValue(" 6.6", t));
  EXPECT_EQ(t, 7);
  EXPECT_FALSE(SlotValue("six", t));
}

}  // namespace
}  // namespace tallmark
