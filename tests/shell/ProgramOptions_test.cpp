// The options file: reading with its defaults and quirks, and writing it back byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "shell/MenuModel.h"
#include "shell/ProgramOptions.h"
#include "shell/StartUp.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class ProgramOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TALLMARK_HOME");
    oldHome = old ? old : "";
    setenv("TALLMARK_HOME", home.path().c_str(), 1);
    InitLeagueData();
    lg.ProgramPath = home.path();
    lg.DataPath = home.path();
  }
  void TearDown() override { setenv("TALLMARK_HOME", oldHome.c_str(), 1); }
  void WriteOptions(const std::string& text) {
    ASSERT_EQ(WriteFileAtomic(home.file("TALLMARK.INI"), text), 0);
  }
  std::string ReadOptions() {
    std::string text;
    EXPECT_EQ(ReadWholeFile(home.file("TALLMARK.INI"), text), 0);
    return text;
  }
  test::TempDir home;
  std::string oldHome;
  test::ScriptedUserIO io;
};

TEST(GetOptionValue, FindsTheValueUpToTheCarriageReturn) {
  std::string text = "DataPath = /leagues/\r\nLeagueFileName = MONDAY\r\n";
  EXPECT_EQ(GetOptionValue(text, "DataPath", "x"), "/leagues/");
  EXPECT_EQ(GetOptionValue(text, "LeagueFileName", "x"), "MONDAY");
}

TEST(GetOptionValue, DefaultsWhenKeySeparatorOrLineEndIsMissing) {
  EXPECT_EQ(GetOptionValue("", "ToolTips", "1"), "1");
  EXPECT_EQ(GetOptionValue("ToolTips=0\r\n", "ToolTips", "1"), "1");      // no " = "
  EXPECT_EQ(GetOptionValue("ToolTips = 0", "ToolTips", "1"), "1");        // no CR after it
  EXPECT_EQ(GetOptionValue("ToolTips = 0\n", "ToolTips", "1"), "1");      // LF only
  EXPECT_EQ(GetOptionValue("tooltips = 0\r\n", "ToolTips", "1"), "1");    // case-sensitive
}

TEST(GetOptionValue, KeyIsFoundAnywhereEvenInsideAnotherValue) {
  // The folder name holds "AutoBackup": the key is found there, and the value is what follows
  // the next " = " on the following line.
  std::string text = "DataPath = /home/AutoBackup/\r\nLeagueFileName = L\r\nAutoBackup = 0\r\n";
  EXPECT_EQ(GetOptionValue(text, "AutoBackup", "1"), "L");
}

TEST(OptionFlagValue, IsMinusValOfTheText) {
  EXPECT_EQ(OptionFlagValue("1"), -1);
  EXPECT_EQ(OptionFlagValue("0"), 0);
  EXPECT_EQ(OptionFlagValue(" 1"), -1);
  EXPECT_EQ(OptionFlagValue("2"), -2);
  EXPECT_EQ(OptionFlagValue("yes"), 0);
  EXPECT_EQ(OptionFlagValue("1abc"), -1);
}

TEST_F(ProgramOptionsTest, MissingFileGivesNoLeagueAllFlagsOnAndScreenChecked) {
  lg.AutoBackup = lg.ToolTips = lg.PrintMargins = lg.AwardPopups = False;
  MenuModel menus;
  StartUpLeague(menus);
  EXPECT_EQ(lg.FileName, NoFileName);
  EXPECT_EQ(lg.DataPath, home.path());
  EXPECT_EQ(lg.AutoBackup, True);
  EXPECT_EQ(lg.ToolTips, True);
  EXPECT_EQ(lg.PrintMargins, True);
  EXPECT_EQ(lg.AwardPopups, True);
  for (int i : {menu::kAutoBackup, menu::kToolTips, menu::kPrintMargins, menu::kAwardPopups})
    EXPECT_TRUE(menus.entry(MenuId::Option, i).checked) << i;
  EXPECT_TRUE(menus.entry(MenuId::OptionPrintTo, menu::kScreen).checked);
  EXPECT_FALSE(menus.entry(MenuId::OptionPrintTo, menu::kPrinter).checked);
  EXPECT_FALSE(menus.entry(MenuId::OptionPrintTo, menu::kFile).checked);
  EXPECT_TRUE(io.shown.empty());  // a missing options file is not an error
}

