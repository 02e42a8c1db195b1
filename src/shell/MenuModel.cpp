#include "shell/MenuModel.h"

#include "league/LeagueData.h"
#include "processing/WeekUndo.h"

namespace tallmark {

namespace {

MenuEntry Item(const char* caption, bool enabled = true) {
  MenuEntry e;
  e.caption = caption;
  e.enabled = enabled;
  return e;
}

MenuEntry Separator() { return MenuEntry{}; }

MenuEntry Check(const char* caption, bool enabled = true) {
  MenuEntry e = Item(caption, enabled);
  e.checkable = true;
  return e;
}

MenuEntry Sub(const char* caption, MenuId submenu, bool enabled = true) {
  MenuEntry e = Item(caption, enabled);
  e.submenu = submenu;
  e.hasSubmenu = true;
  return e;
}

Menu Bar(const char* name, const char* caption, std::vector<MenuEntry> entries) {
  return Menu{name, caption, true, std::move(entries)};
}

Menu Popup(const char* name, const char* caption, std::vector<MenuEntry> entries) {
  return Menu{name, caption, false, std::move(entries)};
}

constexpr bool kOff = false;

bool ScoresEntered() { return lg.CurrentWeek >= lg.StartWeek; }

void Enable(MenuModel& m, MenuId id, std::initializer_list<int> indices, bool on) {
  for (int i : indices) m.entry(id, i).enabled = on;
}

}  // namespace

MenuModel::MenuModel() {
  using enum MenuId;
  menus_[static_cast<int>(File)] = Bar(
      "MenuFileStep", "&File",
      {Item("&New"), Item("&Open"), Item("&Save", kOff), Item("Save &As", kOff), Separator(),
       Item("&Backup"), Item("&Restore Backup"), Separator(),
       Sub("&Export...", FileExport, kOff), Item("Publish to &Web Folder...", kOff),
       Item("E-&mail Standing Sheet...", kOff), Separator(),
       Item("E&xit")});
  menus_[static_cast<int>(FileExport)] =
      Popup("MenuFileExportStep", "&Export...",
            {Item("&Raw Scores"), Sub("&Averages...", FileExportAverages)});
  menus_[static_cast<int>(FileExportAverages)] =
      Popup("MenuFileExportAveragesStep", "&Averages...",
            {Item("&1. Bowlers"), Item("&2. Bowlers and Subs"), Item("&3. Teams")});
  menus_[static_cast<int>(Edit)] = Bar(
      "MenuEditStep", "&Edit",
      {Item("&Undo"), Separator(), Item("Cu&t"), Item("&Copy"), Item("&Paste"), Separator(),
       Item("&Bulletin"), Item("&Weekly Scores", kOff), Separator(), Item("Statistics", kOff),
       Item("Raw Scores", kOff), Separator(), Item("Undo &Last Processed Week", kOff),
       Item("&Reprocess Weeks...", kOff)});
  menus_[static_cast<int>(Setup)] = Bar(
      "MenuSetupStep", "&Setup",
      {Item("&Scoring Options", kOff), Item("S&plit Season Options", kOff),
       Item("&Award Options", kOff), Item("&Teams and Subs", kOff),
       Item("C&ustomized Special Awards", kOff), Item("&Classifications", kOff),
       Item("&Lanes and Schedule", kOff), Item("&Officer and League Names", kOff),
       Item("&Extra Statistics and Fees", kOff), Separator(), Item("New Season", kOff),
       Separator(), Item("Sport Information")});
  menus_[static_cast<int>(Reports)] = Bar(
      "MenuReportsStep", "&Reports",
      {Sub("&1 Standing Sheet...", ReportsStanding, kOff), Item("&2 Statiscal Summary", kOff),
       Sub("&3 Results...", ReportsResults, kOff), Item("&4 Rankings", kOff),
       Item("&5 League Options", kOff), Item("&6 Special Awards", kOff),
       Item("&7 Team Rosters", kOff), Sub("&8 Schedule", ReportsSchedule, kOff),
       Item("&9 Averages", kOff), Item("&0 Treasurer", kOff)});
  menus_[static_cast<int>(ReportsStanding)] =
      Popup("MenuReportsStandingStep", "&1 Standing Sheet...",
            {Item("&Condensed", kOff), Item("&Normal", kOff)});
  menus_[static_cast<int>(ReportsResults)] =
      Popup("MenuReportsResultsStep", "&3 Results...",
            {Item("&Season", kOff), Item("&Weekly", kOff), Item("&Recap Sheets", kOff)});
  menus_[static_cast<int>(ReportsSchedule)] =
      Popup("MenuReportsScheduleStep", "&8 Schedule",
            {Item("&Season", kOff), Item("&Recap Data Entry", kOff)});
  menus_[static_cast<int>(Graph)] =
      Bar("MenuGraphStep", "&Graphs",
          {Item("&1 Statistical Rankings"), Item("&2 Weekly Individual Results"),
           Item("&3 To Date Individual Results"), Item("&4 Weekly Team Results"),
           Item("&5 To Date Team Results")});
  menus_[static_cast<int>(Option)] = Bar(
      "MenuOptionStep", "&Option",
      {Check("&Automatic Backup"), Check("&Tool Tips"), Sub("&Print To...", OptionPrintTo),
       Item("Printer &Setup", kOff), Check("Printer &Margins"), Check("A&ward Popups")});
  menus_[static_cast<int>(OptionPrintTo)] = Popup(
      "MenuOptionPrintToStep", "&Print To...",
      {Check("&Screen"), Check("&Printer"), Check("&File")});
  entry(OptionPrintTo, menu::kScreen).checked = true;
  menus_[static_cast<int>(Help)] =
      Bar("MenuHelpStep", "&Help",
          {Item("&Contents"), Item("&Search"), Separator(), Item("&About Tallmark")});
}

const std::array<MenuId, 7>& MenuModel::MenuBar() {
  static const std::array<MenuId, 7> bar = {MenuId::File,   MenuId::Edit,  MenuId::Setup,
                                            MenuId::Reports, MenuId::Graph, MenuId::Option,
                                            MenuId::Help};
  return bar;
}

void UpdateMenus(MenuModel& m, bool loaded) {
  using namespace menu;
  const bool scored = loaded && ScoresEntered();
  Enable(m, MenuId::File, {kSave, kSaveAs, kExport}, loaded);
  Enable(m, MenuId::File, {kPublish, kMail}, scored);
  Enable(m, MenuId::Edit, {kBulletin, kWeeklyScores}, loaded);
  Enable(m, MenuId::Setup,
         {kScoring, kAwards, kTeams, kClassifications, kLanes, kNames, kExtraStats, kNewSeason},
         loaded);
  // The award options switch the customized awards on and off.
  Enable(m, MenuId::Setup, {kCustomAwards}, loaded && lg.CustomAward[3][0] != 0);
  Enable(m, MenuId::Setup, {kSplitSeason}, loaded && lg.CurrentSession <= lg.NumSessions);
  Enable(m, MenuId::Reports, {kStandingSheet, kSummary, kResults, kAverages}, scored);
  Enable(m, MenuId::Reports, {kRankings, kLeagueOptions, kSpecialAwards, kRosters, kSchedule},
         loaded);
  Enable(m, MenuId::Reports, {kTreasurer}, scored && lg.FeeUnit != 0);
  Enable(m, MenuId::ReportsStanding, {0, 1}, scored);
  Enable(m, MenuId::ReportsSchedule, {0}, loaded);
  Enable(m, MenuId::ReportsSchedule, {1}, scored);
  Enable(m, MenuId::ReportsResults, {0, 1, 2}, scored);
  // Both editing windows need an open league; raw scores also need a week entered.
  Enable(m, MenuId::Edit, {kRawScores}, scored);
  Enable(m, MenuId::Edit, {kStatistics}, loaded);
  Enable(m, MenuId::Edit, {kUndoWeek, kReprocess}, loaded && CanUndoWeek());
}

void StartUpMenus(MenuModel& m) {
  using namespace menu;
  const bool loaded = LeagueOpen();
  m.entry(MenuId::Edit, kStatistics).enabled = loaded;
  m.entry(MenuId::Edit, kRawScores).enabled = loaded && ScoresEntered();
  m.entry(MenuId::Edit, kUndoWeek).enabled = m.entry(MenuId::Edit, kReprocess).enabled =
      loaded && CanUndoWeek();
  m.entry(MenuId::File, kExport).enabled = m.entry(MenuId::File, kPublish).enabled =
      m.entry(MenuId::File, kMail).enabled = loaded && ScoresEntered();
  m.entry(MenuId::Option, kPrintTo).enabled = true;
  m.entry(MenuId::Option, kPrintMargins).enabled = true;
}

void SetOptionChecks(MenuModel& m) {
  using namespace menu;
  m.entry(MenuId::Option, kAutoBackup).checked = lg.AutoBackup != 0;
  m.entry(MenuId::Option, kToolTips).checked = lg.ToolTips != 0;
  m.entry(MenuId::Option, kPrintMargins).checked = lg.PrintMargins != 0;
  m.entry(MenuId::Option, kAwardPopups).checked = lg.AwardPopups != 0;
}

void ToggleOption(MenuModel& m, int index) {
  using namespace menu;
  Integer* flag = nullptr;
  switch (index) {
    case kAutoBackup: flag = &lg.AutoBackup; break;
    case kToolTips: flag = &lg.ToolTips; break;
    case kPrintMargins: flag = &lg.PrintMargins; break;
    case kAwardPopups: flag = &lg.AwardPopups; break;
    default: return;
  }
  *flag = *flag != 0 ? False : True;
  m.entry(MenuId::Option, index).checked = *flag != 0;
}

bool ChoosePrintTo(MenuModel& m, int index) {
  using namespace menu;
  if (index < kScreen || index > kFile) return false;
  if (m.entry(MenuId::OptionPrintTo, index).checked) return false;
  for (int i = kScreen; i <= kFile; ++i) m.entry(MenuId::OptionPrintTo, i).checked = i == index;
  // The destination chosen last decides: a printer or the screen never prints into a file
  // left over from choosing "&File" before.
  lg.PrintToPrinter = index == kScreen ? False : True;
  lg.PrintToFile = index == kFile ? True : False;
  m.entry(MenuId::Option, kPrinterSetup).enabled = index == kPrinter;
  if (index == kFile) {
    lg.PrintFromPage = 1;
    lg.PrintToPage = 255;
  }
  return index == kPrinter;
}

void ApplyPrintSetup(const PrintSetupChoice& choice) {
  lg.PrintCopies = static_cast<Integer>(choice.copies);
  if (choice.pageRange) {
    lg.PrintFromPage = static_cast<Integer>(choice.fromPage);
    lg.PrintToPage = static_cast<Integer>(choice.toPage);
  }
  lg.PrintToFile = choice.toFile ? True : False;
}

}  // namespace tallmark
