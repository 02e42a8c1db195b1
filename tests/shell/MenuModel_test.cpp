// The main window's menus: captions, starting states and the rules that enable entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/LeagueData.h"
#include "shell/MenuModel.h"

namespace tallmark {
namespace {

std::vector<std::string> Captions(const MenuModel& m, MenuId id) {
  std::vector<std::string> c;
  for (const MenuEntry& e : m.menu(id).entries) c.push_back(e.caption);
  return c;
}

bool On(const MenuModel& m, MenuId id, int index) { return m.entry(id, index).enabled; }

// A league open at a given week.
void League(int currentWeek, int startWeek = 1) {
  InitLeagueData();
  lg.FileName = "LEAGUE";
  lg.CurrentWeek = static_cast<Integer>(currentWeek);
  lg.StartWeek = static_cast<Integer>(startWeek);
  lg.NumWeeks = 30;
  lg.FeeUnit = 12.5f;
}

TEST(MenuModel, MenuBarAndEntriesHaveTheirCaptionsAtTheirIndices) {
  MenuModel m;
  std::vector<std::string> bar;
  for (MenuId id : MenuModel::MenuBar()) bar.push_back(m.menu(id).caption);
  EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Edit", "&Setup", "&Reports", "&Graphs",
                                           "&Option", "&Help"}));
  EXPECT_EQ(Captions(m, MenuId::File),
            (std::vector<std::string>{"&New", "&Open", "&Save", "Save &As", "", "&Backup",
                                      "&Restore Backup", "", "&Export...",
                                      "Publish to &Web Folder...", "E-&mail Standing Sheet...", "",
                                      "E&xit"}));
  EXPECT_EQ(Captions(m, MenuId::FileExport),
            (std::vector<std::string>{"&Raw Scores", "&Averages..."}));
  EXPECT_EQ(Captions(m, MenuId::FileExportAverages),
            (std::vector<std::string>{"&1. Bowlers", "&2. Bowlers and Subs", "&3. Teams"}));
  EXPECT_EQ(Captions(m, MenuId::Edit),
            (std::vector<std::string>{"&Undo", "", "Cu&t", "&Copy", "&Paste", "", "&Bulletin",
                                      "&Weekly Scores", "", "Statistics", "Raw Scores", "",
                                      "Undo &Last Processed Week", "&Reprocess Weeks..."}));
  EXPECT_EQ(Captions(m, MenuId::Setup),
            (std::vector<std::string>{
                "&Scoring Options", "S&plit Season Options", "&Award Options",
                "&Teams and Subs", "C&ustomized Special Awards", "&Classifications",
                "&Lanes and Schedule", "&Officer and League Names", "&Extra Statistics and Fees",
                "", "New Season", "", "Sport Information"}));
  EXPECT_EQ(Captions(m, MenuId::Reports),
            (std::vector<std::string>{"&1 Standing Sheet...", "&2 Statiscal Summary",
                                      "&3 Results...", "&4 Rankings", "&5 League Options",
                                      "&6 Special Awards", "&7 Team Rosters", "&8 Schedule",
                                      "&9 Averages", "&0 Treasurer"}));
  EXPECT_EQ(Captions(m, MenuId::ReportsStanding),
            (std::vector<std::string>{"&Condensed", "&Normal"}));
  EXPECT_EQ(Captions(m, MenuId::ReportsResults),
            (std::vector<std::string>{"&Season", "&Weekly", "&Recap Sheets"}));
  EXPECT_EQ(Captions(m, MenuId::ReportsSchedule),
            (std::vector<std::string>{"&Season", "&Recap Data Entry"}));
  EXPECT_EQ(Captions(m, MenuId::Graph),
            (std::vector<std::string>{"&1 Statistical Rankings", "&2 Weekly Individual Results",
                                      "&3 To Date Individual Results", "&4 Weekly Team Results",
                                      "&5 To Date Team Results"}));
  EXPECT_EQ(Captions(m, MenuId::Option),
            (std::vector<std::string>{"&Automatic Backup", "&Tool Tips", "&Print To...",
                                      "Printer &Setup", "Printer &Margins", "A&ward Popups"}));
  EXPECT_EQ(Captions(m, MenuId::OptionPrintTo),
            (std::vector<std::string>{"&Screen", "&Printer", "&File"}));
  EXPECT_EQ(Captions(m, MenuId::Help),
            (std::vector<std::string>{"&Contents", "&Search", "", "&About Tallmark"}));
}

