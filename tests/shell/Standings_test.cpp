// The standings table of the main window: order, columns, texts and labels.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "league/LeagueData.h"
#include "shell/Standings.h"

namespace tallmark {
namespace {

// Team t uses record 10 * t for its name; record 10 * t + 1 is its first player.
void AddTeam(int t, const std::string& name, float won, float lost, float pins, float hdcp,
             float games) {
  int r = 10 * t;
  lg.Roster[t][0] = static_cast<Integer>(r);
  lg.Roster[t][1] = static_cast<Integer>(r + 1);
  lg.PlayerName[r] = Fixed(name, 20);
  lg.PlayerStat[r][kMatchPointsWon] = won;
  lg.PlayerStat[r][kMatchPointsLost] = lost;
  lg.PlayerStat[r][kTotalPins] = pins;
  lg.PlayerStat[r][kTotalPinsHandicap] = hdcp;
  lg.PlayerStat[r][kGamesPlayed] = games;
  lg.NumTeams = static_cast<Integer>(lg.NumTeams + 1);
  if (t > lg.LastTeam) lg.LastTeam = static_cast<Integer>(t);
}

class StandingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.FileName = "LEAGUE";
    lg.DataPath = "/leagues/";
    lg.LeagueName = "Tuesday Mixed";
    lg.SortByHandicapTotal = 0;
    lg.CurrentWeek = 6;
    lg.NumWeeks = 30;
  }
  static std::vector<std::string> Column(const StandingsTable& t, std::size_t c) {
    std::vector<std::string> v;
    for (const auto& row : t.rows) v.push_back(row.at(c));
    return v;
  }
};

TEST_F(StandingsTest, OrderIsPointsWonThenTotalThenTeamNumber) {
  AddTeam(1, "Alley Cats", 10, 8, 2000, 2400, 18);
  AddTeam(2, "Pin Pals", 12, 6, 1900, 2300, 18);
  AddTeam(3, "Strike Force", 10, 8, 2100, 2350, 18);
  AddTeam(4, "Gutter Kings", 10, 8, 2000, 2500, 18);
  StandingsTable t = DrawStandings();
  ASSERT_EQ(t.rows.size(), 4u);
  EXPECT_EQ(Column(t, 1), (std::vector<std::string>{Fixed("Pin Pals", 20),
                                                    Fixed("Strike Force", 20),
                                                    Fixed("Alley Cats", 20),
                                                    Fixed("Gutter Kings", 20)}));
  EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"1", "2", "3", "4"}));
  // Each team record keeps its position.
  EXPECT_EQ(lg.PlayerStat[20][kGroupOrStanding], 1);
  EXPECT_EQ(lg.PlayerStat[30][kGroupOrStanding], 2);
  EXPECT_EQ(lg.PlayerStat[10][kGroupOrStanding], 3);
  EXPECT_EQ(lg.PlayerStat[40][kGroupOrStanding], 4);
}

TEST_F(StandingsTest, TiesGoByTheHandicapTotalWhenTheLeagueSortsByIt) {
  lg.SortByHandicapTotal = -2;
  AddTeam(1, "Alley Cats", 10, 8, 2000, 2400, 18);
  AddTeam(2, "Strike Force", 10, 8, 2100, 2350, 18);
  AddTeam(3, "Gutter Kings", 10, 8, 2000, 2500, 18);
  StandingsTable t = DrawStandings();
  EXPECT_EQ(Column(t, 1), (std::vector<std::string>{Fixed("Gutter Kings", 20),
                                                    Fixed("Alley Cats", 20),
                                                    Fixed("Strike Force", 20)}));
}

TEST_F(StandingsTest, ColumnsOfAHandicapLeague) {
  AddTeam(1, "Alley Cats", 7.5, 4.5, 2012, 2400, 12);
  StandingsTable t = DrawStandings();
  ASSERT_EQ(t.columns.size(), 7u);
  std::vector<std::string> headers;
  std::vector<int> widths;
  for (const auto& c : t.columns) {
    headers.push_back(c.header);
    widths.push_back(c.width);
  }
  EXPECT_EQ(headers, (std::vector<std::string>{"Position", "Team Name", "Won", "Lost", "Percent",
                                               "Scratch Pin", "Handicap Pin"}));
  EXPECT_EQ(widths, (std::vector<int>{8, 20, 5, 5, 7, 10, 10}));
  EXPECT_EQ(t.columns[0].align, CellAlign::Centre);
  EXPECT_EQ(t.columns[1].align, CellAlign::Left);
  for (std::size_t c = 2; c < 7; ++c) EXPECT_EQ(t.columns[c].align, CellAlign::Right);
  // 7.5 x 100 / 12 = 62.5
  EXPECT_EQ(t.rows[0], (std::vector<std::string>{"1", Fixed("Alley Cats", 20), "7.5", "4.5",
                                                 "62.50", "2012", "2400"}));
}

