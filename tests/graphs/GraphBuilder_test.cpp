// The graph builder on the small league: one hand-worked week, who is plotted, the points per
// graph, and the names of image files.
#include <gtest/gtest.h>

#include "graphs/GraphBuilder.h"
#include "graphs/GraphRules.h"
#include "league/WeekFiles.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark::graphs {
namespace {

class GraphBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildSmallLeague(dir_.path());
    lg.CurrentWeek = 0;
  }
  // Stores a week: team 1 against team 2 with the given records (team, position, player, kind,
  // handicap, three games), team handicaps 25 and 0.
  struct Row { int team, pos, player; Integer kind, handicap; int g1, g2, g3; };
  void StoreWeek(int week, const std::vector<Row>& rows) {
    lg.LaneTeam[1] = 1, lg.LaneTeam[2] = 2;
    lg.TeamHandicapWeek[1] = 25, lg.TeamHandicapWeek[2] = 0;
    WriteWeekResults(week);
    for (const Row& r : rows) {
      lg.ScrEntryKind = r.kind;
      lg.ScrHandicap = r.handicap;
      lg.ScrGameScore = {};
      lg.ScrGameScore[0] = r.g1, lg.ScrGameScore[1] = r.g2, lg.ScrGameScore[2] = r.g3;
      WriteScore(week, r.team, r.pos, r.player);
    }
    lg.CurrentWeek = std::max<Integer>(lg.CurrentWeek, week);
  }
  void StoreHandWorkedWeek(int week) {
    StoreWeek(week, {{1, 1, 1, kRegular, 10, 150, 160, 170},
                     {1, 2, 2, kRegular, 0, 200, 120, 190},
                     {2, 1, 4, kAbsent, 5, 140, 140, 140},
                     {2, 2, 6, kSub, 20, 100, 181, 110}});
  }
  std::vector<GraphPage> Build(GraphType type, const GraphSelection& sel, GraphOptions o = {}) {
    std::vector<GraphPage> pages;
    BuildGraphs(type, sel, o, [&](const GraphPage& p) { pages.push_back(p); return true; });
    return pages;
  }
  test::TempDir dir_;
};

TEST_F(GraphBuilderTest, HandWorkedWeekOfPlayersAndTeams) {
  StoreHandWorkedWeek(1);
  lg.LeagueName = "ACE LEAGUE";
  // The absentee (CY YOUNG) is left out; the sub is plotted under his own name.
  std::vector<GraphPage> pages = Build(GraphType::WeeklyPlayers, {.weeks = {1}});
  ASSERT_EQ(pages.size(), 1u);
  const GraphPage& p = pages[0];
  EXPECT_EQ(p.labels, (std::vector<std::string>{"ANN LEE", "BOB ROY", "EVE SUB"}));
  ASSERT_EQ(p.sets.size(), 3u);
  EXPECT_EQ(p.sets[0].values, (std::vector<double>{170, 200, 181}));
  EXPECT_EQ(p.sets[1].values, (std::vector<double>{150, 120, 100}));
  EXPECT_EQ(p.sets[2].values, (std::vector<double>{160, 170, 130.33333333333334}));
  EXPECT_EQ(p.title, "Week 1 Games | Individual Results");
  EXPECT_EQ(p.subtitle, "09/04/24 - ACE LEAGUE | Session 1 of 1 - Week 1 of 30");
  EXPECT_EQ(p.yTitle, "Scratch Score");

  // Team 1's game totals 350, 280, 360, with its team handicap of 25 each. Team 2 counts only
  // the sub while unearned scores do not count; with them it adds the absentee's 140s.
  pages = Build(GraphType::WeeklyTeams, {.weeks = {1}, .teams = {1, 2}}, {.handicap = true});
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].yTitle, "Handicap Score");
  EXPECT_EQ(pages[0].sets[0].values, (std::vector<double>{385, 181}));
  EXPECT_EQ(pages[0].sets[1].values, (std::vector<double>{305, 100}));
  EXPECT_EQ(pages[0].sets[2].values, (std::vector<double>{355, 130.33333333333334}));
  lg.UnearnedInTeamStats = -2;
  pages = Build(GraphType::WeeklyTeams, {.weeks = {1}, .teams = {2}});
  EXPECT_EQ(pages[0].sets[0].values, (std::vector<double>{321}));
  EXPECT_EQ(pages[0].sets[1].values, (std::vector<double>{240}));
}

TEST_F(GraphBuilderTest, VacancyPlottedOnlyWhenUnearnedScoresCount) {
  lg.PlayerName[5] = Fixed("*VACANCY 2", 20);
  StoreWeek(1, {{2, 1, 5, kVacancy, 0, 120, 120, 120}, {2, 2, 4, kForfeit, 0, 99, 99, 99}});
  // Team 1 stored nothing that week: records never written (player 0, the first team's name
  // record) are no one's scores.
  lg.UnearnedInTeamStats = 0;
  EXPECT_TRUE(Build(GraphType::WeeklyPlayers, {.weeks = {1}}).empty());
  lg.UnearnedInTeamStats = -2;
  const std::vector<GraphPage> pages = Build(GraphType::WeeklyPlayers, {.weeks = {1}});
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].labels, (std::vector<std::string>{"*VACANCY"}));
}

