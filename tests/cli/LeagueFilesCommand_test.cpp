// tallmark-cli new-season, backup, restore and export, run as a separate program on a league
// in a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

namespace fs = std::filesystem;

using test::CliResult;

class LeagueFilesCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::BuildTestLeague(dir.path(), "LEAGUE", 3);
  }

  CliResult Run(const std::vector<std::string>& args) { return test::RunCli(dir.file("program/"), args); }
  std::string cfg() const { return dir.file("LEAGUE.CFG"); }

  test::TempDir dir;
  test::TempDir out;
  test::ScriptedUserIO io;
};

TEST_F(LeagueFilesCommandTest, BackupAndRestoreRoundTrip) {
  CliResult r = Run({"backup", cfg()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, dir.file("&EAGUE.Z03") + "\n");
  const auto original = test::FolderFiles(dir.path());

  ASSERT_EQ(WriteFileAtomic(dir.file("LEAGUE.MSG"), "\"spoiled\"\r\n"), 0);
  fs::remove(dir.file("LEAGUE.SEA"));
  r = Run({"restore", dir.file("&EAGUE.Z03")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, cfg() + "\n");
  auto restored = test::FolderFiles(dir.path());
  // The files are back; the archive now holds the spoiled files backed up before the restore.
  restored.erase("&EAGUE.Z03");
  auto expected = original;
  expected.erase("&EAGUE.Z03");
  EXPECT_EQ(restored, expected);
}

TEST_F(LeagueFilesCommandTest, RestoreOfAnUnsafeArchiveFails) {
  ASSERT_EQ(WriteFileAtomic(dir.file("&EAGUE.Z01"), "not an archive"), 0);
  const auto before = test::FolderFiles(dir.path());
  CliResult r = Run({"restore", dir.file("&EAGUE.Z01")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Restore failed. Error: The backup archive is damaged or unsafe"),
            std::string::npos)
      << r.err;
  // The archive is refused before the backup of the current files would be made.
  EXPECT_EQ(test::FolderFiles(dir.path()), before);
}

TEST_F(LeagueFilesCommandTest, ExportsAverages) {
  CliResult r = Run({"export", "bowlers-subs", cfg(), "--code", "NW-17"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, dir.file("$2AGUE.CSV") + "\n");
  const std::string text = test::FileText(dir.file("$2AGUE.CSV"));
  const std::string first = "\"League Code: NW-17\",\" \",\" \",\" \"\r\n";
  EXPECT_EQ(text.substr(0, first.size()), first);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5 + 12 + 2);

  r = Run({"export", "teams", cfg()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::FileText(dir.file("$3AGUE.CSV")).substr(0, 23), "\"League Code: BFJ-00\",\"");
}

TEST_F(LeagueFilesCommandTest, ExportsRawScores) {
  CliResult r = Run({"export", "raw", cfg()});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = test::FileText(dir.file("LEAGUE.CSV"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 3 * 4 * 3);
}

TEST_F(LeagueFilesCommandTest, RefusesBadExports) {
  EXPECT_EQ(Run({"export", "players", cfg()}).status, 2);
  EXPECT_EQ(Run({"export", "raw", cfg(), "--code", "X"}).status, 2);
  EXPECT_EQ(Run({"export", "raw"}).status, 2);
}

TEST_F(LeagueFilesCommandTest, NewSeason) {
  test::TempDir next;
  CliResult r = Run({"new-season", cfg(), next.file("NEXT")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, next.file("NEXT.CFG") + "\n");
  EXPECT_TRUE(FileExists(dir.file("&EAGUE.Z03")));  // the old season backed up first

  // PLAYER 2-3 (record 8) starts the new season at last season's 163.5, with no games.
  unsigned char buf[4];
  RecordFile(next.file("NEXT.STT"), 4).read(1 + 8 * 28 + kStartingAverage, buf);
  EXPECT_FLOAT_EQ(GetSingle(buf), 163.5f);
  RecordFile(next.file("NEXT.STT"), 4).read(1 + 8 * 28 + kGamesPlayed, buf);
  EXPECT_FLOAT_EQ(GetSingle(buf), 0);

  // The same name again is refused: the league is there now.
  r = Run({"new-season", cfg(), next.file("NEXT")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Run({"new-season", cfg()}).status, 2);
}

}  // namespace
}  // namespace tallmark