TEST(MenuModel, SubMenusHangOffTheirEntries) {
  MenuModel m;
  auto sub = [&](MenuId id, int i) {
    EXPECT_TRUE(m.entry(id, i).hasSubmenu);
    return m.entry(id, i).submenu;
  };
  EXPECT_EQ(sub(MenuId::File, menu::kExport), MenuId::FileExport);
  EXPECT_EQ(sub(MenuId::FileExport, 1), MenuId::FileExportAverages);
  EXPECT_EQ(sub(MenuId::Reports, menu::kStandingSheet), MenuId::ReportsStanding);
  EXPECT_EQ(sub(MenuId::Reports, menu::kResults), MenuId::ReportsResults);
  EXPECT_EQ(sub(MenuId::Reports, menu::kSchedule), MenuId::ReportsSchedule);
  EXPECT_EQ(sub(MenuId::Option, menu::kPrintTo), MenuId::OptionPrintTo);
  EXPECT_EQ(m.menu(MenuId::File).name, "MenuFileStep");
  EXPECT_EQ(m.menu(MenuId::FileExportAverages).name, "MenuFileExportAveragesStep");
}

TEST(MenuModel, NoLeagueLeavesLeagueEntriesDisabled) {
  InitLeagueData();
  MenuModel m;
  UpdateMenus(m, false);
  StartUpMenus(m);
  for (int i : {menu::kSave, menu::kSaveAs, menu::kExport, menu::kPublish, menu::kMail})
    EXPECT_FALSE(On(m, MenuId::File, i));
  for (int i : {menu::kNew, menu::kOpen, menu::kBackup, menu::kRestore, menu::kExit})
    EXPECT_TRUE(On(m, MenuId::File, i));
  for (int i : {menu::kBulletin, menu::kWeeklyScores, menu::kStatistics, menu::kRawScores})
    EXPECT_FALSE(On(m, MenuId::Edit, i)) << i;
  for (int i : {menu::kUndo, menu::kCut, menu::kCopy, menu::kPaste})
    EXPECT_TRUE(On(m, MenuId::Edit, i));
  for (int i = 0; i <= menu::kNewSeason; ++i)
    if (!m.entry(MenuId::Setup, i).separator()) {
      EXPECT_FALSE(On(m, MenuId::Setup, i)) << i;
    }
  EXPECT_TRUE(On(m, MenuId::Setup, menu::kSportInfo));
  for (MenuId id : {MenuId::Reports, MenuId::ReportsStanding, MenuId::ReportsResults,
                    MenuId::ReportsSchedule})
    for (const MenuEntry& e : m.menu(id).entries) EXPECT_FALSE(e.enabled) << e.caption;
  for (const MenuEntry& e : m.menu(MenuId::Graph).entries) EXPECT_TRUE(e.enabled);
  EXPECT_TRUE(On(m, MenuId::Option, menu::kPrintTo));
  EXPECT_TRUE(On(m, MenuId::Option, menu::kPrintMargins));
  EXPECT_FALSE(On(m, MenuId::Option, menu::kPrinterSetup));
}

