// The rules of the split season, award, classification, names, bulletin and extra statistics
// windows, without the windows.
#include <gtest/gtest.h>

#include <vector>

#include "league/RosterFiles.h"
#include "setup/AwardOptions.h"
#include "setup/ClassificationSetup.h"
#include "setup/CustomAwards.h"
#include "setup/ExtraStatsSetup.h"
#include "setup/LeagueFixture.h"
#include "setup/NamesSetup.h"
#include "setup/SplitSeasonSetup.h"

namespace tallmark {
namespace {

using test::LeagueFixture;

struct SplitCase {
  const char* what;
  int currentWeek, currentSession;
  std::vector<Integer> stored;                // SplitWeek(1..)
  std::vector<std::pair<int, int>> entries;   // split, typed week
  std::vector<Integer> saved;                 // SplitWeek(1..) after saving
  int sessions;
  std::vector<bool> editable;                 // splits 1..
};

TEST(SplitSeasonSetup, StartWeeksIncreaseAndPastSplitsStay) {
  const SplitCase cases[] = {
      {"two sessions, the second split beyond the season", 0, 1, {-16, 53}, {{2, 31}},
       {-16, 53, 53}, 2, {true, true, false}},
      {"a later split typed below the one before is raised past it", 0, 1, {12, 53},
       {{2, 10}}, {12, 13, 53}, 3, {true, true, false}},
      {"raising a split pushes the next one", 0, 1, {12, 14, 53}, {{1, 20}},
       {20, 21, 53}, 3, {true, true, true}},
      {"in session 2 the first split is past, the second movable", 17, 2, {-16, 25},
       {{1, 5}, {2, 20}}, {-16, 20, 53}, 3, {false, true, true}},
      {"a split still to come cannot go back before the current week", 10, 1, {20},
       {{1, 4}}, {11, 53}, 2, {true, true}},
      {"the last week of the season is the latest start", 0, 1, {29}, {{1, 40}},
       {53}, 1, {true, true}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.what);
    LeagueFixture f;
    f.build(4, 2, 2, 0, 30);
    lg.CurrentWeek = static_cast<Integer>(c.currentWeek);
    lg.CurrentSession = static_cast<Integer>(c.currentSession);
    for (std::size_t k = 0; k < c.stored.size(); ++k) lg.SplitWeek[k + 1] = c.stored[k];
    SplitSeasonSetup s;
    for (std::size_t k = 0; k < c.editable.size(); ++k)
      EXPECT_EQ(s.editable(static_cast<int>(k + 1)), c.editable[k]) << "split " << k + 1;
    for (auto [k, week] : c.entries) s.enterWeek(k, std::to_string(week), 0);
    s.store();
    EXPECT_EQ(lg.NumSessions, c.sessions);
    for (std::size_t k = 0; k < c.saved.size(); ++k)
      EXPECT_EQ(lg.SplitWeek[k + 1], c.saved[k]) << "split " << k + 1;
  }
}

TEST(SplitSeasonSetup, LabelsAndTheResetModeOfOneSession) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 30);
  lg.CurrentWeek = 3;
  lg.StatResetMode = 1;
  EXPECT_EQ(SplitSeasonSetup::WeekLabel(), "Week 3 of 30 -- Session 1");
  EXPECT_EQ(SplitSeasonSetup::PositionWeeksLabel(), "Position Weeks: None");
  for (int slot = 1; slot <= 4; ++slot) lg.LaneTeam[slot] = kPositionTeam;
  WriteWeekResults(30);
  EXPECT_EQ(SplitSeasonSetup::PositionWeeksLabel(), "Position Weeks:  30");
  SplitSeasonSetup s;
  EXPECT_FALSE(s.modeEnabled());
  s.setResetMode(2);
  s.setResetStats(1, true);  // split 1 is not used: the reset is dropped
  s.store();
  EXPECT_EQ(lg.StatResetMode, 1);
  EXPECT_EQ(lg.SplitWeek[1], 53);
  EXPECT_EQ(s.sessionsLabel(), "Sessions: 1");
}

