// Looking at an earlier week in the score entry, the labels of the team shown, and the printed
// forms with the question that chooses them.
#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/WeekFiles.h"
#include "processing/ScoreEntry.h"
#include "support/ScriptedUserIO.h"
#include "ScoreEntryLeague.h"

namespace tallmark {
namespace {

// The entry league with week 1 already processed: teams 1-2 and 3-4 on lanes 1-2 and 3-4 in
// week 1, teams 1-3 and 2-4 in week 2. Week 1's records hold handicaps other than today's.
class ScoreEntryRecap : public ::testing::Test {
 protected:
  void SetUp() override {
    test::MakeEntryLeague(dir);
    for (int s = 1; s <= 4; ++s) lg.LaneNumber[s] = static_cast<Integer>(s);
    for (int t = 1; t <= 4; ++t) {
      for (int j = 1; j <= 3; ++j) {
        lg.ScrEntryKind = kRegular;
        lg.ScrHandicap = static_cast<Integer>(10 * t + j);
        lg.ScrGameScore.fill(0);
        lg.ScrExtraStat.fill(0);
        lg.ScrNoCreditMask = 0;
        for (int g = 0; g < 3; ++g) lg.ScrGameScore[g] = static_cast<Integer>(100 + 10 * t + j + g);
        WriteScore(1, t, j, lg.Roster[t][j]);
      }
    }
    lg.WeekDate[1] = "09/09/25";
    lg.TeamPointsWeek = {0, 3.5f, 0.5f, 4, 0};
    lg.TeamHandicapWeek = {0, 66, 72, 99, 111};
    ASSERT_TRUE(WriteWeekResults(1));
    lg.LaneTeam[1] = 1, lg.LaneTeam[2] = 3, lg.LaneTeam[3] = 2, lg.LaneTeam[4] = 4;
    lg.TeamPointsWeek.fill(0);
    lg.TeamHandicapWeek.fill(0);
    ASSERT_TRUE(WriteWeekResults(2));
    lg.CurrentWeek = 1;
  }

