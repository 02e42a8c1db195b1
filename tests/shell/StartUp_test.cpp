// Start-up with the league open last, a league that cannot be read, and the order of the exit
// steps.
#include <gtest/gtest.h>

#include <cstdlib>

#include "league/ConfigFile.h"
#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "shell/MenuModel.h"
#include "shell/ProgramOptions.h"
#include "shell/StartUp.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class StartUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TALLMARK_HOME");
    oldHome = old ? old : "";
    setenv("TALLMARK_HOME", dir.path().c_str(), 1);
    test::BuildSmallLeague(dir.path());  // league ACE, week 3, fee 2.5
    ASSERT_TRUE(SaveLeague());
    ASSERT_EQ(WriteFileAtomic(dir.file("TALLMARK.INI"),
                              "DataPath = " + dir.path() +
                                  "\r\nLeagueFileName = ACE\r\nAutoBackup = 0\r\n"
                                  "ToolTips = 1\r\nPrintMargins = 1\r\nAwardPopups = 1\r\n"),
              0);
  }
  void TearDown() override { setenv("TALLMARK_HOME", oldHome.c_str(), 1); }
  std::string Read(const std::string& name) {
    std::string text;
    ReadWholeFile(dir.file(name), text);
    return text;
  }
  test::TempDir dir;
  std::string oldHome;
  test::ScriptedUserIO io;
};

TEST_F(StartUpTest, OpensTheLeagueOpenLast) {
  MenuModel menus;
  StartUpLeague(menus);
  EXPECT_EQ(lg.FileName, "ACE");
  EXPECT_EQ(Trim(lg.LeagueName), "ACE LEAGUE");
  EXPECT_EQ(lg.CurrentWeek, 3);
  EXPECT_EQ(lg.AutoBackup, False);
  EXPECT_FALSE(menus.entry(MenuId::Option, menu::kAutoBackup).checked);
  EXPECT_TRUE(menus.entry(MenuId::File, menu::kSave).enabled);
  EXPECT_TRUE(menus.entry(MenuId::File, menu::kExport).enabled);
  EXPECT_TRUE(menus.entry(MenuId::Edit, menu::kStatistics).enabled);
  EXPECT_TRUE(menus.entry(MenuId::Reports, menu::kTreasurer).enabled);
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(StartUpTest, UnreadableLeagueOpensAsNoLeagueAndIsNotSavedOver) {
  // The roster file is cut short: the league cannot be read completely.
  std::string roster = Read("ACE.RST");
  ASSERT_GT(roster.size(), 10u);
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.RST"), roster.substr(0, 10)), 0);
  const std::string config = Read("ACE.CFG");
  const std::string identities = Read("ACE.IDS");

  MenuModel menus;
  StartUpLeague(menus);
  EXPECT_GE(io.errorsReported(), 1);
  EXPECT_EQ(lg.FileName, NoFileName);
  EXPECT_EQ(lg.NumTeams, 0);  // nothing of the league stays in memory
  EXPECT_EQ(lg.AutoBackup, False);  // the options are kept
  ASSERT_FALSE(io.shown.empty());
  EXPECT_NE(io.shown.back().text.find(dir.path() + "ACE could not be read completely"),
            std::string::npos);
  EXPECT_FALSE(menus.entry(MenuId::File, menu::kSave).enabled);

  int backups = 0;
  ExitProgramSteps([&] { ++backups; });
  EXPECT_EQ(backups, 0);
  EXPECT_EQ(Read("ACE.CFG"), config);
  EXPECT_EQ(Read("ACE.IDS"), identities);
  EXPECT_EQ(Read("ACE.RST"), roster.substr(0, 10));
  EXPECT_NE(Read("TALLMARK.INI").find("LeagueFileName = NOT-OPEN\r\n"), std::string::npos);
}

TEST_F(StartUpTest, ExitOffersTheBackupThenSavesThenWritesTheOptions) {
  MenuModel menus;
  StartUpLeague(menus);
  ASSERT_EQ(lg.FileName, "ACE");
  ASSERT_TRUE(FileExists(dir.file("TALLMARK.INI")));
  std::remove(dir.file("TALLMARK.INI").c_str());
  lg.LeagueName = Fixed("RENAMED", lg.LeagueName.size());
  bool savedBeforeBackup = true;
  bool optionsBeforeBackup = true;
  ExitProgramSteps([&] {
    savedBeforeBackup = Read("ACE.CFG").find("RENAMED") != std::string::npos;
    optionsBeforeBackup = FileExists(dir.file("TALLMARK.INI"));
  });
  EXPECT_FALSE(savedBeforeBackup);
  EXPECT_FALSE(optionsBeforeBackup);
  EXPECT_NE(Read("ACE.CFG").find("RENAMED"), std::string::npos);
  EXPECT_EQ(Read("TALLMARK.INI"), "DataPath = " + dir.path() +
                                      "\r\nLeagueFileName = ACE\r\nAutoBackup = 0\r\n"
                                      "ToolTips = 1\r\nPrintMargins = 1\r\nAwardPopups = 1\r\n");
}

}  // namespace
}  // namespace tallmark

namespace tallmark {
namespace {

TEST_F(StartUpTest, LeagueOpenedWithErrorsIsClosedWhenItCannotBeRead) {
  std::string roster = Read("ACE.RST");
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.RST"), roster.substr(0, 10)), 0);
  InitLeagueData();
  GuardLeagueLoad([&] {
    lg.DataPath = dir.path();
    lg.FileName = "ACE";
    LoadLeague();
  });
  EXPECT_EQ(lg.FileName, NoFileName);
  EXPECT_EQ(io.errorsReported(), 1);  // the second reading is quiet
}

TEST_F(StartUpTest, LeagueOpenedWholeStaysOpenWhateverElseFailed) {
  InitLeagueData();
  GuardLeagueLoad([&] {
    ReportError(kErrDiskFull);  // say, saving the league closed before
    lg.DataPath = dir.path();
    lg.FileName = "ACE";
    LoadLeague();
  });
  EXPECT_EQ(lg.FileName, "ACE");
  EXPECT_EQ(lg.NumTeams, 2);
  EXPECT_EQ(io.errorsReported(), 1);
}

}  // namespace
}  // namespace tallmark
