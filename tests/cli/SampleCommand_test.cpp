// tallmark-cli sample, run as a program: the league it leaves opens in the other commands, and a
// second run into the same folder changes nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "league/LeagueData.h"
#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

using test::CliResult;

class SampleCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::UseProgramFolder(program.path());
  }

  CliResult Run(const std::vector<std::string>& args) { return test::RunCli(program.path(), args); }

  test::TempDir program;
  test::TempDir dir;
  test::TempDir out;
};

TEST_F(SampleCommand, BuildsOnceAndNeverAgainOverIt) {
  const std::string folder = dir.file("first look");  // made when missing
  CliResult r = Run({"sample", folder});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string cfg = folder + "/SAMPLE.CFG";
  EXPECT_EQ(r.out, cfg + "\n");

  r = Run({"info", cfg, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"league\": \"Tuesday Night Mixed\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"currentWeek\": 4,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"numWeeks\": 30,"), std::string::npos) << r.out;

  // The standings list the eight teams in their places.
  r = Run({"standings", cfg, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (int place = 1; place <= 8; ++place)
    EXPECT_NE(r.out.find("{\"position\": " + std::to_string(place) + ", "), std::string::npos);
  EXPECT_EQ(r.out.find("{\"position\": 9, "), std::string::npos);

  const auto before = test::FolderFiles(folder + "/");
  r = Run({"sample", folder});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("a league " + cfg + " exists already; not replaced"), std::string::npos)
      << r.err;
  EXPECT_EQ(test::FolderFiles(folder + "/"), before);

  EXPECT_EQ(Run({"sample"}).status, 2);
  EXPECT_EQ(Run({"sample", folder, "--teams", "4"}).status, 2);
}

}  // namespace
}  // namespace tallmark