TEST_F(ProgramOptionsTest, LeagueWhoseConfigurationIsGoneLeavesNoLeague) {
  test::TempDir leagues;
  WriteOptions("DataPath = " + leagues.path() +
               "\r\nLeagueFileName = GONE\r\nAutoBackup = 0\r\nToolTips = 1\r\n"
               "PrintMargins = 0\r\nAwardPopups = 1\r\n");
  ReadProgramOptions();
  EXPECT_EQ(lg.FileName, NoFileName);
  EXPECT_EQ(lg.DataPath, lg.ProgramPath);
  EXPECT_EQ(lg.AutoBackup, False);
  EXPECT_EQ(lg.ToolTips, True);
  EXPECT_EQ(lg.PrintMargins, False);
  EXPECT_EQ(lg.AwardPopups, True);
}

TEST_F(ProgramOptionsTest, LeagueWhoseConfigurationExistsIsNamedWhateverTheCase) {
  test::TempDir leagues;
  ASSERT_EQ(WriteFileAtomic(leagues.file("monday.cfg"), "x\r\n"), 0);
  WriteOptions("DataPath = " + leagues.path() + "\r\nLeagueFileName = MONDAY\r\n");
  ReadProgramOptions();
  EXPECT_EQ(lg.DataPath, leagues.path());
  EXPECT_EQ(lg.FileName, "MONDAY");
  EXPECT_EQ(lg.AutoBackup, True);  // missing keys take "1"
}

TEST_F(ProgramOptionsTest, WritesTheSixLinesInOrder) {
  lg.DataPath = "/data/leagues/";
  lg.FileName = "THURSDAY";
  lg.AutoBackup = False;
  lg.ToolTips = True;
  lg.PrintMargins = -2;  // any non-zero flag is written as on
  lg.AwardPopups = False;
  ASSERT_TRUE(WriteProgramOptions());
  EXPECT_EQ(ReadOptions(),
            "DataPath = /data/leagues/\r\n"
            "LeagueFileName = THURSDAY\r\n"
            "AutoBackup = 0\r\n"
            "ToolTips = 1\r\n"
            "PrintMargins = 1\r\n"
            "AwardPopups = 0\r\n");
}

TEST_F(ProgramOptionsTest, WrittenOptionsReadBackTheSame) {
  test::TempDir leagues;
  ASSERT_EQ(WriteFileAtomic(leagues.file("LEAGUE.CFG"), "x\r\n"), 0);
  lg.DataPath = leagues.path();
  lg.FileName = "LEAGUE";
  lg.AutoBackup = False;
  lg.AwardPopups = False;
  ASSERT_TRUE(WriteProgramOptions());
  InitLeagueData();
  lg.ProgramPath = home.path();
  ReadProgramOptions();
  EXPECT_EQ(lg.DataPath, leagues.path());
  EXPECT_EQ(lg.FileName, "LEAGUE");
  EXPECT_EQ(lg.AutoBackup, False);
  EXPECT_EQ(lg.ToolTips, True);
  EXPECT_EQ(lg.AwardPopups, False);
}

TEST_F(ProgramOptionsTest, ExitWithNoLeagueWritesOnlyTheOptions) {
  int backups = 0;
  ExitProgramSteps([&] { ++backups; });
  EXPECT_EQ(backups, 0);
  EXPECT_EQ(ReadOptions(), "DataPath = " + home.path() +
                               "\r\nLeagueFileName = NOT-OPEN\r\nAutoBackup = 1\r\n"
                               "ToolTips = 1\r\nPrintMargins = 1\r\nAwardPopups = 1\r\n");
}

TEST_F(ProgramOptionsTest, UnwritableOptionsFileIsReported) {
  lg.ProgramPath = home.path() + "no-such-folder/";
  EXPECT_FALSE(WriteProgramOptions());
  EXPECT_EQ(io.errorsReported(), 1);
}

}  // namespace
}  // namespace tallmark
