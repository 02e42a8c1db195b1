// tallmark-cli graph on the sample league, with no display: one file per graph page, and the
// refusals of a bad type, extension or "--max".
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunCli.h"

namespace tallmark::test {
namespace {

TEST(GraphCommand, WritesOneFilePerGraphWithoutADisplay) {
  TempDir program, dir;
  ASSERT_EQ(RunCli(program.path(), {"sample", dir.path()}).status, 0);
  const std::string cfg = dir.file("SAMPLE.CFG");
  // Two teams over four weeks at two weeks a graph: four pages.
  CliResult r = RunCli(program.path(), {"graph", cfg, "teams-to-date", "--teams", "1,3", "--max",
                                        "2", "--high-low", "-o", dir.file("T.wmf")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, dir.file("T001.wmf") + "\n" + dir.file("T002.wmf") + "\n" +
                       dir.file("T003.wmf") + "\n" + dir.file("T004.wmf") + "\n");
  // A name that ends in digits is a name: the counter goes after it.
  r = RunCli(program.path(), {"graph", cfg, "teams-to-date", "--teams", "1", "--max", "2", "--high-low", "-o",
                              dir.file("w012.png")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), dir.file("w012001.png"));
  r = RunCli(program.path(), {"graph", cfg, "weekly-players", "--weeks", "2", "--handicap", "-o",
                              dir.file("week.pdf")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_GT(std::filesystem::file_size(dir.file("week.pdf")), 1000u);

  struct Refusal { std::vector<std::string> args; int status; };
  for (const Refusal& c : {Refusal{{"weekly", "-o", "x.png"}, 2},
                           Refusal{{"rankings", "-o", dir.file("x.txt")}, 2},
                           Refusal{{"weekly-teams", "--max", "1", "-o", dir.file("x.png")}, 2},
                           Refusal{{"weekly-teams", "--max", "1268", "-o", dir.file("x.png")}, 2},
                           Refusal{{"weekly-teams", "--weeks", "9", "-o", dir.file("x.png")}, 2},
                           Refusal{{"weekly-teams", "--weeks", "3-1", "-o", dir.file("x.png")}, 2},
                           Refusal{{"players-to-date", "--players", "", "-o", dir.file("x.png")}, 2}}) {
    std::vector<std::string> args = {"graph", cfg};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(RunCli(program.path(), args).status, c.status) << c.args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.png")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.txt")));
}

}  // namespace
}  // namespace tallmark::test
