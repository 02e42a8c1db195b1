// Undo and reprocess keep the work done after a week: each run of command-line steps ends with
// every league file byte for byte as the run that never needed the correction.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace tallmark {
namespace {

using Steps = std::vector<std::vector<std::string>>;  // "@": the league, "#6": week 6's sheet

const std::vector<std::string> kSetUp = {"options", "@", "--set", "TopAwardsListed=5",
                                         "CustomAward(0,1)=0", "CustomAward(1,1)=150"};
const std::vector<std::string> kBulletin = {"bulletin", "@", "--file", "BULLETIN"};
const std::vector<std::string> kProcess = {"process", "@", "--no-backup"};
const std::vector<std::string> kUndo = {"undo", "@"};
const std::vector<std::string> kReprocess = {"reprocess", "@", "--from", "5"};

std::vector<std::string> Enter(int week) {
  return {"scores", "@", "--week", std::to_string(week), "--file", "#" + std::to_string(week)};
}

struct Equivalence {
  const char* name;
  Steps first, second;
  bool undoRecordsToo;  // also the undo records (an undo record keeps the next week's date)
  Steps split = {};     // done on both before
};

using Files = std::map<std::string, std::string>;

// The league's files (undoRecords false) or its undo records (true), by name.
Files Folder(const std::string& dir, bool undoRecords) {
  Files files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name[0] == '&' || entry.path().extension() == ".LCK" ||  // a writer's lock file
        (name.find(".U") != std::string::npos) != undoRecords)
      continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    files[name] = s.str();
  }
  return files;
}

class CorrectionsKeepWork : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseProgramFolder(program.path());
    std::ofstream(bulletin.file("b.txt")) << "Bowl-off on Friday";
  }
  void Run(const std::string& dir, const Steps& steps) {
    for (std::vector<std::string> step : steps) {
      for (std::string& a : step) {
        if (a == "@") a = dir + "SAMPLE.CFG";
        if (a == "BULLETIN") a = bulletin.file("b.txt");
        if (a[0] == '#')
          a = TALLMARK_TEST_DATA_DIR + std::string("/season/week0") + a.substr(1) + ".csv";
      }
      const test::CliResult r = test::RunCli(program.path(), step);
      ASSERT_EQ(r.status, 0) << step[0] << ": " << r.err;
    }
  }
  void Prepare(const std::string& dir, const Steps& split) {
    ASSERT_EQ(test::RunCli(program.path(), {"sample", dir}).status, 0);
    Run(dir, split);
    Run(dir, {Enter(5)});
  }
  test::TempDir program, bulletin;
};

TEST_F(CorrectionsKeepWork, UndoAndReprocessEqualTheStraightRun) {
  const Steps split = {{"options", "@", "--set", "SplitWeek(1)=-6", "StatResetMode=2",
                        "ClassResetAtSession(1)=-1"}};
  const std::vector<Equivalence> cases = {
      {"set-up and bulletin changed after the week",
       {kProcess, kSetUp, kBulletin, kUndo, kProcess}, {kSetUp, kBulletin, kProcess}, true},
      {"the next week entered", {kProcess, Enter(6), kUndo, kProcess, kProcess},
       {kProcess, Enter(6), kProcess}, false},
      {"an award added, reprocess with nothing corrected",
       {kProcess, kSetUp, Enter(6), kProcess, Enter(7), kProcess, Enter(8),
        kReprocess},
       {kProcess, kSetUp, Enter(6), kProcess, Enter(7), kProcess, Enter(8)}, true},
      {"undone twice across a split",
       {kProcess, Enter(6), kProcess, kUndo, kUndo, kProcess, kProcess},
       {kProcess, Enter(6), kProcess}, false, split},
      {"reprocessed across a split", {kProcess, Enter(6), kProcess, kReprocess},
       {kProcess, Enter(6), kProcess}, true, split},
  };
  for (const Equivalence& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir a, b;
    Prepare(a.path(), c.split);
    Prepare(b.path(), c.split);
    Run(a.path(), c.first);
    Run(b.path(), c.second);
    ASSERT_FALSE(HasFailure());
    const Files got = Folder(a.path(), false), want = Folder(b.path(), false);
    ASSERT_EQ(got.size(), 8u);
    for (const auto& [name, bytes] : want) EXPECT_TRUE(got.at(name) == bytes) << name;
    if (c.undoRecordsToo) {
      EXPECT_TRUE(Folder(a.path(), true) == Folder(b.path(), true));
    }
  }
}

}  // namespace
}  // namespace tallmark
