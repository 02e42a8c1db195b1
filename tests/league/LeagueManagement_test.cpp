#include "league/LeagueManagement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "support/LeagueFilesTest.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

namespace fs = std::filesystem;

using test::LeagueManagementTest;
using test::StoredStat;

TEST_F(LeagueManagementTest, SetNamesFromDialogSplitsFolderAndTitle) {
  SetNamesFromDialog("/data/leagues/TUESDAY.cfg");
  EXPECT_EQ(lg.DataPath, "/data/leagues/");
  EXPECT_EQ(lg.FileName, "TUESDAY");
  SetNamesFromDialog("/b/&EAGUE.Z05");
  EXPECT_EQ(lg.FileName, "&EAGUE");
  EXPECT_EQ(WithLeagueExtension("/a/NEW"), "/a/NEW.CFG");
  EXPECT_EQ(WithLeagueExtension("/a/new.cfg"), "/a/new.cfg");
}

TEST_F(LeagueManagementTest, SaveAsCopiesTheLeagueAndOpensTheNewName) {
  const auto before = test::FolderFiles(dir.path());
  test::TempDir other;
  ASSERT_TRUE(SaveLeagueFilesAs(other.file("COPY.cfg")));

  EXPECT_EQ(lg.DataPath, other.path());
  EXPECT_EQ(lg.FileName, "COPY");
  EXPECT_EQ(test::FolderFiles(dir.path()), before);  // the old league is left as it was
  // Week files and the awards log are copied as they are; the score file as ".SCR".
  EXPECT_EQ(test::FileText(other.file("COPY.SEA")), before.at("LEAGUE.SEA"));
  EXPECT_EQ(test::FileText(other.file("COPY.SCR")), before.at("LEAGUE.scr"));
  EXPECT_EQ(test::FileText(other.file("COPY.SPC")), before.at("LEAGUE.SPC"));
  // Those written from memory equal the old ones too, the configuration file included.
  for (const char* ext : {".CFG", ".IDS", ".RST", ".MSG", ".STT"})
    EXPECT_EQ(test::FileText(other.file(std::string("COPY") + ext)),
              before.at(std::string("LEAGUE") + ext))
        << ext;

  InitLeagueData();
  test::UseProgramFolder(dir.file("program/"));
  SetNamesFromDialog(other.file("COPY.CFG"));
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(lg.CurrentWeek, 3);
  Integer player = 0;
  ReadScore(2, 3, 1, player);
  EXPECT_EQ(player, lg.Roster[3][1]);
  EXPECT_EQ(lg.ScrGameScore[1], test::TestScore(2, 3, 1, 1));
}

TEST_F(LeagueManagementTest, SaveAsKeepsTheStatisticsOfEverySession) {
  // A split season in its second session: section 1 lives only in the file.
  lg.NumSessions = 2;
  lg.CurrentSession = 2;
  SaveLeague();
  lg.PlayerStat[2][kTotalPins] = 111;
  WriteStats(1);
  lg.PlayerStat[2][kTotalPins] = 222;

  test::TempDir other;
  ASSERT_TRUE(SaveLeagueFilesAs(other.file("COPY.CFG")));
  EXPECT_FLOAT_EQ(StoredStat(other.file("COPY.STT"), 1, 2, kTotalPins), 111);
  EXPECT_FLOAT_EQ(StoredStat(other.file("COPY.STT"), 2, 2, kTotalPins), 222);
}

TEST_F(LeagueManagementTest, SaveAsOverAnOtherLeagueLeavesNoStaleRecords) {
  test::TempDir other;
  fs::copy_file(league(".scr"), other.file("COPY.scr"));
  fs::remove(league(".scr"));  // this league has no scores yet
  ASSERT_TRUE(SaveLeagueFilesAs(other.file("COPY.CFG")));
  EXPECT_FALSE(FileExists(other.file("COPY.SCR")));
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(LeagueManagementTest, SaveAsOntoItselfOnlySaves) {
  const auto before = test::FolderFiles(dir.path());
  ASSERT_TRUE(SaveLeagueFilesAs(dir.file("league.cfg")));
  EXPECT_EQ(test::FolderFiles(dir.path()), before);
}

TEST_F(LeagueManagementTest, OpenRefusesALeagueOfTheDosVersion) {
  test::TempDir other;
  test::BuildTestLeague(other.path(), "OLD", 0);
  SetNamesFromDialog(dir.file("LEAGUE.CFG"));
  ASSERT_TRUE(LoadLeague());
  { std::ofstream(other.file("old.sch")) << "x"; }

  io.shown.clear();
  EXPECT_FALSE(OpenLeagueFiles(other.file("OLD.CFG")));
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].text,
            "The files from the DOS version of this program are not compatible with the Windows "
            "version. The data will not be loaded.");
  EXPECT_EQ(io.shown[0].icon, MsgIcon::Critical);
  EXPECT_EQ(lg.FileName, "LEAGUE");
  EXPECT_EQ(lg.DataPath, dir.path());

  fs::remove(other.file("old.sch"));
  EXPECT_TRUE(OpenLeagueFiles(other.file("OLD.CFG")));
  EXPECT_EQ(lg.FileName, "OLD");
  EXPECT_EQ(lg.CurrentWeek, 0);
}

TEST_F(LeagueManagementTest, NewOverAnExistingLeagueAnsweredNoChangesNothing) {
  const auto before = test::FolderFiles(dir.path());
  io.answer(MsgAnswer::No);
  EXPECT_FALSE(NewLeagueFiles(dir.file("LEAGUE.CFG")));
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].text, "Overwrite the existing file with a new file");
  EXPECT_EQ(io.shown[0].title, "WARNING");
  EXPECT_EQ(io.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(test::FolderFiles(dir.path()), before);
  EXPECT_EQ(lg.FileName, "LEAGUE");
  EXPECT_EQ(lg.LeagueName, "TUESDAY MIXED");
}

TEST_F(LeagueManagementTest, NewLeagueSavesTheOpenOneAndWritesAMinimalSet) {
  lg.LeagueName = "RENAMED";  // an unsaved change of the open league
  test::TempDir other;
  ASSERT_TRUE(NewLeagueFiles(other.file("FRESH.CFG")));
  EXPECT_TRUE(io.shown.empty());  // no league of that name: nothing to ask

  EXPECT_EQ(lg.FileName, "FRESH");
  EXPECT_EQ(lg.LeagueName, "NEW");
  EXPECT_EQ(lg.NumPlayerRecords, 1);
  EXPECT_EQ(test::FileText(other.file("FRESH.SPC")), "SPECIAL AWARDS LOG STARTED ON WEEK 1\r\n");
  EXPECT_EQ(test::FileText(other.file("FRESH.MSG")), "\" \"\r\n");
  EXPECT_FALSE(FileExists(other.file("FRESH.SCR")));
  // The old league was saved first.
  SeqReader cfg = SeqReader::Open(league(".CFG"));
  cfg.text();
  EXPECT_EQ(cfg.text(), "RENAMED");
}

TEST_F(LeagueManagementTest, NewOverAnExistingLeagueAnsweredYesLeavesNoOldRecords) {
  io.answer(MsgAnswer::Yes);
  ASSERT_TRUE(NewLeagueFiles(dir.file("LEAGUE.CFG")));
  EXPECT_FALSE(FileExists(league(".SCR")));
  EXPECT_EQ(fs::file_size(league(".SEA")), 12u);  // week 1's two slots of one lane pair
  EXPECT_EQ(lg.LeagueName, "NEW");
  EXPECT_EQ(lg.CurrentWeek, 0);
}

}  // namespace
}  // namespace tallmark