TEST(AwardOptions, RangesTheHandicapRuleAndCategoryNames) {
  LeagueFixture f;
  f.build(3, 2, 2, 0, 10);  // 3 teams; the league bowls 3 games
  lg.GamesPerWeek = 3;
  AwardOptions a;
  EXPECT_EQ(a.rangeText(AwardOptions::kTopAwards), " (1 to 3)");
  EXPECT_EQ(a.rangeText(AwardOptions::kSeriesOver), " (1 to 900)");
  EXPECT_EQ(a.enter(AwardOptions::kTopAwards, "5", 0), 3);
  EXPECT_EQ(AwardOptions::Explanation(1), "or more games must be bowled to qualify for an award");
  struct { int games; bool adjust; } rule[] = {{3, false}, {4, true}};
  for (auto r : rule) {
    a.enter(AwardOptions::kGamesToQualify, std::to_string(r.games), 0);
    a.setSwitch(AwardOptions::kAdjustHandicap, true);
    ASSERT_TRUE(a.store());
    EXPECT_EQ(lg.AdjustHandicapAwards != 0, r.adjust) << r.games;
  }
  a.setGroupName(0, "Lady\"s");
  a.setGroupName(1, "Gent");
  EXPECT_EQ(a.separateCaption(), "S&eparate awards for gents and lady\"ss");
  a.setSwitch(AwardOptions::kCustomize, true);
  ASSERT_TRUE(a.store());
  EXPECT_EQ(lg.GroupLabel[0], "Lady_s");
  EXPECT_EQ(lg.CustomAward[3][0], True);
  a.setGroupName(1, "Gentleman");
  EXPECT_FALSE(a.store());
  EXPECT_EQ(lg.GroupLabel[1], "Gent");
  EXPECT_TRUE(f.io.sawTitle(""));
}

TEST(CustomAwards, NoneRowsCloseUp) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 10);
  CustomAwards c;
  const struct { int row, kind, avg, min, max; } rows[] = {
      {1, CustomAwards::kGame, 150, 200, 300}, {3, CustomAwards::kSeries, 140, 500, 700},
      {4, CustomAwards::kGame, 120, 180, 250}};
  for (auto r : rows) {
    c.setKind(r.row, r.kind);
    c.enter(r.row, CustomAwards::kMaxAverage, std::to_string(r.avg), 0);
    c.enter(r.row, CustomAwards::kMinScore, std::to_string(r.min), 0);
    c.enter(r.row, CustomAwards::kMaxScore, std::to_string(r.max), 0);
  }
  EXPECT_EQ(c.enter(4, CustomAwards::kMaxScore, "100", 0), 180);  // not below the minimum
  c.store();
  ASSERT_EQ(lg.NumCustomAwards, 3);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(lg.CustomAward[0][n], rows[n - 1].kind);
    EXPECT_EQ(lg.CustomAward[1][n], rows[n - 1].avg);
    EXPECT_EQ(lg.CustomAward[2][n], rows[n - 1].min);
  }
  EXPECT_EQ(lg.CustomAward[0][4], 0);
  EXPECT_EQ(CustomAwards::Heading(CustomAwards::kMinScore), "MIN PIN");
}

TEST(ClassificationSetup, LimitsDecreaseAndZeroEndsTheList) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 10);
  lg.ClassLimit = {300, 170, 150, 0};
  ClassificationSetup c;
  EXPECT_EQ(c.classesLabel(), "Classes: 3");
  EXPECT_EQ(c.enter(2, "180", 0), 169);
  EXPECT_EQ(c.enter(1, "160", 0), 160);
  EXPECT_EQ(c.limit(2), 159);  // lowered below the limit above it
  EXPECT_TRUE(c.enabled(3));
  c.enter(2, "0", 0);
  EXPECT_FALSE(c.enabled(3));
  EXPECT_EQ(c.classes(), 2);
  lg.PlayerStat[lg.Roster[1][1]][kCurrentAverage] = 0;
  lg.PlayerStat[lg.Roster[1][2]][kCurrentAverage] = 180;
  f.io.answer(MsgAnswer::Yes);
  c.store();
  EXPECT_TRUE(f.io.sawTitle("RECLASSIFY BOWLERS"));
  EXPECT_EQ(lg.NumClasses, 2);
  EXPECT_EQ(lg.PlayerStat[lg.Roster[1][1]][kClassification], 2);
  EXPECT_EQ(lg.PlayerStat[lg.Roster[1][2]][kClassification], 1);
}

