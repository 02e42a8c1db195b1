#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "league/StatsFile.h"
#include "setup/StatsEditor.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

// The test league split in two sessions, the statistics editor open on PLAYER 1-1 (record 2).
class StatsEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::BuildTestLeague(dir.path(), "LEAGUE", 3);
    lg.NumSessions = 2;
    SaveLeague();
    editor.open();
  }

  // The value stored for record p, column c of session s.
  float stored(int s, int p, int c) {
    const std::string file = test::FileText(dir.file("LEAGUE.STT"));
    const std::size_t at = ((s - 1) * kSessionStatRecords + p * 28 + c) * 4;
    float value = 0;
    if (at + 4 <= file.size()) std::memcpy(&value, file.data() + at, 4);
    return value;
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
  StatsEditor editor;
};

// Choosing another session writes the section left; saving writes the one shown and leaves the
// session in progress in memory.
TEST_F(StatsEditorTest, SessionSwitchWritesTheSectionLeft) {
  ASSERT_EQ(editor.record(), 2);
  editor.commitColumn(kHighScratchGame, "250");
  EXPECT_EQ(stored(1, 2, kHighScratchGame), 200);
  editor.selectSession(1);
  EXPECT_EQ(stored(1, 2, kHighScratchGame), 250);
  EXPECT_EQ(editor.columnText(kHighScratchGame), "0");
  editor.commitColumn(kHighScratchGame, "180");
  editor.save();
  EXPECT_EQ(stored(2, 2, kHighScratchGame), 180);
  EXPECT_EQ(lg.CurrentSession, 1);
  EXPECT_EQ(lg.PlayerStat[2][kHighScratchGame], 250);
}

// "CANCEL CHANGES?": Yes loads the league again, No keeps the changes (another session's on disk).
TEST_F(StatsEditorTest, CancelReloadsOrKeeps) {
  editor.commitColumn(kGamesPlayed, "40");
  io.answer(MsgAnswer::Yes);
  EXPECT_TRUE(editor.cancel());
  EXPECT_EQ(io.shown.back().title, "CANCEL CHANGES?");
  EXPECT_EQ(lg.PlayerStat[2][kGamesPlayed], 9);

  editor.selectSession(1);
  editor.commitColumn(kGamesPlayed, "40");
  io.answer(MsgAnswer::No);
  EXPECT_FALSE(editor.cancel());
  EXPECT_EQ(stored(2, 2, kGamesPlayed), 40);
  EXPECT_EQ(lg.PlayerStat[2][kGamesPlayed], 9);
}

// The group options store 1 or 0 for bowlers and substitutes; a team's standing is not a group.
TEST_F(StatsEditorTest, GroupOptionsAndRecords) {
  editor.chooseGroup(0);
  EXPECT_EQ(lg.PlayerStat[2][kGroupOrStanding], 1);
  editor.chooseGroup(1);
  EXPECT_EQ(lg.PlayerStat[2][kGroupOrStanding], 0);
  editor.chooseKind(StatsEditor::kSubRecord);
  EXPECT_EQ(editor.playerList(), (std::vector<std::string>{"SUB 1", "SUB 2"}));
  editor.selectPlayer(1);
  EXPECT_EQ(editor.record(), 18);
  editor.chooseKind(StatsEditor::kTeamRecord);
  editor.selectTeam(2);
  EXPECT_EQ(editor.record(), 9);
  EXPECT_FALSE(editor.groupShown());
  editor.chooseGroup(1);
  EXPECT_EQ(lg.PlayerStat[9][kGroupOrStanding], 3);
}

// Boxes are range-checked; the upper bounds admit a team's season.
TEST_F(StatsEditorTest, BoxesKeepTheirRanges) {
  editor.commitColumn(kHighScratchGame, "99999");
  EXPECT_EQ(editor.columnText(kHighScratchGame), "6000");
  EXPECT_EQ(io.beeps, 1);
  editor.commitColumn(kTotalPins, "x");
  EXPECT_EQ(editor.columnText(kTotalPins), "1363.5");
  editor.commitColumn(kMatchPointsWon, "0");
  EXPECT_EQ(editor.columnText(kMatchPointsWon), "0");
  EXPECT_GE(StatsEditor::columnMaximum(kTotalPins), 52 * 12 * 20 * 300);
}

}  // namespace
}  // namespace tallmark
