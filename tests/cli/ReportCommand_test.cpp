// tallmark-cli report: refusals before any league is opened.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

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
  EXPECT_FALSE(std::system(("test -e " + dir.file("out.doc")).c_str()) == 0);
  EXPECT_EQ(RunReportCli(cfg + " standing -o " + dir.file("out.TXT")), 1);  // the league cannot be opened
}

}  // namespace
