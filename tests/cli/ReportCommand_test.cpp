// tallmark-cli report: refusals, and the reports of the window with their selections.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "reports/ReportGolden.h"
#include "reports/ResultsLeague.h"
#include "support/RunCli.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace {

int RunReportCli(const std::string& args) {
  const std::string command = std::string(TALLMARK_CLI) + " report " + args + " 2>/dev/null >/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReportCommand, RefusesBadArguments) {
  tallmark::test::TempDir dir;
  const std::string cfg = dir.file("L.CFG");
  EXPECT_EQ(RunReportCli(cfg + " weekly"), 2);                           // no such report
  EXPECT_EQ(RunReportCli(cfg), 2);                                       // report missing
  EXPECT_EQ(RunReportCli(cfg + " standing -o " + dir.file("out.doc")), 2);  // not a .TXT file
  EXPECT_EQ(RunReportCli(cfg + " standing --margins"), 2);               // unknown option
  EXPECT_EQ(RunReportCli(cfg + " averages --weeks 1"), 2);               // not a list of the report
  EXPECT_EQ(RunReportCli(cfg + " averages --whose everybody"), 2);
  EXPECT_EQ(RunReportCli(cfg + " summary --names middle"), 2);
  EXPECT_EQ(RunReportCli(cfg + " team-to-date --extra-stats"), 2);
  EXPECT_FALSE(std::system(("test -e " + dir.file("out.doc")).c_str()) == 0);
  EXPECT_EQ(RunReportCli(cfg + " standing -o " + dir.file("out.TXT")), 1);  // the league cannot be opened
}

TEST(ReportCommand, SelectionsOfAnOpenLeague) {
  using namespace tallmark;
  test::TempDir dir;
  test::ScriptedUserIO io;
  test::BuildResultsLeague(dir.path());
  const std::string home = dir.path() + "program/", cfg = dir.file("RESULTS.CFG");
  const std::pair<const char*, const char*> refused[] = {
      {"team-weekly", "--weeks"}, {"team-weekly", "--teams"}, {"player-to-date", "--players"}};
  const char* values[] = {"9", "60", "Nobody Here"};
  for (std::size_t i = 0; i < std::size(refused); ++i) {
    const test::CliResult r = test::RunCli(home, {"report", cfg, refused[i].first, refused[i].second, values[i]});
    EXPECT_EQ(r.status, 2) << values[i];
    EXPECT_NE(r.err.find(values[i]), std::string::npos) << r.err;
  }
  const test::CliResult r = test::RunCli(
      home, {"report", cfg, "team-weekly", "--teams", "1,4", "--weeks", "1-2", "--extra-stats",
             "-o", dir.file("weekly.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  test::ExpectGoldenLines("results-team-weekly", test::FileText(dir.file("weekly.txt")));
}

// The other reports through the command line print what the window's file destination prints
// for the same selections.
TEST(ReportCommand, OtherReportsMatchTheWindowsText) {
  using namespace tallmark;
  using reports::SelectionList;
  test::TempDir dir;
  test::ScriptedUserIO io;
  test::BuildResultsLeague(dir.path());
  const std::string home = dir.path() + "program/", cfg = dir.file("RESULTS.CFG");
  // The league as the command line finds it on disk.
  InitLeagueData();
  lg.ProgramPath = home;
  lg.DataPath = dir.path();
  lg.FileName = "RESULTS";
  ASSERT_TRUE(LoadLeague());
  struct Case {
    const char* name;
    int type;
    std::vector<std::pair<SelectionList, const char*>> lists;
  };
  const Case cases[] = {{"rankings", 6, {{SelectionList::Awards, "12"}, {SelectionList::Sessions, "1-2"}}},
                        {"options", 7, {}},
                        {"awards", 8, {{SelectionList::Weeks, "1-4"}, {SelectionList::Players, "all"}}},
                        {"rosters", 9, {{SelectionList::Teams, "2,4"}}},
                        {"schedule", 10, {}},
                        {"treasurer", 14, {{SelectionList::Teams, "all"}}}};
  for (const Case& c : cases) {
    std::vector<std::string> args = {"report", cfg, c.name, "-o", dir.file("out.txt")};
    reports::ReportChoices choices;
    for (const auto& [list, text] : c.lists) {
      const bool teams = list == SelectionList::Teams;
      args.insert(args.end(), {teams ? "--teams" : list == SelectionList::Awards ? "--categories"
                               : list == SelectionList::Sessions ? "--sessions"
                               : list == SelectionList::Weeks ? "--weeks" : "--players", text});
      std::vector<int>& values = teams ? choices.teams : list == SelectionList::Awards ? choices.categories
                                 : list == SelectionList::Sessions ? choices.sessions
                                 : list == SelectionList::Weeks ? choices.weeks : choices.players;
      std::string problem;
      ASSERT_TRUE(reports::ParseSelection(list, c.type, text, values, problem)) << problem;
      if (teams) {
        args.push_back("--subs");
        choices.substitutes = true;
      }
    }
    const test::CliResult r = test::RunCli(home, args);
    ASSERT_EQ(r.status, 0) << c.name << r.err;
    EXPECT_EQ(test::FileText(dir.file("out.txt")), test::ReportText(c.type, choices)) << c.name;
  }
}

}  // namespace