TEST(MenuModel, LeagueBeforeItsFirstWeek) {
  League(4, 5);  // starts at week 5, nothing entered yet
  MenuModel m;
  UpdateMenus(m, true);
  StartUpMenus(m);
  for (int i : {menu::kSave, menu::kSaveAs}) EXPECT_TRUE(On(m, MenuId::File, i));
  EXPECT_FALSE(On(m, MenuId::File, menu::kExport));  // start-up: no weeks to export yet
  EXPECT_FALSE(On(m, MenuId::File, menu::kPublish));
  for (int i : {menu::kBulletin, menu::kWeeklyScores, menu::kStatistics})
    EXPECT_TRUE(On(m, MenuId::Edit, i)) << i;
  EXPECT_FALSE(On(m, MenuId::Edit, menu::kRawScores));
  EXPECT_FALSE(On(m, MenuId::Edit, menu::kUndoWeek));  // no week processed yet
  EXPECT_FALSE(On(m, MenuId::Edit, menu::kReprocess));
  for (int i = 0; i <= menu::kNewSeason; ++i)
    if (!m.entry(MenuId::Setup, i).separator() && i != menu::kCustomAwards) {
      EXPECT_TRUE(On(m, MenuId::Setup, i)) << i;
    }
  EXPECT_FALSE(On(m, MenuId::Setup, menu::kCustomAwards));  // customized awards are off
  for (int i : {menu::kStandingSheet, menu::kSummary, menu::kResults, menu::kAverages,
                menu::kTreasurer})
    EXPECT_FALSE(On(m, MenuId::Reports, i)) << i;
  for (int i : {menu::kRankings, menu::kLeagueOptions, menu::kSpecialAwards, menu::kRosters,
                menu::kSchedule})
    EXPECT_TRUE(On(m, MenuId::Reports, i)) << i;
  EXPECT_FALSE(On(m, MenuId::ReportsStanding, 0));
  EXPECT_FALSE(On(m, MenuId::ReportsStanding, 1));
  EXPECT_TRUE(On(m, MenuId::ReportsSchedule, 0));
  EXPECT_FALSE(On(m, MenuId::ReportsSchedule, 1));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(On(m, MenuId::ReportsResults, i));
}

TEST(MenuModel, LeagueAfterWeeksAreProcessed) {
  League(6);
  MenuModel m;
  UpdateMenus(m, true);
  StartUpMenus(m);
  EXPECT_TRUE(On(m, MenuId::File, menu::kExport));
  EXPECT_TRUE(On(m, MenuId::File, menu::kPublish));
  EXPECT_TRUE(On(m, MenuId::Edit, menu::kRawScores));
  EXPECT_TRUE(On(m, MenuId::Edit, menu::kUndoWeek));
  EXPECT_TRUE(On(m, MenuId::Edit, menu::kReprocess));
  for (const MenuEntry& e : m.menu(MenuId::Reports).entries) EXPECT_TRUE(e.enabled) << e.caption;
  for (MenuId id : {MenuId::ReportsStanding, MenuId::ReportsResults, MenuId::ReportsSchedule})
    for (const MenuEntry& e : m.menu(id).entries) EXPECT_TRUE(e.enabled) << e.caption;
}

TEST(MenuModel, TreasurerNeedsAFee) {
  League(6);
  lg.FeeUnit = 0;
  MenuModel m;
  UpdateMenus(m, true);
  EXPECT_FALSE(On(m, MenuId::Reports, menu::kTreasurer));
  EXPECT_TRUE(On(m, MenuId::Reports, menu::kAverages));
}

TEST(MenuModel, CustomizedAwardsFollowTheAwardOptionsSwitch) {
  League(6);
  MenuModel m;
  for (Integer on : {False, True, False}) {
    lg.CustomAward[3][0] = on;
    UpdateMenus(m, true);
    EXPECT_EQ(On(m, MenuId::Setup, menu::kCustomAwards), on != 0);
  }
}

TEST(MenuModel, SplitSeasonOptionsOnlyWithinTheSessions) {
  League(6);
  lg.NumSessions = 2;
  lg.CurrentSession = 2;
  MenuModel m;
  UpdateMenus(m, true);
  EXPECT_TRUE(On(m, MenuId::Setup, menu::kSplitSeason));
  lg.CurrentSession = 3;
  UpdateMenus(m, true);
  EXPECT_FALSE(On(m, MenuId::Setup, menu::kSplitSeason));
}

TEST(MenuModel, ClosingTheLeagueDisablesWhatOpeningEnabled) {
  League(6);
  MenuModel m;
  UpdateMenus(m, true);
  InitLeagueData();
  UpdateMenus(m, false);
  EXPECT_FALSE(On(m, MenuId::Edit, menu::kRawScores));
  EXPECT_FALSE(On(m, MenuId::Edit, menu::kStatistics));
  EXPECT_FALSE(On(m, MenuId::Reports, menu::kRankings));
  EXPECT_FALSE(On(m, MenuId::File, menu::kSave));
}

