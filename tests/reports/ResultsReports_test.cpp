// The averages list, the statistical summary and the results reports: golden files on the sample
// league and on a league with extra statistics, a split season and a forfeit, and the edge cases
// of each report.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "reports/ReportSelection.h"
#include "setup/SampleLeague.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"
#include "ReportGolden.h"
#include "ResultsLeague.h"

using namespace tallmark;
using namespace tallmark::reports;

namespace {

using test::ExpectGoldenLines;
using L = SelectionList;

// The choices with each list the type shows parsed from text (by list, "all" when not given).
ReportChoices Choose(int type, std::vector<std::pair<SelectionList, std::string>> lists = {}) {
  ReportChoices c;
  c.reportOnTeams = type != 11 && type != 12;
  for (SelectionList list : FindReportType(type)->lists) {
    std::string text = "all", problem;
    for (const auto& [l, t] : lists)
      if (l == list) text = t;
    std::vector<int>* values = list == L::Teams      ? &c.teams
                               : list == L::Weeks    ? &c.weeks
                               : list == L::Players  ? &c.players
                               : list == L::Sessions ? &c.sessions
                                                                 : &c.categories;
    EXPECT_TRUE(ParseSelection(list, type, text, *values, problem)) << problem;
  }
  return c;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// The first line holding part; empty when none.
std::string LineWith(const std::string& text, const std::string& part) {
  for (const std::string& l : test::TextLines(text))
    if (l.find(part) != std::string::npos) return l;
  return {};
}

class SampleReports : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::ScriptedUserIO io;
    InitLeagueData();
    test::UseProgramFolder(program().path());
    ASSERT_EQ(BuildSampleLeague(folder().path()).result, SampleBuild::Built);
  }
  void SetUp() override {
    InitLeagueData();
    lg.ProgramPath = program().path();
    lg.DataPath = folder().path();
    lg.FileName = kSampleLeagueName;
    ASSERT_TRUE(LoadLeague());
  }
  static test::TempDir& program() { static test::TempDir d; return d; }
  static test::TempDir& folder() { static test::TempDir d; return d; }
  test::ScriptedUserIO io;
};

TEST_F(SampleReports, EveryReportMatchesItsGolden) {
  ReportChoices subs = Choose(13);
  subs.whoseAverages = 1;
  ExpectGoldenLines("sample-averages", test::ReportText(13, subs));
  ExpectGoldenLines("sample-summary", test::ReportText(3, Choose(3)));
  ExpectGoldenLines("sample-team-weekly",
                    test::ReportText(4, Choose(4, {{L::Teams, "1"},
                                                   {L::Weeks, "4"}})));
  ExpectGoldenLines("sample-player-weekly", test::ReportText(11, Choose(11, {{L::Weeks, "4"}})));
  ExpectGoldenLines("sample-team-to-date", test::ReportText(5, Choose(5, {{L::Teams, "1-2"}})));
  ExpectGoldenLines("sample-player-to-date",
                    test::ReportText(12, Choose(12, {{L::Players, "2,3"}})));
  EXPECT_EQ(io.errorsReported(), 0);
}