TEST(NamesSetup, LeagueNameOfficersAndBulletin) {
  LeagueFixture f;
  f.build(2, 2, 2, 1, 10);
  for (int t = 1; t <= 2; ++t)
    for (int p = 1; p <= 2; ++p)
      lg.PlayerName[lg.Roster[t][p]] = Fixed("PLAYER " + std::to_string(10 * t + p), 20);
  lg.PlayerName[lg.SubList[1]] = Fixed("SUB ONE", 20);
  NamesSetup s;
  ASSERT_EQ(s.candidates().size(), 5u);  // four players, then the substitute
  const struct { const char* typed; const char* stored; } names[] = {
      {"", "TBD"}, {"  ", "TBD"}, {"Joe\"s League", "Joe_s League"}};
  for (auto n : names) {
    s.setLeagueName(n.typed);
    s.store();
    EXPECT_EQ(lg.LeagueName, n.stored);
  }
  s.choose(1, 4);
  s.setNotUsed(1, false);
  s.setNotUsed(2, true);
  EXPECT_EQ(s.title(2), "* NOT USED *");
  s.store();
  EXPECT_EQ(lg.OfficerPlayer[2], s.candidates()[4].record);
  EXPECT_EQ(lg.OfficerName[2], lg.PlayerName[s.candidates()[4].record]);
  EXPECT_EQ(lg.OfficerPlayer[3], -1);
  NamesSetup again;
  EXPECT_TRUE(again.notUsed(2));
  again.setNotUsed(2, false);
  EXPECT_EQ(again.title(2), "Secretary");

  BulletinSetup b;
  EXPECT_TRUE(b.setText(std::string(960, 'x')));
  EXPECT_EQ(b.charactersLeftLabel(), "Characters Left = 0");
  EXPECT_FALSE(b.setText(std::string(961, 'x')));
  b.setText("Bowl-off \"Friday\"   ");
  ASSERT_TRUE(b.store());
  lg.BulletinText.clear();
  ReadBulletin();
  EXPECT_EQ(lg.BulletinText, "Bowl-off _Friday_");
}

TEST(ExtraStatsSetup, AddDeleteAndTheFeeBox) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 10);
  ExtraStatsSetup x;
  EXPECT_EQ(x.selectedAbbrev(), "TBD");
  EXPECT_EQ(x.selectedName(), "Undefined");
  const char* answers[][2] = {{"Strikes", "strik"}, {"Sp\"ares", "spare"}, {"Fees", "fees"}};
  for (auto a : answers) {
    f.io.answerInput(a[0]);
    f.io.answerInput(a[1]);
    ASSERT_TRUE(x.add());
  }
  EXPECT_TRUE(x.feeEnabled());
  EXPECT_EQ(x.enterFee("2.50"), 2.5f);
  x.select(0);
  EXPECT_FALSE(x.feeEnabled());
  EXPECT_EQ(x.enterFee("9"), 2.5f);
  x.select(1);
  ASSERT_TRUE(x.remove());
  EXPECT_EQ(x.countLabel(), "2 of 10 Defined");
  EXPECT_EQ(x.stats()[1].abbrev, "FEES");
  while (x.canAdd()) x.add();
  EXPECT_EQ(x.count(), 10);
  EXPECT_FALSE(x.add());
  x.store();
  EXPECT_EQ(lg.NumExtraStats, 10);
  EXPECT_EQ(lg.ExtraStatName[0], "Strikes             ");
  EXPECT_EQ(lg.ExtraStatAbbrev[2], "XSTAT");
  EXPECT_EQ(lg.FeeUnit, 2.5f);

  // Values entered in a processed week: deleting warns first, and No keeps the statistic.
  lg.CurrentWeek = 1;
  f.writeMarker(1, 1, 1, lg.Roster[1][1], 150);
  lg.ScrExtraStat[0] = 4;
  WriteScore(1, 1, 1, lg.Roster[1][1]);
  ExtraStatsSetup y;
  y.select(0);
  f.io.answer(MsgAnswer::No);
  EXPECT_FALSE(y.remove());
  EXPECT_TRUE(f.io.sawTitle("WARNING"));
  EXPECT_EQ(y.count(), 10);

  // Values only of a later statistic, in the week being entered: deleting an earlier one warns
  // too (its values would be shown under another name), naming it.
  f.writeMarker(1, 1, 1, lg.Roster[1][1], 150);
  f.writeMarker(2, 1, 1, lg.Roster[1][1], 150);
  lg.ScrExtraStat[2] = 1;
  WriteScore(2, 1, 1, lg.Roster[1][1]);
  y.select(1);
  f.io.shown.clear();
  f.io.answer(MsgAnswer::No);
  EXPECT_FALSE(y.remove());
  ASSERT_EQ(f.io.shown.size(), 1u);
  EXPECT_NE(f.io.shown[0].text.find("hold values of XSTAT (New Extra Stat)."), std::string::npos)
      << f.io.shown[0].text;
}

}  // namespace
}  // namespace tallmark
