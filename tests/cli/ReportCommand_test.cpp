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

}  // namespace
