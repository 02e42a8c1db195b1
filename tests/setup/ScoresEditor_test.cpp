#include <gtest/gtest.h>

#include <vector>

#include "setup/ScoresEditor.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

// The test league of 4 teams of 3 with 3 weeks entered; the raw score editor open on it.
class ScoresEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::BuildTestLeague(dir.path(), "LEAGUE", 3);
    lg.NumExtraStats = 2;
    editor.open();
  }

  // The 44 bytes stored for (week, team, position).
  std::vector<unsigned char> stored(int week, int team, int position) {
    const std::string file = test::FileText(dir.file("LEAGUE.scr"));
    const std::size_t at = (ScoreRecordNumber(week, team, position) - 1) * 44u;
    return {file.begin() + static_cast<long>(at), file.begin() + static_cast<long>(at + 44)};
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
  ScoresEditor editor;
};

// A record edited through every control of the window is stored exactly as entered.
TEST_F(ScoresEditorTest, EveryEditIsStoredAtOnceToTheByte) {
  EXPECT_EQ(io.titles(), std::vector<std::string>{"IMPORTANT NOTICE"});
  editor.selectWeek(1);
  editor.selectPosition(1);  // week 2, team 1, position 2: record 3, scores 138 140 142
  ASSERT_EQ(editor.playerIndex(), 3);
  editor.choosePlayer(17);
  editor.chooseStatus(kSub);
  editor.selectGame(1);
  editor.commitBox(ScoresEditor::kScoreBox, " 215 ");
  editor.selectGame(2);
  editor.setFlag(true);
  editor.commitBox(ScoresEditor::kHandicapBox, "25");
  editor.commitBox(ScoresEditor::kWinsBox, "2.5");
  editor.selectExtra(1);
  editor.commitBox(ScoresEditor::kExtraBox, "7");
  const std::vector<unsigned char> expected = {
      17, 0, 25, 0, 50, 0, 1, 4, 0,                              // player, hcp, wins x 20, kind, mask
      138, 0, 215, 0, 142, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,      // games 1..8
      0, 0, 0, 0, 0, 0, 0, 0,                                    // games 9..12
      0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0};                          // extra statistics
  EXPECT_EQ(stored(2, 1, 2), expected);
  EXPECT_EQ(editor.boxText(ScoresEditor::kScoreBox), "142");  // the record was read again
  EXPECT_EQ(editor.boxText(ScoresEditor::kWinsBox), "2.5");
  editor.close();
  EXPECT_EQ(io.shown.back().text,
            "The changes you made have been saved on disk.\r\nThe only way to accurately "
            "restore the data will be to restore a backup of the data or use this same form to "
            "carefully restore the data you changed.");
}

// The flag of game 3 is bit 2 of the mask; clearing it leaves the other bits.
TEST_F(ScoresEditorTest, FlagOfGameThreeIsBitTwo) {
  editor.selectGame(0);
  editor.setFlag(true);
  editor.selectGame(2);
  editor.setFlag(true);
  EXPECT_EQ(stored(1, 1, 1)[7], 5);
  EXPECT_TRUE(editor.flag());
  editor.setFlag(false);
  EXPECT_EQ(stored(1, 1, 1)[7], 1);
  editor.selectGame(1);
  EXPECT_FALSE(editor.flag());
}

// Typed values pass the range check of their box before anything is written.
TEST_F(ScoresEditorTest, BoxesKeepTheirRanges) {
  struct Case {
    int box;
    const char* typed;
    Integer step;
    const char* shown;
    int beeps;
  };
  const Case cases[] = {
      {ScoresEditor::kScoreBox, "350", 0, "300", 1},  {ScoresEditor::kScoreBox, "12a", 0, "300", 0},
      {ScoresEditor::kScoreBox, "0", 0, "0", 0},      {ScoresEditor::kScoreBox, "0", -1, "0", 1},
      {ScoresEditor::kHandicapBox, "7", 1, "8", 0},   {ScoresEditor::kExtraBox, "300", 0, "255", 1},
      {ScoresEditor::kWinsBox, "1.33", 0, "1.3", 0},
  };
  for (const Case& c : cases) {
    const int beeps = io.beeps;
    editor.commitBox(c.box, c.typed, c.step);
    EXPECT_EQ(editor.boxText(c.box), c.shown) << c.typed;
    EXPECT_EQ(io.beeps - beeps, c.beeps) << c.typed;
  }
}

// Leaving the window without a change says nothing; choosing what is already there is no change.
TEST_F(ScoresEditorTest, NoClosingNoticeWithoutAChange) {
  const auto before = stored(1, 1, 1);
  editor.choosePlayer(editor.playerIndex());
  editor.chooseStatus(editor.status());
  editor.commitBox(ScoresEditor::kScoreBox, editor.boxText(ScoresEditor::kScoreBox));
  editor.close();
  EXPECT_FALSE(editor.changed());
  EXPECT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(stored(1, 1, 1), before);
}

// A free team number is listed as inactive, and its old records still can be corrected.
TEST_F(ScoresEditorTest, InactiveTeamStillEditable) {
  lg.Roster[2][0] = lg.Roster[2][1] = 0;  // team 2 dropped
  ScoresEditor e;
  e.open();
  EXPECT_EQ(e.teamList(), (std::vector<std::string>{"TEAM 1", "2 INACTIVE TEAM", "TEAM 3",
                                                      "TEAM 4"}));
  e.selectTeam(1);
  EXPECT_EQ(e.playerIndex(), 6);
  e.commitBox(ScoresEditor::kHandicapBox, "9");
  EXPECT_EQ(stored(1, 2, 1)[0], 6);
  EXPECT_EQ(stored(1, 2, 1)[2], 9);
}

// A forfeit keeps its stored scores through an edit even while the forfeit rule reads them as 0.
TEST_F(ScoresEditorTest, ForfeitScoresSurviveAnEdit) {
  lg.ForfeitRule = True;
  editor.chooseStatus(kForfeit);
  EXPECT_EQ(editor.boxText(ScoresEditor::kScoreBox), "134");
  editor.commitBox(ScoresEditor::kHandicapBox, "5");
  EXPECT_EQ(stored(1, 1, 1)[9], 134);
}

// Captions and lists follow the league and the sport's words.
TEST_F(ScoresEditorTest, CaptionsAndLists) {
  lg.SportTerm[4] = "Golfer";
  lg.SportTerm[9] = "Hole";
  EXPECT_EQ(ScoresEditor::statusCaption(kAbsent), "&E. Absent Golfer");
  EXPECT_EQ(ScoresEditor::statusCaption(kRovingSub), "&C. Roving Substitute");
  EXPECT_EQ(ScoresEditor::flagCaption(), "HOLES");
  EXPECT_EQ(editor.weekList(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(editor.playerList().size(), 19u);
  EXPECT_EQ(editor.extraList().size(), 2u);
  lg.NumExtraStats = 0;
  EXPECT_TRUE(editor.extraList().empty());
}

}  // namespace
}  // namespace tallmark
