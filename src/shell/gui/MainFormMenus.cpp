// The main window's menu handlers (the File menu's league files are in MainFormFiles.cpp).
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>

#include "league/LeagueData.h"
#include "common/UserIO.h"
#include "shell/WeeklyEntry.h"
#include "shell/gui/Forms.h"
#include "league/gui/FormHelpers.h"
#include "shell/gui/HelpForm.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/PrintSetup.h"

namespace tallmark {

namespace {

// The text box that takes an editing command: a spin or combo box edits through its line.
QObject* EditTarget(QWidget* w) {
  if (!w) return nullptr;
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
  if (qobject_cast<QAbstractSpinBox*>(w)) return w->findChild<QLineEdit*>();
  return w;
}

}  // namespace

void MainForm::Choose(MenuId menu, int index) {
  if (!menus_.entry(menu, index).enabled) return;
  switch (menu) {
    case MenuId::File: FileMenu(index); break;
    case MenuId::FileExport:
    case MenuId::FileExportAverages: FileExport(menu, index); break;
    case MenuId::Edit: EditMenu(index); break;
    case MenuId::Setup: SetupMenu(index); break;
    case MenuId::Reports:
    case MenuId::ReportsStanding:
    case MenuId::ReportsResults:
    case MenuId::ReportsSchedule: ReportsMenu(menu, index); break;
    case MenuId::Graph:
      lg.GraphNumber = static_cast<Integer>(index + 1);
      OpenForm("Graph_Form", PlainCaption(Action(menu, index)->text()).mid(2), this);
      break;
    case MenuId::Option:
    case MenuId::OptionPrintTo: OptionMenu(menu, index); break;
    case MenuId::Help: HelpMenu(index); break;
  }
  if (!exiting_) Refresh();
}

void MainForm::OpenWindow(const QString& form, const QString& title) {
  OpenForm(form, title, this);
}

void MainForm::EditFocused(const char* slot) {
  QObject* target = EditTarget(editFocus_.data());
  if (target && target->metaObject()->indexOfMethod(QByteArray(slot) + "()") >= 0)
    QMetaObject::invokeMethod(target, slot);
}

void MainForm::EditMenu(int index) {
  using namespace menu;
  switch (index) {
    case kUndo: EditFocused("undo"); break;
    case kCut: EditFocused("cut"); break;
    case kCopy: EditFocused("copy"); break;
    case kPaste: EditFocused("paste"); break;
    case kBulletin: OpenWindow("Bulletin_Form", "Bulletin"); break;
    case kWeeklyScores: WeeklyScores(); break;
    case kStatistics:
      if (AskYesNo("Editing of statistics is mainly intended for entering mid-season "
                   "statistics." + NewLine + NewLine +
                   "If any editing of existing statistics is performed, it can invalidate "
                   "league data." + NewLine + NewLine +
                   "Are you sure you want to edit the stats?",
                   "EDIT TEAM AND PLAYER STATISTICS?"))
        OpenWindow("Stats_Edit_Form", "Statistics");
      break;
    case kRawScores: OpenWindow("Scores_Edit_Form", "Raw Scores"); break;
    default: break;
  }
}

void MainForm::SetupMenu(int index) {
  using namespace menu;
  static const QHash<int, QString> forms = {
      {kScoring, "Scoring_Form"},        {kSplitSeason, "SplitSeason_Form"},
      {kAwards, "Awards_Form"},          {kTeams, "Team_Form"},
      {kCustomAwards, "Custom_Awards_Form"}, {kClassifications, "Classification_Form"},
      {kLanes, "Schedule_Form"},         {kNames, "Names_Form"},
      {kExtraStats, "Extra_Statistics_Form"}, {kSportInfo, "Sports_Form"}};
  if (index == kNewSeason) {
    NewSeason();
    return;
  }
  if (forms.contains(index))
    OpenWindow(forms.value(index), PlainCaption(Action(MenuId::Setup, index)->text()));
}

void MainForm::WeeklyScores() {
  WeeklyEntryStart start = BeginWeeklyEntry(PositionPairing());
  if (start == WeeklyEntryStart::AllEntered) return;
  if (start == WeeklyEntryStart::NeedsSchedule) OpenWindow("Schedule_Form", "Lanes and Schedule");
  if (!WeekReadyForEntry()) return;
  OpenWindow("Results_Form", "Weekly Scores");
}

void MainForm::RunReport(int number, const QString& title) {
  lg.ReportNumber = static_cast<Integer>(number);
  OpenWindow("Report_Form", title);
}

void MainForm::ReportsMenu(MenuId menu, int index) {
  using namespace tallmark::menu;
  // Report numbers of the entries without a sub-menu.
  static const QHash<int, int> reports = {{kSummary, 3},       {kRankings, 6},
                                          {kLeagueOptions, 7}, {kSpecialAwards, 8},
                                          {kRosters, 9},       {kAverages, 13},
                                          {kTreasurer, 14}};
  QString title = PlainCaption(Action(menu, index)->text());
  switch (menu) {
    case MenuId::Reports:
      if (reports.contains(index)) RunReport(reports.value(index), title.mid(2));
      break;
    case MenuId::ReportsStanding:
      RunReport(index == 0 ? 2 : 1, "Standing Sheet");
      break;
    case MenuId::ReportsResults:
      if (index == 0) RunReport(5, "Season Results");
      if (index == 1) RunReport(4, "Weekly Results");
      if (index == 2) {
        MsgBox("On the following screen select the week you want to see a recap for and use "
               "the PRINT RESULTS button to print the recap results.",
               "PRINT RECAP SHEET OF RESULTS");
        OpenWindow("Results_Form_Recap", "Recap Sheets");
      }
      break;
    case MenuId::ReportsSchedule:
      if (index == 0) RunReport(10, "Schedule");
      if (index == 1) {
        MsgBox("Use the PRINT FORM button on the following screen to print the recap data "
               "entry sheets. If you need to make adjustments to the player line up on each "
               "team, make them before you print the forms.",
               "PRINT RECAP SHEET DATA ENTRY FORMS");
        WeeklyScores();
      }
      break;
    default: break;
  }
}

void MainForm::OptionMenu(MenuId menu, int index) {
  using namespace tallmark::menu;
  if (menu == MenuId::OptionPrintTo) {
    if (ChoosePrintTo(menus_, index)) PrintSetup(this);
    return;
  }
  if (index == kPrinterSetup) {
    PrintSetup(this);
    return;
  }
  ToggleOption(menus_, index);
  if (index == kToolTips && lg.ToolTips != True) TipBox()->hide();
}

void MainForm::HelpMenu(int index) {
  using namespace menu;
  if (index == kAbout) {
    OpenWindow("About_Form", "About");
    return;
  }
  HelpForm help(index == kSearch ? kHelpSearch : kHelpContents, this);
  CenterForm(&help);
  help.exec();
}

}  // namespace tallmark
