// The rules of a row of the weekly score entry: the refusals with their exact texts, the
// standing-in scores, the forfeit box, and the team handicap of every method.
#include <gtest/gtest.h>

#include "processing/ScoreEntry.h"
#include "support/ScriptedUserIO.h"
#include "ScoreEntryLeague.h"

namespace tallmark {
namespace {

class ScoreEntryRules : public ::testing::Test {
 protected:
  void SetUp() override {
    test::MakeEntryLeague(dir);
    ASSERT_EQ(entry.open(), EntryOpen::Ready);
  }
  // Enters three games for the row.
  void Games(int slot, const char* a, const char* b, const char* c) {
    ASSERT_TRUE(entry.setScore(slot, 0, a));
    ASSERT_TRUE(entry.setScore(slot, 1, b));
    ASSERT_TRUE(entry.setScore(slot, 2, c));
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
  ScoreEntry entry;
};

TEST_F(ScoreEntryRules, PlayerTypeRefusalsShowTheWindowsTexts) {
  ASSERT_TRUE(entry.selectTeam(1));
  EXPECT_FALSE(entry.setPlayerType(1, kVacancy));
  EXPECT_FALSE(entry.setPlayerType(2, kForfeit));
  ASSERT_EQ(io.shown.size(), 2u);
  EXPECT_EQ(io.shown[0].text,
            "A vacancy can only be selected if the player listed in this row of the spreadsheet "
            "is a vacancy");
  EXPECT_EQ(io.shown[1].text,
            "A forfeit can only be selected with the check box next to the team name on this "
            "form.");
  EXPECT_EQ(entry.row(1).type, kRegular);
  EXPECT_EQ(entry.row(2).type, kRegular);

  // Team 4's third row lists the vacancy record: it is shown as a vacancy, takes "Vacancy", and
  // refuses a roving substitute.
  ASSERT_TRUE(entry.selectTeam(4));
  EXPECT_EQ(entry.row(3).player, 43);
  EXPECT_EQ(entry.row(3).type, kVacancy);
  EXPECT_FALSE(entry.setPlayerType(3, kRovingSub));
  EXPECT_EQ(io.shown.back().text, "A vacancy cannot be selected as a roving sub");
  EXPECT_TRUE(entry.setPlayerType(3, kVacancy));
}

TEST_F(ScoreEntryRules, SubstituteRefusedWhenTheLeagueHasNone) {
  ASSERT_TRUE(entry.selectTeam(2));
  EXPECT_TRUE(entry.setPlayerType(1, kSub));
  EXPECT_EQ(entry.playerListTitle(1), " SELECT SUB");
  EXPECT_EQ(entry.playerChoices(1), std::vector<Integer>{50});
  EXPECT_TRUE(entry.choosePlayer(1, 50));
  EXPECT_EQ(entry.row(1).handicap, 60);
  EXPECT_EQ(entry.row(1).average, 130);

  lg.NumSubs = 0;
  io.shown.clear();
  EXPECT_FALSE(entry.setPlayerType(2, kSub));
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].text,
            "No substitute bowlers have been established. To enter a substitute Bowler, exit "
            "this form and select TEAMS AND SUBS from the Edit menu");
}

TEST_F(ScoreEntryRules, NameListsFollowThePlayerType) {
  ASSERT_TRUE(entry.selectTeam(1));
  EXPECT_EQ(entry.playerListTitle(1), " SELECT TEAM MEMBER");
  EXPECT_EQ(entry.playerChoices(1), (std::vector<Integer>{11, 12, 13}));
  ASSERT_TRUE(entry.setPlayerType(1, kRovingSub));
  EXPECT_EQ(entry.playerListTitle(1), " SELECT ROVING SUB");
  // Members of the other teams, without the vacancy record 43.
  EXPECT_EQ(entry.playerChoices(1), (std::vector<Integer>{21, 22, 23, 31, 32, 33, 41, 42}));
  EXPECT_FALSE(entry.choosePlayer(1, 43));
  EXPECT_FALSE(entry.choosePlayer(1, 12));  // a team member is not a roving sub
  EXPECT_EQ(io.beeps, 2);
  EXPECT_TRUE(entry.choosePlayer(1, 22));
  EXPECT_EQ(entry.row(1).player, 22);
}

TEST_F(ScoreEntryRules, AbsentAndVacancyRowsGetTheirScoresAndLoseExtraStats) {
  ASSERT_TRUE(entry.selectTeam(1));
  ASSERT_TRUE(entry.setExtraStat(1, 0, "5"));
  // Player 11 averages 150: absent scores 150 - 10 = 140 each game.
  ASSERT_TRUE(entry.setPlayerType(1, kAbsent));
  EXPECT_EQ(entry.row(1).games[0], 140);
  EXPECT_EQ(entry.row(1).games[2], 140);
  EXPECT_EQ(entry.row(1).extra[0], 0);
  // Ten per cent less: Int(0.9 x 160 + 0.5) = 144 for player 12.
  lg.AbsenteeIsPercent = True;
  ASSERT_TRUE(entry.setPlayerType(2, kAbsent));
  EXPECT_EQ(entry.row(2).games[1], 144);
  // Choosing another absent member recomputes for that player: Int(0.9 x 170 + 0.5) = 153.
  ASSERT_TRUE(entry.choosePlayer(2, 13));
  EXPECT_EQ(entry.row(2).games[0], 153);

  ASSERT_TRUE(entry.selectTeam(4));
  ASSERT_TRUE(entry.setPlayerType(3, kVacancy));
  EXPECT_EQ(entry.row(3).games[0], 120);
  EXPECT_EQ(entry.row(3).total(), 360);
}

TEST_F(ScoreEntryRules, ScoresAndExtraStatisticsWithinTheirLimits) {
  ASSERT_TRUE(entry.selectTeam(1));
  EXPECT_TRUE(entry.setScore(1, 0, "300"));
  for (const char* bad : {"301", "-5", "12a", "", " 1", "99999999999"}) {
    EXPECT_FALSE(entry.setScore(1, 0, bad)) << bad;
    EXPECT_EQ(entry.row(1).games[0], 300) << bad;  // the cell keeps its value
  }
  EXPECT_FALSE(entry.setScore(1, 3, "100"));  // no fourth game
  EXPECT_EQ(io.beeps, 7);
  EXPECT_TRUE(io.shown.empty());

  EXPECT_TRUE(entry.setExtraStat(1, 1, "63"));
  EXPECT_FALSE(entry.setExtraStat(1, 1, "64"));
  EXPECT_FALSE(entry.setExtraStat(1, 1, "x"));
  ASSERT_EQ(io.shown.size(), 2u);
  EXPECT_EQ(io.shown[0].text,
            "Extra statistics must be between 0 and 63. See the help file for more information "
            "on this.");
  EXPECT_EQ(io.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(entry.row(1).extra[1], 63);
}

TEST_F(ScoreEntryRules, ForfeitBoxSetsEveryRowAndCountsAsComplete) {
  ASSERT_TRUE(entry.selectTeam(2));
  Games(1, "100", "110", "120");
  ASSERT_TRUE(entry.setExtraStat(1, 0, "3"));
  EXPECT_FALSE(entry.teamComplete());
  entry.setForfeit(true);
  EXPECT_TRUE(entry.forfeited());
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(entry.row(j).type, kForfeit);
    EXPECT_EQ(entry.row(j).total(), 0);
    EXPECT_EQ(entry.row(j).extra[0], 0);
    EXPECT_EQ(entry.row(j).handicap, 54);
  }
  EXPECT_TRUE(entry.teamComplete());
  EXPECT_FALSE(entry.setScore(1, 0, "150"));  // a forfeiting team's rows are not edited
  entry.setForfeit(false);
  EXPECT_FALSE(entry.forfeited());
  for (int j = 1; j <= 3; ++j) EXPECT_EQ(entry.row(j).type, kRegular);
  EXPECT_FALSE(entry.teamComplete());
}

TEST_F(ScoreEntryRules, IncompleteGameWithZeroDoesNotMakeTheTeamIncomplete) {
  ASSERT_TRUE(entry.selectTeam(1));
  Games(1, "150", "160", "170");
  Games(2, "150", "0", "170");
  Games(3, "150", "160", "170");
  EXPECT_FALSE(entry.teamComplete());
  ASSERT_TRUE(entry.setIncomplete(2, 1, true));
  EXPECT_EQ(entry.row(2).incompleteMask, 2);
  EXPECT_TRUE(entry.teamComplete());
}

// Team 1: averages 150, 160, 170 (sum 480), handicaps 45, 36, 27 (sum 108).
// Team 2: averages 140 x 3 (sum 420), handicaps 54 x 3 (sum 162). They meet on lane pair 1.
TEST_F(ScoreEntryRules, TeamHandicapWhileEnteringByMethod) {
  ASSERT_TRUE(entry.selectTeam(1));
  lg.HandicapMethod = 1;  // scratch
  EXPECT_EQ(entry.teamHandicap(), 0);
  lg.HandicapMethod = 0;  // sum of the rows' handicaps
  EXPECT_EQ(entry.teamHandicap(), 108);
  lg.HandicapMethod = -1;  // (600 - 480) x 80 % = 96
  EXPECT_EQ(entry.teamHandicap(), 96);
  lg.HandicapMethod = -2;  // the higher sum gets nothing
  EXPECT_EQ(entry.teamHandicap(), 0);
  ASSERT_TRUE(entry.selectTeam(2));
  // Int((4.80 - 4.20) x 80 + 0.000001) = 48; the addend lifts 47.99999999999997.
  EXPECT_EQ(entry.teamHandicap(), 48);
  lg.MaxHandicap[2] = 40;
  EXPECT_EQ(entry.teamHandicap(), 40);
  lg.MaxHandicap[2] = 200;
  // A substitute averaging 130 in place of a 140 player: sum 410, Int(0.70 x 80) = 56.
  ASSERT_TRUE(entry.setPlayerType(1, kSub));
  ASSERT_TRUE(entry.choosePlayer(1, 50));
  EXPECT_EQ(entry.teamHandicap(), 56);
  // Against a forfeiting opponent the handicap is 0.
  ASSERT_TRUE(entry.selectTeam(1));
  entry.setForfeit(true);
  ASSERT_TRUE(entry.selectTeam(2));
  EXPECT_EQ(entry.teamHandicap(), 0);
}

TEST_F(ScoreEntryRules, DifferenceMethodNeedsNoLookAtTheOpponentFirst) {
  lg.HandicapMethod = -2;
  ASSERT_TRUE(entry.selectTeam(2));  // team 1 never shown
  EXPECT_EQ(entry.teamHandicap(), 48);
  EXPECT_EQ(entry.cellText(5, 4), "48");  // the "HANDICAP" row, game 1
  EXPECT_EQ(entry.cellText(5, 10), "144");  // three games
}

TEST_F(ScoreEntryRules, EnteringAverageFromTheFirstWeek) {
  lg.AvgAfterWeek1[12] = True;
  lg.PlayerStat[12][kStartingAverage] = 0;
  lg.PlayerStat[12][kCurrentAverage] = 0;
  ASSERT_TRUE(entry.selectTeam(1));
  Games(2, "150", "160", "175");
  // Int(485 / 3) = 161; handicap Int((200 - 161) x 0.9 + 0.000001) = Int(35.1) = 35.
  EXPECT_EQ(lg.PlayerStat[12][kStartingAverage], 161);
  EXPECT_EQ(lg.PlayerStat[12][kCurrentAverage], 161);
  EXPECT_EQ(lg.PlayerStat[12][kCurrentHandicap], 35);
  EXPECT_EQ(entry.row(2).handicap, 35);
  EXPECT_EQ(entry.row(2).average, 161);
  // Not for a player who has played games already.
  lg.AvgAfterWeek1[13] = True;
  lg.PlayerStat[13][kGamesPlayed] = 3;
  Games(3, "100", "100", "100");
  EXPECT_EQ(lg.PlayerStat[13][kCurrentAverage], 170);
}

TEST_F(ScoreEntryRules, GridColumnsCellsAndTotals) {
  ASSERT_TRUE(entry.selectTeam(1));
  ASSERT_EQ(entry.columnCount(), 4 + 6 + 1 + 2);
  std::vector<std::string> headers;
  for (int c = 0; c < entry.columnCount(); ++c) headers.push_back(entry.columnHeader(c));
  EXPECT_EQ(headers, (std::vector<std::string>{"Player Type", "Player Name", "Hcp", "Avg", "1Gm",
                                               "I", "2Gm", "I", "3Gm", "I", "Total", "STRK",
                                               "FEES"}));
  EXPECT_TRUE(entry.enterCell(1, 4, "150"));
  EXPECT_TRUE(entry.enterCell(2, 4, "160"));
  EXPECT_TRUE(entry.enterCell(1, 5, "X Incomplete Frames"));
  EXPECT_TRUE(entry.enterCell(1, 0, "Regular - Absent"));
  EXPECT_FALSE(entry.enterCell(1, 10, "5"));  // the total is not typed
  EXPECT_EQ(entry.cellEditor(1, 1), CellEditor::NameList);
  EXPECT_EQ(entry.cellEditor(4, 4), CellEditor::None);
  EXPECT_EQ(entry.cellText(1, 0), "Regular - Absent");
  EXPECT_EQ(entry.cellText(1, 5), "X");
  EXPECT_EQ(entry.cellText(2, 5), " ");
  EXPECT_EQ(entry.cellText(1, 10), "420");  // 3 x 140
  // Totals: game 1 is 140 + 160 + 0; team handicap 108 (method 0).
  EXPECT_EQ(entry.cellText(4, 1), "           SUB TOTAL");
  EXPECT_EQ(entry.cellText(5, 1), "            HANDICAP");
  EXPECT_EQ(entry.cellText(6, 1), " TOTAL WITH HANDICAP");
  EXPECT_EQ(entry.cellText(4, 4), "300");
  EXPECT_EQ(entry.cellText(5, 4), "108");
  EXPECT_EQ(entry.cellText(6, 4), "408");
  EXPECT_EQ(entry.cellText(4, 10), "580");  // 420 + 160 + 0
  EXPECT_EQ(entry.cellText(6, 10), "904");  // 580 + 3 x 108
  EXPECT_EQ(entry.cellText(4, 2), "108");
  EXPECT_EQ(entry.cellText(4, 3), "480");
  EXPECT_EQ(IncompleteMarkChoices(),
            (std::vector<std::string>{"  Frame Completed", "X Incomplete Frames"}));
}

// Columns: type, name, Hcp, Avg, 1Gm 4, I, 2Gm 6, I, 3Gm 8, I, Total 10, STRK 11, FEES 12.
TEST_F(ScoreEntryRules, TabAndReturnGoThroughTheTypedCellsOnly) {
  ASSERT_TRUE(entry.selectTeam(1));
  struct Move {
    int row, col;
    bool forward;
    int toRow, toCol;  // 0, 0: out of the grid
  };
  const Move moves[] = {{1, 4, true, 1, 6},   {1, 8, true, 1, 11},  {1, 12, true, 2, 4},
                        {1, 0, true, 1, 4},   {3, 12, true, 0, 0},  {2, 4, false, 1, 12},
                        {2, 11, false, 2, 8}, {1, 4, false, 0, 0},  {4, 4, false, 3, 12}};
  for (const Move& m : moves) {
    std::optional<EntryCell> to = entry.nextEntryCell(m.row, m.col, m.forward);
    SCOPED_TRACE(std::to_string(m.row) + "," + std::to_string(m.col));
    EXPECT_EQ(to ? to->gridRow : 0, m.toRow);
    EXPECT_EQ(to ? to->col : 0, m.toCol);
  }
  // The mark key turns the game's mark over from the score cell; the total has no mark.
  EXPECT_TRUE(IsIncompleteKey('x') && IsIncompleteKey('X') && !IsIncompleteKey('1'));
  EXPECT_TRUE(entry.toggleIncomplete(2, 6));
  EXPECT_EQ(entry.cellText(2, 7), "X");
  EXPECT_EQ(entry.row(2).incompleteMask, 2);
  EXPECT_TRUE(entry.toggleIncomplete(2, 7));
  EXPECT_EQ(entry.cellText(2, 7), " ");
  EXPECT_FALSE(entry.toggleIncomplete(2, 10));
}

}  // namespace
}  // namespace tallmark