  std::string Scores() {
    std::string bytes;
    ReadWholeFile(dir.file("ENTRY.scr"), bytes);
    return bytes;
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(ScoreEntryRecap, AnEarlierWeekIsShownAsStoredAndCannotBeChanged) {
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  EXPECT_EQ(e.weeksToShow(), (std::vector<int>{1, 2}));
  ASSERT_TRUE(e.selectTeam(2));
  ASSERT_TRUE(e.setScore(1, 0, "200"));
  EXPECT_EQ(e.laneText(), "Lane 3-4");
  EXPECT_EQ(e.opponentName(), "TEAM 4");

  ASSERT_TRUE(e.showWeek(1));  // team 2's week 2 rows are stored first
  std::string stored = Scores();
  EXPECT_TRUE(e.viewingEarlierWeek());
  EXPECT_EQ(e.currentTeam(), 2);
  EXPECT_EQ(e.weekText(), "Results for week 1 of 10");
  EXPECT_EQ(e.laneText(), "Lane 1-2");
  EXPECT_EQ(e.opponentName(), "TEAM 1");
  EXPECT_EQ(e.shownDate(), "09/09/25");
  // Slot 2 of team 2: player 22, stored handicap 22 (today 54), games 122 123 124.
  EXPECT_EQ(e.cellText(2, 1), lg.PlayerName[22]);
  EXPECT_EQ(e.cellText(2, 2), "22");
  EXPECT_EQ(e.cellText(2, 3), "140");
  EXPECT_EQ(e.cellText(2, 4), "122");
  EXPECT_EQ(e.cellText(2, 6), "123");
  EXPECT_EQ(e.cellText(2, 8), "124");
  EXPECT_EQ(e.cellText(2, 10), "369");
  // The handicap row shows the week's stored team handicap: 72 a game, 216 the series.
  EXPECT_EQ(e.cellText(5, 4), "72");
  EXPECT_EQ(e.cellText(5, 10), "216");

  int beeps = io.beeps;
  EXPECT_FALSE(e.setScore(1, 0, "250"));
  EXPECT_FALSE(e.enterCell(1, 0, "Regular - Absent"));
  EXPECT_FALSE(e.setExtraStat(1, 0, "3"));
  EXPECT_EQ(io.beeps, beeps + 3);
  e.setForfeit(true);
  EXPECT_FALSE(e.forfeited());
  EXPECT_EQ(e.cellText(1, 4), "121");
  ASSERT_TRUE(e.selectTeam(3));
  EXPECT_EQ(e.laneText(), "Lane 3-4");
  EXPECT_EQ(e.cellText(4, 1), kSubTotalCaption);
  EXPECT_EQ(e.cellText(4, 4), "396");  // 131 + 132 + 133
  EXPECT_EQ(Scores(), stored);         // looking stores nothing

  // Back on week 2: its teams and team 3's never-entered rows, team 2's typed score kept.
  ASSERT_TRUE(e.showWeek(2));
  EXPECT_FALSE(e.viewingEarlierWeek());
  EXPECT_EQ(e.currentTeam(), 3);
  EXPECT_EQ(e.opponentName(), "TEAM 1");
  EXPECT_EQ(e.cellText(1, 4), "0");
  EXPECT_EQ(e.row(1).handicap, 45);
  ASSERT_TRUE(e.selectTeam(2));
  EXPECT_EQ(e.row(1).games[0], 200);
  EXPECT_TRUE(e.setScore(1, 1, "190"));
  EXPECT_FALSE(e.showWeek(3));
  EXPECT_FALSE(e.showWeek(0));
}

TEST_F(ScoreEntryRecap, LeavingFromAnEarlierWeekStoresTheEntryWeek) {
  {
    ScoreEntry e;
    ASSERT_EQ(e.open(), EntryOpen::Ready);
    ASSERT_TRUE(e.selectTeam(4));
    e.setForfeit(true);
    ASSERT_TRUE(e.showWeek(1));
    EXPECT_FALSE(e.forfeited());  // team 4 played week 1
    EXPECT_EQ(e.leaveAndProcess(), EntryLeave::Kept);  // one team of four complete
    EXPECT_TRUE(io.sawTitle(kMissingResultsTitle));
  }
  EXPECT_EQ(lg.CompleteSlots, 1);
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  ASSERT_TRUE(e.selectTeam(4));
  EXPECT_TRUE(e.forfeited());
  EXPECT_EQ(e.statusText(), "Results entered for 1 of the 4 teams");
}

TEST_F(ScoreEntryRecap, ThePrintQuestionChoosesTeamsAndExtraRows) {
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  ASSERT_TRUE(e.selectTeam(3));
  io.answer(MsgAnswer::Yes);
  io.answerInput("2");
  std::optional<PrintRequest> r = e.askPrintForms();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->teams, (std::vector<Integer>{1, 3, 2, 4}));
  EXPECT_EQ(r->extraRows, 2);
  ASSERT_EQ(io.shown.size(), 2u);
  EXPECT_EQ(io.shown[0].title, "PRINT DATA ENTRY FORMS");
  EXPECT_EQ(io.shown[0].text,
            "To start the printing, click on:\r\n\r\nYES - a form for each team\r\n"
            "NO - a form for this team only\r\nCANCEL - Abort the printing");
  EXPECT_EQ(io.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(io.shown[1].title, "ADD EXTRA BLANK ROWS");
  EXPECT_EQ(io.shown[1].text, "How many do you want on each form (0 -  3)?");

  io.answer(MsgAnswer::No);
  io.answerInput("9");  // cut to PlayersPerWeek with a beep
  int beeps = io.beeps;
  r = e.askPrintForms();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->teams, (std::vector<Integer>{3}));
  EXPECT_EQ(r->extraRows, 3);
  EXPECT_EQ(io.beeps, beeps + 1);

  io.answer(MsgAnswer::No);
  io.answerInput(std::nullopt);  // a cancelled input box: no extra rows
  EXPECT_EQ(e.askPrintForms()->extraRows, 0);
  io.answer(MsgAnswer::Cancel);
  EXPECT_FALSE(e.askPrintForms());

  // An earlier week's results are printed without being asked for extra rows.
  ASSERT_TRUE(e.showWeek(1));
  std::size_t asked = io.shown.size();
  io.answer(MsgAnswer::No);
  r = e.askPrintForms();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->extraRows, 0);
  EXPECT_EQ(io.shown.size(), asked + 1);
}

TEST_F(ScoreEntryRecap, DataEntryFormsLeaveTheScoresBlankAndRecapsShowThem) {
  ScoreEntry e;
  ASSERT_EQ(e.open(), EntryOpen::Ready);
  ASSERT_TRUE(e.selectTeam(1));
  ASSERT_TRUE(e.setScore(1, 0, "180"));
  EntryForm f = e.printedForm(3, 2);
  EXPECT_EQ(e.currentTeam(), 1);  // the team shown stays
  EXPECT_EQ(e.row(1).games[0], 180);
  EXPECT_EQ(f.heading, (std::vector<std::string>{"Week 2 of 10", "TEAM 3 against TEAM 1"}));
  ASSERT_EQ(f.headers.size(), 13u);
  EXPECT_EQ(f.headers[4], "1Gm");
  EXPECT_EQ(f.headers[12], "FEES");
  EXPECT_EQ(f.widths[1], 20);
  ASSERT_EQ(f.cells.size(), 3u + 2 + 3);  // players, blank rows, totals
  EXPECT_EQ(f.cells[0][0], "Regular");
  EXPECT_EQ(f.cells[0][2], "45");
  EXPECT_EQ(f.cells[0][3], "150");
  EXPECT_EQ(f.cells[0][4], "");
  EXPECT_EQ(f.cells[3], std::vector<std::string>(13));
  EXPECT_EQ(f.cells[5][1], kSubTotalCaption);
  EXPECT_EQ(f.cells[5][4], "");
  EXPECT_EQ(f.cells[6][1], kHandicapCaption);
  EXPECT_EQ(f.cells[6][4], "135");  // 45 + 45 + 45
  EXPECT_EQ(f.cells[7][1], kTotalWithHandicapCaption);
  EXPECT_EQ(f.footing[0].substr(0, 5), "Won: ");
  EXPECT_EQ(f.footing[1].substr(0, 8), "Signed: ");

  ASSERT_TRUE(e.showWeek(1));
  f = e.printedForm(2, 0);
  EXPECT_EQ(e.currentTeam(), 1);
  EXPECT_EQ(f.heading[1], "TEAM 2 against TEAM 1");
  ASSERT_EQ(f.cells.size(), 6u);
  EXPECT_EQ(f.cells[0][4], "121");
  EXPECT_EQ(f.cells[3][4], "366");  // 121 + 122 + 123
  EXPECT_EQ(f.cells[5][4], "438");  // with the stored handicap 72
  EXPECT_EQ(f.footing, (std::vector<std::string>{"Won: 0.5"}));
}

TEST(ScoreEntryTexts, ToolTipsAndCaptionsUseTheSportsTerms) {
  InitLeagueData();
  lg.SportTerm = {"Curling", "Curl", "Curled", "Curling", "Curler",
                  "Curlers", "Point", "Sheet", "Match", "End"};
  EXPECT_EQ(IncompleteBoxCaption(), "&Incomplete Ends");
  EXPECT_EQ(EntryTipText(EntryTip::IncompleteBox), "Check this box if not all Ends completed");
  EXPECT_EQ(EntryTipText(EntryTip::Incomplete), "Any incomplete Ends or other unearned Points?");
  EXPECT_EQ(EntryTipText(EntryTip::PlayerName), "Select a Curler from this list");
  EXPECT_EQ(EntryTipText(EntryTip::Process), "Click here to exit and process data");
}

}  // namespace
}  // namespace tallmark