TEST(MenuModel, PrinterSetupIsDisabledUntilPrinterIsChosen) {
  InitLeagueData();
  MenuModel m;
  EXPECT_FALSE(On(m, MenuId::Option, menu::kPrinterSetup));
  EXPECT_FALSE(ChoosePrintTo(m, menu::kScreen));  // already checked: nothing happens
  EXPECT_FALSE(On(m, MenuId::Option, menu::kPrinterSetup));

  EXPECT_TRUE(ChoosePrintTo(m, menu::kPrinter));  // the print dialog is to be shown
  EXPECT_TRUE(On(m, MenuId::Option, menu::kPrinterSetup));
  EXPECT_EQ(lg.PrintToPrinter, True);
  EXPECT_TRUE(m.entry(MenuId::OptionPrintTo, menu::kPrinter).checked);
  EXPECT_FALSE(m.entry(MenuId::OptionPrintTo, menu::kScreen).checked);
  EXPECT_FALSE(ChoosePrintTo(m, menu::kPrinter));  // again: no second dialog

  lg.PrintFromPage = 3;
  lg.PrintToPage = 4;
  EXPECT_FALSE(ChoosePrintTo(m, menu::kFile));
  EXPECT_FALSE(On(m, MenuId::Option, menu::kPrinterSetup));
  EXPECT_EQ(lg.PrintToPrinter, True);
  EXPECT_EQ(lg.PrintToFile, True);
  EXPECT_EQ(lg.PrintFromPage, 1);
  EXPECT_EQ(lg.PrintToPage, 255);

  EXPECT_FALSE(ChoosePrintTo(m, menu::kScreen));
  EXPECT_EQ(lg.PrintToPrinter, False);
  EXPECT_EQ(lg.PrintToFile, False);
  int checked = 0;
  for (const MenuEntry& e : m.menu(MenuId::OptionPrintTo).entries) checked += e.checked;
  EXPECT_EQ(checked, 1);
}

TEST(MenuModel, PrinterAfterFilePrintsToThePrinter) {
  InitLeagueData();
  MenuModel m;
  ChoosePrintTo(m, menu::kFile);
  ChoosePrintTo(m, menu::kPrinter);  // the print dialog cancelled: nothing applied
  EXPECT_EQ(lg.PrintToFile, False);
  EXPECT_EQ(lg.PrintToPrinter, True);
}

TEST(MenuModel, PrintSetupChoiceIsTaken) {
  InitLeagueData();
  ApplyPrintSetup({3, false, 2, 5, true});
  EXPECT_EQ(lg.PrintCopies, 3);
  EXPECT_EQ(lg.PrintFromPage, 1);  // no page range chosen: unchanged
  EXPECT_EQ(lg.PrintToFile, True);
  ApplyPrintSetup({1, true, 2, 5, false});
  EXPECT_EQ(lg.PrintFromPage, 2);
  EXPECT_EQ(lg.PrintToPage, 5);
  EXPECT_EQ(lg.PrintToFile, False);
}

TEST(MenuModel, OptionEntriesToggleFlagAndCheckMark) {
  InitLeagueData();
  MenuModel m;
  SetOptionChecks(m);
  ToggleOption(m, menu::kToolTips);
  EXPECT_EQ(lg.ToolTips, False);
  EXPECT_FALSE(m.entry(MenuId::Option, menu::kToolTips).checked);
  ToggleOption(m, menu::kToolTips);
  EXPECT_EQ(lg.ToolTips, True);
  lg.AwardPopups = -2;  // an odd value from a hand-edited options file still toggles off
  ToggleOption(m, menu::kAwardPopups);
  EXPECT_EQ(lg.AwardPopups, False);
  ToggleOption(m, menu::kAutoBackup);
  ToggleOption(m, menu::kPrintMargins);
  EXPECT_EQ(lg.AutoBackup, False);
  EXPECT_EQ(lg.PrintMargins, False);
  EXPECT_FALSE(m.entry(MenuId::Option, menu::kPrintMargins).checked);
}

}  // namespace
}  // namespace tallmark