TEST_F(GraphBuilderTest, MaxOfFiveWithTwelveWeeksContinuesOnFurtherGraphs) {
  for (int w = 1; w <= 12; ++w)
    StoreWeek(w, {{1, 1, 1, kRegular, 0, 100 + w, 110 + w, 120 + w}});
  for (bool highLow : {false, true}) {
    const std::vector<GraphPage> pages =
        Build(GraphType::PlayersToDate, {.players = {1}}, {.maxPoints = 5, .highLow = highLow});
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].labels, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(pages[2].labels, (std::vector<std::string>{"11", "12"}));
    EXPECT_EQ(pages[1].title, std::string(highLow ? "Weekly Hi-Lo's" : "Weekly Avgs") +
                                  " - ANN LEE | Individual Results (continued)");
    EXPECT_EQ(pages[2].sets.size(), highLow ? 3u : 1u);
    EXPECT_EQ(pages[2].sets.back().values, (std::vector<double>{121, 122}));
    EXPECT_EQ(pages[0].kind, highLow ? GraphKind::HighLow : GraphKind::Lines);
  }
  // "All" puts the twelve weeks on one graph; the sink ending the run stops the builder.
  EXPECT_EQ(Build(GraphType::PlayersToDate, {.players = {1}}).size(), 1u);
  int seen = 0;
  BuildGraphs(GraphType::PlayersToDate, {.players = {1, 2}}, {.maxPoints = 2},
              [&](const GraphPage&) { return ++seen < 2; });
  EXPECT_EQ(seen, 2);
}

TEST_F(GraphBuilderTest, PointsLimitAndMaxOfBox) {
  EXPECT_EQ(PointsLimit(GraphType::WeeklyPlayers, false), 1267);
  EXPECT_EQ(PointsLimit(GraphType::PlayersToDate, true), 1267);
  EXPECT_EQ(PointsLimit(GraphType::PlayersToDate, false), 3800);
  EXPECT_EQ(PointsLimit(GraphType::Rankings, true), 3800);
  struct Case { const char* typed; int limit, points; bool all; };
  for (const Case& c : {Case{"2", 1267, 2, false}, Case{"1267", 1267, 1267, false},
                        Case{"1268", 1267, 1267, true}, Case{"1", 3800, 3800, true},
                        Case{"x5", 3800, 3800, true}, Case{" 40 ", 3800, 40, false}}) {
    const MaxOfChoice m = AcceptMaxOf(c.typed, c.limit);
    EXPECT_EQ(m.points, c.points) << c.typed;
    EXPECT_EQ(m.all, c.all) << c.typed;
  }
  EXPECT_EQ(PointsPerGraph({.maxPoints = 5000}, GraphType::WeeklyTeams), 1267);
}

TEST_F(GraphBuilderTest, RankingsPerClassLeaveVacanciesOut) {
  lg.NumClasses = 2;
  lg.GamesToQualify = 0;
  lg.PlayerName[5] = Fixed("*VACANCY 2", 20);
  for (int p : {1, 2, 4, 5}) lg.PlayerStat[p][kClassification] = 1;
  lg.PlayerStat[4][kHighScratchGame] = 230;
  const std::vector<GraphPage> pages =
      Build(GraphType::Rankings, {.categories = {kHighScratchGame}, .sessions = {1}});
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].title, "High Scratch Game - Class A");
  EXPECT_EQ(pages[0].labels, (std::vector<std::string>{"CY YOUNG", "ANN LEE", "BOB ROY"}));
  EXPECT_EQ(pages[0].sets[0].values, (std::vector<double>{230, 201, 0}));
}

TEST(GraphFileNames, SuggestedAndNextNames) {
  EXPECT_EQ(SuggestedGraphName("AB"), "ABaph001");
  EXPECT_EQ(SuggestedGraphName("TUESDAY"), "TUESD001");
  EXPECT_EQ(NextGraphFileName("/l/ABaph001.wmf"), "/l/ABaph002.wmf");
  EXPECT_EQ(NextGraphFileName("/l/TUESD009.BMP"), "/l/TUESD010.BMP");
  EXPECT_EQ(NextGraphFileName("/l.d/chart.png"), "/l.d/chart002.png");
  EXPECT_EQ(ImageFormatOf("a.Wmf"), ImageFormat::Wmf);
  EXPECT_EQ(ImageFormatOf("a.txt"), ImageFormat::Unknown);
  EXPECT_EQ(ImageFormatOf("dir.png/a"), ImageFormat::Unknown);
}

}  // namespace
}  // namespace tallmark::graphs
