#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "setup/LeagueFixture.h"
#include "setup/NewLeague.h"
#include "setup/SportsSetup.h"

namespace tallmark {
namespace {

using test::LeagueFixture;
using test::TemplateSlot;

TEST(NewLeague, EightTeamsOfFourThreePlayingTwoSubsThirtyWeeks) {
  LeagueFixture f;
  f.build(8, 4, 3, 2, 30);
  // What was saved is what is loaded again.
  EXPECT_EQ(lg.NumTeams, 8);
  EXPECT_EQ(lg.LastTeam, 8);
  EXPECT_EQ(lg.PlayersPerTeam, 4);
  EXPECT_EQ(lg.PlayersPerWeek, 3);
  EXPECT_EQ(lg.NumSubs, 2);
  EXPECT_EQ(lg.NumWeeks, 30);
  EXPECT_EQ(lg.CurrentWeek, 0);
  EXPECT_EQ(lg.NumPlayerRecords, 8 * 5 + 2);
  EXPECT_EQ(lg.ScratchBase[2], 540);  // 3 players x 180
  for (int t = 1; t <= 8; ++t) {
    EXPECT_EQ(f.teamName(t), Fixed("TEAM " + std::to_string(t), 20));
    EXPECT_EQ(lg.PlayerStat[lg.Roster[t][0]][kGroupOrStanding], 2);
    for (int p = 1; p <= 4; ++p)
      EXPECT_EQ(f.name(lg.Roster[t][p]), Fixed("*VACANCY " + std::to_string(t * 100 + p), 20));
    EXPECT_EQ(lg.LaneNumber[t], 100 + t);
  }
  EXPECT_EQ(f.name(lg.SubList[1]), "SUBSTITUTE 1        ");
  EXPECT_EQ(f.name(lg.SubList[2]), "SUBSTITUTE 2        ");
  for (int w = 1; w <= 7; ++w)
    for (int s = 1; s <= 8; ++s) EXPECT_EQ(f.week(w)[s - 1], TemplateSlot(8, w - 1, s));
  EXPECT_EQ(f.week(8), std::vector<int>(8, kTbdTeam));
  // Vacancies have blank score records at line-up places 1..3, none at place 4.
  EXPECT_EQ(f.scorePlayer(30, 8, 3), lg.Roster[8][3]);
  EXPECT_EQ(lg.ScrEntryKind, kVacancy);
  EXPECT_EQ(lg.ScrHandicap, 48);
  f.scorePlayer(30, 8, 4);  // never written
  EXPECT_EQ(lg.ScrEntryKind, kRegular);
  EXPECT_EQ(lg.ScrHandicap, 0);
}

TEST(NewLeague, ProgressRunsToOneHundred) {
  LeagueFixture f;
  f.build(4, 1, 1, 0, 4);
  std::vector<int> seen;
  NewLeagueParams p{4, 2, 2, 1, 6, 1};
  BuildNewLeague(p, [&](int pct) { seen.push_back(pct); });
  // 0, then i x 100 / (4 + 1) for each team, then 100 for the substitutes.
  EXPECT_EQ(seen, (std::vector<int>{0, 20, 40, 60, 80, 100}));
}

TEST(NewLeague, StartWeekFive) {
  LeagueFixture f;
  f.build(8, 2, 2, 0, 20, 5);
  EXPECT_EQ(lg.CurrentWeek, 4);
  EXPECT_EQ(lg.StartWeek, 5);
  for (int s = 1; s <= 8; ++s) EXPECT_EQ(f.week(5)[s - 1], TemplateSlot(8, 4, s));
  EXPECT_EQ(f.week(7)[0], TemplateSlot(8, 6, 1));
  EXPECT_EQ(f.week(8)[0], kTbdTeam);
  // Weeks before the start were never written.
  EXPECT_EQ(f.week(2), std::vector<int>(8, 0));
}

TEST(NewLeague, ParameterBoxes) {
  InitLeagueData();
  lg.LastTeam = 8;
  lg.PlayersPerTeam = 4;
  lg.PlayersPerWeek = 3;
  lg.NumSubs = 2;
  lg.NumWeeks = 30;
  lg.StartWeek = 1;
  test::ScriptedUserIO io;
  ParametersSetup p;
  const auto& b = p.boxes();
  EXPECT_EQ(b[0].label, "Teams");
  EXPECT_EQ(b[0].rangeText(), " (2 to 52)");
  EXPECT_EQ(b[1].explanation, "Bowlers on each team's roster");
  EXPECT_EQ(b[2].rangeText(), " (1 to 10)");
  EXPECT_EQ(b[2].explanation, "Bowlers on each team that Bowl each week");
  EXPECT_EQ(b[3].rangeText(), " (0 to 100)");
  EXPECT_EQ(b[4].rangeText(), " (1 to 52)");
  EXPECT_EQ(b[5].rangeText(), " (1 to 30)");
  p.commit(0, "60");
  EXPECT_EQ(p.params().teams, 52);
  p.commit(5, "10");
  EXPECT_EQ(p.boxes()[4].minimum, 10);
  p.commit(4, "8");
  EXPECT_EQ(p.params().weeks, 10);
  p.commit(2, "x");
  EXPECT_EQ(p.params().players, 3);
}

TEST(NewLeague, ParameterExplanationsFollowTheChosenSport) {
  InitLeagueData();
  test::ScriptedUserIO io;
  lg.NumWeeks = 30;
  ParametersSetup p;
  p.commit(0, "12");
  lg.SportTerm[1] = "Throw";
  lg.SportTerm[3] = "Darts";
  lg.SportTerm[5] = "Throwers";
  p.refreshTerms();
  EXPECT_EQ(p.boxes()[1].explanation, "Throwers on each team's roster");
  EXPECT_EQ(p.boxes()[2].explanation, "Throwers on each team that Throw each week");
  EXPECT_EQ(p.boxes()[3].explanation, "substitute Throwers at this time");
  EXPECT_EQ(p.boxes()[4].explanation, "weeks of league Darts this season");
  EXPECT_EQ(p.params().teams, 12);  // what was typed stays
}

TEST(Sports, ListAddLimitAndSave) {
  LeagueFixture f;
  f.build(4, 1, 1, 0, 4);
  EXPECT_EQ(FillSportsList(), (std::vector<std::string>{"10 Pin Bowling"}));
  SportsSetup s;
  s.load();
  EXPECT_EQ(s.count(), 1);
  EXPECT_EQ(s.parametersLabel(), "10 Pin Bowling Parameters");
  ASSERT_TRUE(s.addSport());
  EXPECT_EQ(s.selected(), 1);
  EXPECT_EQ(s.sport(1).terms[0], "New 10 Pin Bowling");
  EXPECT_EQ(s.sport(1).terms[4], "New Bowler");
  s.setParam(0, "5");
  s.setParam(1, "20");
  EXPECT_EQ(s.sport(1).params[0], 5);
  EXPECT_EQ(s.sport(1).params[1], 12);
  EXPECT_EQ(s.sport(0).params[0], 300);
  f.io.answer(MsgAnswer::Yes);
  ASSERT_TRUE(s.save());
  EXPECT_EQ(f.io.shown.back().title, "SAVE CHANGES?");
  EXPECT_EQ(SportsInFile(), 2);
  EXPECT_EQ(lg.SportCount, 2);
  EXPECT_EQ(lg.SportTerm[0], "10 Pin Bowling");  // the league's own sport is read again
  EXPECT_EQ(FillSportsList(), (std::vector<std::string>{"10 Pin Bowling", "New 10 Pin Bowling"}));
  ChooseSport(1);
  EXPECT_EQ(lg.SportNumber, 2);
  EXPECT_EQ(lg.GameParam[0], 5);
  // Filled to 32, the next is refused.
  s.load();
  while (s.count() < 32) ASSERT_TRUE(s.addSport());
  EXPECT_FALSE(s.addSport());
  EXPECT_EQ(f.io.shown.back().title, "MAXIMUM REACHED");
  EXPECT_EQ(f.io.shown.back().text,
            "There is a maximum of 32 sports in the master file. You have reached this maximum "
            "and cannot add any more");
  EXPECT_EQ(s.count(), 32);
}

}  // namespace
}  // namespace tallmark
