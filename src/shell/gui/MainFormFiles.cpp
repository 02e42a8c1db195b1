// The main window's File menu and "New Season": the league files through the file dialogs.
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/Exports.h"
#include "league/LeagueData.h"
#include "setup/NewSeason.h"
#include "league/WeekFiles.h"
#include "processing/WeeklyProcessing.h"
#include "setup/gui/ParametersForm.h"
#include "shell/Publish.h"
#include "shell/StartUp.h"
#include "common/Text.h"
#include "common/UserIO.h"
#include "shell/gui/FileDialogs.h"
#include "league/gui/FormHelpers.h"
#include "shell/gui/Forms.h"
#include "shell/gui/MainForm.h"

namespace tallmark {

namespace {

// The dialog as the core's operations ask for a file: nullopt when cancelled.
FileChooser Chooser(QWidget* parent, FileRequest (*request)(), bool league) {
  return [parent, request, league]() -> std::optional<std::string> {
    QString path = ChooseFile(parent, request());
    if (path.isEmpty()) return std::nullopt;
    return league ? WithLeagueExtension(ToPath(path)) : ToPath(path);
  };
}

}  // namespace

void MainForm::BackupBeforeChange() {
  if (LeagueOpen() && lg.AutoBackup != 0) MakeBackup(lg.CurrentWeek);
}

void MainForm::FileMenu(int index) {
  using namespace menu;
  switch (index) {
    case kNew: {
      BackupBeforeChange();
      QString path = ChooseFile(this, NewLeagueRequest());
      if (path.isEmpty()) return;
      const LeagueNames before = CurrentNames();
      bool created = false;
      GuardLeagueLoad([&] { created = NewLeagueFiles(WithLeagueExtension(ToPath(path))); });
      // Closing the parameters window without OK leaves no half-made league behind.
      if (created && RunParametersForm(this) != QDialog::Accepted)
        GuardLeagueLoad([&] { AbandonNewLeague(before); });
      break;
    }
    case kOpen: {
      BackupBeforeChange();
      QString path = ChooseFile(this, OpenLeagueRequest());
      if (path.isEmpty()) return;
      GuardLeagueLoad([&] { OpenLeagueFiles(ToPath(path)); });
      WarnOfLeagueDamage();
      break;
    }
    case kSave: SaveLeagueFiles(); break;
    case kSaveAs: {
      BackupBeforeChange();
      QString path = ChooseFile(this, SaveLeagueAsRequest());
      if (path.isEmpty()) return;
      SaveLeagueFilesAs(WithLeagueExtension(ToPath(path)));
      break;
    }
    case kBackup: MakeBackup(lg.CurrentWeek); break;
    case kRestore:
      GuardLeagueLoad([&] { RestoreBackup(Chooser(this, RestoreBackupRequest, false)); });
      break;
    case kPublish: PublishWebFolder(); break;
    case kMail: MailStandingSheet(); break;
    case kExit: close(); break;
    default: break;
  }
}

void MainForm::FileExport(MenuId menu, int index) {
  if (menu == MenuId::FileExport && index == 0) ExportRawScores();
  if (menu == MenuId::FileExportAverages) ExportAverages(index);
}

void MainForm::PublishWebFolder() {
  const QString folder = ChooseFile(this, PublishFolderRequest());
  if (folder.isEmpty()) return;
  ShowBusy();
  const int err = PublishToFolder(ToPath(folder));
  ShowNormal();
  if (err != 0) {
    ReportError(err);
    return;
  }
  MsgBox("The league's web pages are in " + Utf8ToCp1252(folder.toStdString()) +
             ". Open index.html in a browser to see them.",
         {}, MsgIcon::Information);
}

void MainForm::NewSeason() {
  GuardLeagueLoad([&] { FreshStart(Chooser(this, SaveLeagueAsRequest, true)); });
}

std::function<void(int)> MainForm::PositionPairing() {
  return [](int week) {
    PairByStandings();
    WriteWeekResults(week);
  };
}

void MainForm::ExitProgram() { ExitProgramSteps([] { OfferBackup(); }); }

}  // namespace tallmark
