#include <gtest/gtest.h>

#include "setup/LeagueFixture.h"
#include "setup/ScheduleSetup.h"
#include "setup/TeamOps.h"

namespace tallmark {
namespace {

using Key = ScheduleSetup::Key;
using test::LeagueFixture;

struct ScheduleWindow : ::testing::Test {
  void SetUp() override {
    f.build(8, 1, 1, 0, 10);
    lg.CurrentWeek = 3;
    s.open();
  }
  LeagueFixture f;
  ScheduleSetup s;
};

TEST_F(ScheduleWindow, GridShowsLaneNumbersAndWeeks) {
  EXPECT_EQ(s.caption(), "BOWLING SCHEDULE SETUP");
  EXPECT_TRUE(s.referenceButtonShown());
  EXPECT_EQ(s.weeksLabel(), "Weeks to Bowl: 10");
  EXPECT_EQ(s.teamsLabel(), "Teams: 8");
  EXPECT_EQ(s.rowCount(), 11);
  EXPECT_EQ(s.columnCount(), 9);
  EXPECT_EQ(s.cell(0, 1), "101");
  EXPECT_EQ(s.cell(0, 8), "108");
  EXPECT_EQ(s.cell(2, 0), "2");
  EXPECT_EQ(s.cell(2, 1), std::to_string(test::TemplateSlot(8, 1, 1)));
  EXPECT_EQ(s.cell(9, 3), "TBD");
  EXPECT_FALSE(s.rowEditable(3));
  EXPECT_TRUE(s.rowEditable(4));
}

TEST_F(ScheduleWindow, KeysMoveTheEditorAndSkipScoredWeeks) {
  EXPECT_EQ(s.row(), 0);
  EXPECT_EQ(s.column(), 1);
  s.key(Key::Down);  // rows 1..3 are scored: straight to week 4
  EXPECT_EQ(s.row(), 4);
  s.key(Key::Up);  // from the first unscored week straight back to the lane numbers
  EXPECT_EQ(s.row(), 0);
  s.key(Key::Up);  // above the top: the last week
  EXPECT_EQ(s.row(), 10);
  s.key(Key::Down);  // below the bottom: the lane numbers
  EXPECT_EQ(s.row(), 0);
  s.key(Key::PageDown);
  EXPECT_EQ(s.row(), 10);
  s.key(Key::Up);
  EXPECT_EQ(s.row(), 9);
  s.key(Key::PageUp);
  EXPECT_EQ(s.row(), 0);
  s.key(Key::Left);  // before the first slot: the last one
  EXPECT_EQ(s.column(), 8);
  s.key(Key::Enter);
  EXPECT_EQ(s.column(), 1);
  s.key(Key::End);
  EXPECT_EQ(s.column(), 8);
  s.key(Key::Home);
  EXPECT_EQ(s.column(), 1);
  s.key(Key::Right, true);  // with Shift, Ctrl or Alt held keys do nothing
  EXPECT_EQ(s.column(), 1);
  s.moveTo(2, 3);  // a scored week cannot be edited
  EXPECT_EQ(s.row(), 4);
  EXPECT_EQ(s.column(), 3);
}

TEST_F(ScheduleWindow, CellRules) {
  s.moveTo(5, 1);
  std::string first = s.cell(5, 1);
  std::string third = s.cell(5, 3);
  s.setEditText("0");
  s.commit();
  EXPECT_EQ(s.cell(5, 1), "POS");
  s.setEditText("150");
  s.commit();
  EXPECT_EQ(s.cell(5, 1), "TBD");
  s.setEditText(first);
  s.commit();
  EXPECT_EQ(s.cell(5, 1), first);
  // A team already in the week changes places with the cell's old contents.
  s.setEditText(third);
  s.commit();
  EXPECT_EQ(s.cell(5, 1), third);
  EXPECT_EQ(s.cell(5, 3), first);
  // Not a team of the league, or not a number: refused with a beep.
  int beeps = f.io.beeps;
  s.setEditText("9");
  s.commit();
  s.setEditText("abc");
  s.commit();
  EXPECT_EQ(s.cell(5, 1), third);
  EXPECT_EQ(f.io.beeps, beeps + 2);
  // Escape brings the cell's text back.
  s.setEditText("4");
  s.key(Key::Escape);
  EXPECT_EQ(s.editText(), third);
}

TEST_F(ScheduleWindow, LaneNumbersStayWithinOneTo500) {
  s.moveTo(0, 2);
  s.setEditText("501");
  s.commit();
  EXPECT_EQ(s.cell(0, 2), "102");
  s.setEditText("0");
  s.commit();
  EXPECT_EQ(s.cell(0, 2), "102");
  s.setEditText("500");
  s.commit();
  EXPECT_EQ(s.cell(0, 2), "500");
  EXPECT_EQ(lg.LaneNumber[2], 102);  // only saving takes it
  s.save();
  EXPECT_EQ(lg.LaneNumber[2], 500);
}

TEST_F(ScheduleWindow, SavingWritesUnscoredWeeksAndMarksTbd) {
  std::vector<int> week2 = f.week(2);
  s.moveTo(6, 1);
  s.setEditText("TBD");
  s.moveTo(6, 2);
  s.setEditText("POS");
  s.save();
  std::vector<int> week6 = f.week(6);
  EXPECT_EQ(week6[0], kTbdTeam);
  EXPECT_EQ(week6[1], kPositionTeam);
  EXPECT_EQ(f.week(2), week2);
  EXPECT_EQ(lg.ScheduleEachWeek, True);
}

TEST_F(ScheduleWindow, ADroppedTeamIsShownAsAMissingTeamInUnscoredWeeks) {
  ASSERT_TRUE(DropTeam(2));
  f.io.answer(MsgAnswer::No);  // no dummy team for the odd league
  s.open();
  EXPECT_EQ(lg.NumTeams, 7);
  // Team 2 no longer plays: unscored weeks show instead the first team in use missing from the
  // week; with every other team there, a position slot.
  std::vector<int> week5 = f.week(5);
  for (int slot = 1; slot <= 8; ++slot) {
    if (week5[slot - 1] == 2) { EXPECT_EQ(s.cell(5, slot), "POS"); }
  }
  std::vector<int> week1 = f.week(1);
  for (int slot = 1; slot <= 8; ++slot) {
    if (week1[slot - 1] == 2) { EXPECT_EQ(s.cell(1, slot), "2"); }
  }
}

TEST_F(ScheduleWindow, ButtonsAskAndActOnTheSelectedWeek) {
  s.moveTo(7, 1);
  f.io.answer(MsgAnswer::No);
  s.dropWeek();
  EXPECT_EQ(lg.NumWeeks, 10);
  EXPECT_EQ(f.io.shown.back().text, "Drop week 7 from the schedule");
  EXPECT_EQ(f.io.shown.back().title, "DROP A WEEK");
  s.dropWeek();
  EXPECT_EQ(lg.NumWeeks, 9);
  s.insertPositionWeek();
  EXPECT_EQ(f.io.shown.back().text, "Insert a position week after current week 7");
  EXPECT_EQ(lg.NumWeeks, 10);
  EXPECT_EQ(s.cell(8, 1), "POS");
  s.addWeek();
  EXPECT_EQ(lg.NumWeeks, 11);
  EXPECT_EQ(s.rowCount(), 12);
  s.referenceSchedule();
  EXPECT_EQ(f.io.shown.back().text,
            "Are you sure you want to replace the schedule from week 4 to the end of the season "
            "with a standard reference schedule?");
  EXPECT_EQ(s.cell(5, 1), std::to_string(test::TemplateSlot(8, 4, 1)));
}

// The lane numbers and the week count are kept in the configuration; what the window leaves on
// disk must load back whole.
TEST_F(ScheduleWindow, SavingStoresLaneNumbersAndTheWeekCount) {
  s.addWeek();
  s.moveTo(0, 3);
  s.setEditText("27");
  s.moveTo(11, 2);
  s.setEditText("POS");
  s.save();
  InitLeagueData();
  lg.ProgramPath = f.dir.path() + "prog/";
  lg.DataPath = f.dir.path();
  lg.FileName = "LEAGUE";
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(lg.NumWeeks, 11);
  EXPECT_EQ(lg.LaneNumber[3], 27);
  EXPECT_EQ(lg.LaneNumber[4], 104);
  EXPECT_EQ(f.week(11)[1], kPositionTeam);
}

TEST_F(ScheduleWindow, CancelKeepsWeeksAlreadyStoredButNotTheGridsEdits) {
  s.moveTo(0, 1);
  s.setEditText("44");
  s.moveTo(7, 1);
  s.insertPositionWeek();  // after week 7: week 8 all "POS", NumWeeks 11
  s.cancel();
  InitLeagueData();
  lg.ProgramPath = f.dir.path() + "prog/";
  lg.DataPath = f.dir.path();
  lg.FileName = "LEAGUE";
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(lg.NumWeeks, 11);
  EXPECT_EQ(lg.LaneNumber[1], 101);
  EXPECT_EQ(f.week(8), std::vector<int>(8, kPositionTeam));
}

TEST(ScheduleWindowOdd, DummyTeamForAnOddLeague) {
  LeagueFixture f;
  f.build(7, 2, 2, 0, 6);
  ScheduleSetup s;
  f.io.answer(MsgAnswer::Yes);
  s.open();
  EXPECT_EQ(f.io.shown.front().title, "WILL THE ODD TEAM BOWL EACH WEEK?");
  EXPECT_EQ(f.io.shown.front().text,
            "There is an odd number of teams.\r\n\r\nShould a dummy team be added to the league "
            "so the odd team can bowl each week?");
  EXPECT_EQ(lg.NumTeams, 8);
  EXPECT_EQ(lg.PlayerName[lg.Roster[8][0]], "TEAM 8              ");
  EXPECT_EQ(s.columnCount(), 9);
  EXPECT_EQ(s.cell(1, 1), std::to_string(test::TemplateSlot(8, 0, 1)));
}

}  // namespace
}  // namespace tallmark