TEST_F(StandingsTest, ScratchLeagueHasNoHandicapColumn) {
  lg.HandicapMethod = 1;
  lg.SportTerm[6] = "Point";
  AddTeam(1, "Alley Cats", 2, 1, 900, 0, 6);
  StandingsTable t = DrawStandings();
  ASSERT_EQ(t.columns.size(), 6u);
  EXPECT_EQ(t.columns.back().header, "Scratch Point");
  ASSERT_EQ(t.rows[0].size(), 6u);
  EXPECT_EQ(t.rows[0][4], "66.67");  // 2 x 100 / 3 = 66.666...
}

TEST_F(StandingsTest, PercentTexts) {
  EXPECT_EQ(PercentText(0, 0), "0.00");
  EXPECT_EQ(PercentText(0, 5), "0.00");
  EXPECT_EQ(PercentText(5, 0), "100.00");
  EXPECT_EQ(PercentText(1, 2), "33.33");
  EXPECT_EQ(PercentText(1, 31), "3.13");  // 3.125: the half goes up
  EXPECT_EQ(FixedTwo(2.675f), "2.68");    // rounded as it prints, not as it is stored
  EXPECT_EQ(FixedTwo(0.004f), "0.00");
  // Values past whole hundredths print as numbers, never as a wrapped whole number.
  EXPECT_EQ(FixedTwo(1e17f), "1E+17");
  EXPECT_EQ(FixedTwo(-3e38f), "-3E+38");
  EXPECT_EQ(FixedTwo(std::numeric_limits<float>::infinity()), "0.00");
  EXPECT_EQ(PercentText(1e9f, -1e9f), "0.00");  // nothing decided
  EXPECT_EQ(PercentText(1e9f, 0), "100.00");
}

TEST_F(StandingsTest, FreedTeamNumberLeavesNoGapInPositions) {
  AddTeam(1, "Alley Cats", 4, 2, 1000, 1200, 6);
  AddTeam(3, "Strike Force", 5, 1, 1100, 1300, 6);
  AddTeam(4, "Gutter Kings", 1, 5, 900, 1100, 6);
  // Team 2 was dropped: its two roster entries are equal.
  StandingsTable t = DrawStandings();
  EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Column(t, 1)[0], Fixed("Strike Force", 20));
}

TEST_F(StandingsTest, LabelsAndLeagueAverage) {
  lg.NumSessions = 2;
  lg.CurrentSession = 2;
  AddTeam(1, "Alley Cats", 4, 2, 2000, 2400, 12);
  AddTeam(2, "Strike Force", 2, 4, 1900, 2350, 12);
  StandingsTable t = DrawStandings();
  EXPECT_EQ(t.labels[0], "League: Tuesday Mixed");
  EXPECT_EQ(t.labels[1], "Data Files: /leagues/LEAGUE");
  EXPECT_EQ(t.labels[2], "Week 6 of 30");
  EXPECT_EQ(t.labels[3], "Session 2 of 2");
  EXPECT_EQ(t.labels[4], "");
  // 3900 pins in 24 games = 162.5, cut to whole pins by default.
  EXPECT_EQ(t.labels[5], "Overall League Average: 162");
  lg.GameParam[3] = True;  // the sport rounds its averages
  EXPECT_EQ(DrawStandings().labels[5], "Overall League Average: 163");
}

TEST_F(StandingsTest, NoLeagueOpen) {
  InitLeagueData();
  StandingsTable t = DrawStandings();
  EXPECT_TRUE(t.rows.empty());
  EXPECT_EQ(t.columns.size(), 7u);
  EXPECT_EQ(t.labels[0], "League: ");
  EXPECT_EQ(t.labels[1], "Data Files: " + lg.ProgramPath + "NOT-OPEN");
  EXPECT_EQ(t.labels[2], "Week 0 of 0");
  EXPECT_EQ(t.labels[3], "Session 1 of 1");
  EXPECT_EQ(t.labels[5], "Overall League Average: 0");
}

TEST_F(StandingsTest, PlainTextLinesUpTheColumns) {
  lg.HandicapMethod = 1;
  AddTeam(1, "Alley Cats", 2, 1, 900, 0, 6);
  std::string text = StandingsText(DrawStandings());
  EXPECT_EQ(text,
            // 8, 20, 5, 5, 7 and 10 characters, two blanks apart; headers centred.
            "Position       Team Name         Won   Lost   Percent  Scratch Pin\n"
            "   1      Alley Cats                2      1    66.67         900\n");
}

}  // namespace
}  // namespace tallmark