class ResultsReports : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildResultsLeague(dir.path()); }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(ResultsReports, EveryReportMatchesItsGolden) {
  for (int whose : {0, 2}) {
    ReportChoices c = Choose(13);
    c.whoseAverages = whose;
    ExpectGoldenLines("results-averages-" + std::to_string(whose), test::ReportText(13, c));
  }
  ReportChoices summary = Choose(3);
  summary.extraStats = true;
  summary.namesOnRight = true;
  ExpectGoldenLines("results-summary", test::ReportText(3, summary));
  ReportChoices weekly = Choose(4, {{L::Teams, "1,4"}, {L::Weeks, "1-2"}});
  weekly.extraStats = true;
  ExpectGoldenLines("results-team-weekly", test::ReportText(4, weekly));
  ReportChoices players = Choose(11, {{L::Weeks, "3"}});
  players.extraStats = true;
  ExpectGoldenLines("results-player-weekly", test::ReportText(11, players));
  ExpectGoldenLines("results-team-to-date", test::ReportText(5, Choose(5)));
  ExpectGoldenLines("results-player-to-date",
                    test::ReportText(12, Choose(12, {{L::Players, "PLAYER 1-1, sub 2"}})));
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(ResultsReports, AveragesListsTeamsOrPlayersAndSubs) {
  ReportChoices c = Choose(13);
  c.whoseAverages = 2;
  const std::string teams = test::ReportText(13, c);
  EXPECT_EQ(Count(teams, "TEAM "), 4);
  EXPECT_EQ(Count(teams, "PLAYER "), 0);
  c.whoseAverages = 1;
  const std::string subs = test::ReportText(13, c);
  EXPECT_LT(subs.find("PLAYER 4-3"), subs.find("SUB 1"));
  EXPECT_LT(subs.find("SUB 1"), subs.find("SUB 2"));
  c.whoseAverages = 0;
  EXPECT_EQ(test::ReportText(13, c).find("SUB 1"), std::string::npos);
}

TEST_F(ResultsReports, SummaryPrintsEachSessionAndRestoresTheCurrentOne) {
  const Single gamesNow = lg.PlayerStat[2][kGamesPlayed];
  const std::string text = test::ReportText(3, Choose(3));
  ASSERT_EQ(Count(text, "STATISTICS -- "), 2);
  EXPECT_LT(text.find("SESSION 1 OF 2"), text.find("SESSION 2 OF 2"));
  EXPECT_EQ(Count(text, "Statistics Reset At Start of this Session"), 1);
  // PLAYER 1-1 (record 2) played 12 games by session 1's statistics, 6 by session 2's.
  const std::size_t second = text.find("SESSION 2 OF 2");
  EXPECT_NE(text.substr(0, second).find(" 12 151.5"), std::string::npos);
  EXPECT_NE(text.substr(second).find("  6 151.5"), std::string::npos);
  EXPECT_EQ(lg.PlayerStat[2][kGamesPlayed], gamesNow);
}

TEST_F(ResultsReports, NamesOnTheLeftShiftEveryColumnByTwenty) {
  ReportChoices c = Choose(3, {{L::Sessions, "2"}});
  c.namesOnRight = true;
  const std::string right = LineWith(test::ReportText(3, c, false), "PLAYER 2-3");
  c.namesOnRight = false;
  const std::string left = LineWith(test::ReportText(3, c, false), "PLAYER 2-3");
  ASSERT_FALSE(right.empty());
  ASSERT_FALSE(left.empty());
  EXPECT_EQ(left.substr(0, 20), Fixed("PLAYER 2-3", 20));
  EXPECT_EQ(left.substr(20, 74), right.substr(0, 74));
}

TEST_F(ResultsReports, ForfeitedWeekPrintsOnlyItsHeader) {
  const std::string text =
      test::ReportText(4, Choose(4, {{L::Teams, "4"}, {L::Weeks, "2"}}));
  EXPECT_EQ(Count(text, "THIS WEEK WAS FORFEITED"), 1);
  EXPECT_EQ(text.find("GAME "), std::string::npos);
  EXPECT_EQ(text.find("SUM"), std::string::npos);
}

TEST_F(ResultsReports, EveryBlockOnItsOwnPage) {
  const std::string text =
      test::ReportText(4, Choose(4, {{L::Teams, "1,2"}, {L::Weeks, "1-3"}}));
  EXPECT_EQ(Count(text, "\x0c\r\n"), 6);
  EXPECT_NE(text.find("P. 6 "), std::string::npos);
  EXPECT_EQ(text.find("P. 7 "), std::string::npos);
  EXPECT_EQ(Count(text, "RESULTS. THEY WON"), 6);
}

TEST_F(ResultsReports, AbsentAndSubstitutesAreNoted) {
  const std::string week4 =
      test::ReportText(4, Choose(4, {{L::Teams, "1"}, {L::Weeks, "4"}}), false);
  EXPECT_EQ(LineWith(week4, "PLAYER 1-1").substr(41, 6), "ABSENT");
  const std::string team =
      test::ReportText(4, Choose(4, {{L::Teams, "1,2"}, {L::Weeks, "1"}}), false);
  EXPECT_EQ(LineWith(team, "SUB 1").substr(41, 10), "SUBSTITUTE");
  EXPECT_EQ(LineWith(team, "PLAYER 1-3").substr(52, 10), "INCOMPLETE");
  const std::string toDate =
      test::ReportText(12, Choose(12, {{L::Players, "2"}}));
  EXPECT_NE(LineWith(toDate, " 4 ").find("ABSENT"), std::string::npos);
}

TEST_F(ResultsReports, UnreadableWeekIsNamedAndSkipped) {
  // A folder in place of the score file: no record can be read.
  const std::string scores = lg.DataPath + lg.FileName + ".scr";
  std::filesystem::remove(scores);
  std::filesystem::create_directory(scores);
  const std::string text = test::ReportText(5, Choose(5, {{L::Teams, "1"}}));
  EXPECT_NE(text.find("WEEK 3 COULD NOT BE READ: RESULTS.SCR CANNOT BE OPENED"), std::string::npos);
  EXPECT_EQ(text.find("TEAM 2  "), std::string::npos);
}

TEST_F(ResultsReports, SelectionsAreParsedOrRefused) {
  struct Case { SelectionList list; const char* text; std::vector<int> values; };
  const Case good[] = {
      {L::Weeks, "all", {1, 2, 3, 4}},
      {L::Weeks, "4, 1-2,2", {1, 2, 4}},
      {L::Teams, "3,1", {1, 3}},
      {L::Players, "player 1-2,6", {3, 6}},
      {L::Sessions, "2", {2}},
      {L::Awards, "1,11", {0, kFirstExtraStat}},
  };
  for (const Case& c : good) {
    std::vector<int> values;
    std::string problem;
    EXPECT_TRUE(ParseSelection(c.list, 4, c.text, values, problem)) << c.text << ": " << problem;
    EXPECT_EQ(values, c.values) << c.text;
  }
  const std::pair<SelectionList, const char*> bad[] = {
      {L::Weeks, "5"},  {L::Weeks, "3-1"}, {L::Teams, "60"},
      {L::Teams, "0"},  {L::Weeks, "1,"},  {L::Players, "NOBODY"},
      {L::Sessions, "3"}, {L::Awards, "21"}};
  for (const auto& [list, text] : bad) {
    std::vector<int> values;
    std::string problem;
    EXPECT_FALSE(ParseSelection(list, 4, text, values, problem)) << text;
    EXPECT_FALSE(problem.empty()) << text;
  }
}

}  // namespace
