// The main window's File menu and "New Season": the league files through the file dialogs.
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/Exports.h"
#include "league/LeagueData.h"
#include "setup/NewSeason.h"
#include "league/WeekFiles.h"
#include "processing/WeeklyProcessing.h"
#include "shell/StartUp.h"
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
      bool created = false;
      GuardLeagueLoad([&] { created = NewLeagueFiles(WithLeagueExtension(ToPath(path))); });
      if (created) OpenWindow("Parameters_Form", "New League Parameters");
      break;
    }
    case kOpen: {
      BackupBeforeChange();
      QString path = ChooseFile(this, OpenLeagueRequest());
      if (path.isEmpty()) return;
      GuardLeagueLoad([&] { OpenLeagueFiles(ToPath(path)); });
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
    case kExit: close(); break;
    default: break;
  }
}

void MainForm::FileExport(MenuId menu, int index) {
  if (menu == MenuId::FileExport && index == 0) ExportRawScores();
  if (menu == MenuId::FileExportAverages) ExportAverages(index);
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
