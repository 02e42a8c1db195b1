// tallmark-cli graph on the sample league, with no display: one file per graph page, and the
// refusals of a bad type, extension or "--max"; only the graph command maps Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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

// The shared libraries tallmark-cli opened to run the arguments, as the dynamic loader lists them.
std::string LoadedLibraries(const std::string& home, const TempDir& dir,
                            const std::vector<std::string>& args) {
  const std::string log = dir.file("loader");
  std::string command = "LD_DEBUG=files LD_DEBUG_OUTPUT='" + log + "' TALLMARK_HOME='" + home +
                        "' '" TALLMARK_CLI "'";
  for (const std::string& a : args) command += " '" + a + "'";
  EXPECT_EQ(std::system((command + " </dev/null >/dev/null 2>&1").c_str()), 0) << command;
  std::stringstream all;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    if (entry.path().filename().string().rfind("loader", 0) != 0) continue;
    all << std::ifstream(entry.path()).rdbuf();
    std::filesystem::remove(entry.path());
  }
  return all.str();
}

TEST(GraphCommand, OnlyTheGraphCommandMapsQt) {
  TempDir program, dir;
  ASSERT_EQ(RunCli(program.path(), {"sample", dir.path()}).status, 0);
  const std::string cfg = dir.file("SAMPLE.CFG");
  // Week 5 complete: every bowler of the eight teams' line-ups.
  std::ofstream sheet(dir.file("week5.csv"));
  for (int team = 1; team <= 8; ++team)
    for (int position = 1; position <= 3; ++position)
      sheet << team << "," << position << ",,," << 140 + team << ",150,160,\n";
  sheet.close();
  ASSERT_EQ(RunCli(program.path(), {"scores", cfg, "--week", "5", "--file", dir.file("week5.csv")})
                .status, 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--version"}, {"info", cfg}, {"process", cfg}}) {
    const std::string loaded = LoadedLibraries(program.path(), dir, args);
    EXPECT_NE(loaded.find("libzip"), std::string::npos) << args[0];
    EXPECT_EQ(loaded.find("libQt6"), std::string::npos) << args[0];
  }
  EXPECT_NE(RunCli(program.path(), {"info", cfg}).out.find("Week: 5 of 30"), std::string::npos);
  const std::string loaded =
      LoadedLibraries(program.path(), dir, {"graph", cfg, "rankings", "-o", dir.file("r.png")});
  EXPECT_NE(loaded.find("libQt6Charts"), std::string::npos);
}

}  // namespace
}  // namespace tallmark::test
