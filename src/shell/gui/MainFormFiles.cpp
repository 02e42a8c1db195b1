// The main window's File menu and "New Season": the league files through the file dialogs.
#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "shell/StartUp.h"
#include "shell/UserIO.h"
#include "shell/gui/FileDialogs.h"
#include "shell/gui/FormHelpers.h"
#include "shell/gui/MainForm.h"

namespace tallmark {

void MainForm::BackupBeforeChange() {}

void MainForm::FileMenu(int index) {
  using namespace menu;
  switch (index) {
    case kSave: SaveLeague(); break;
    case kExit: close(); break;
    default: ShowNotAvailable(this, PlainCaption(Action(MenuId::File, index)->text())); break;
  }
}

void MainForm::FileExport(MenuId menu, int index) {
  ShowNotAvailable(this, PlainCaption(Action(menu, index)->text()));
}

void MainForm::NewSeason() { ShowNotAvailable(this, "New Season"); }

std::function<void(int)> MainForm::PositionPairing() { return {}; }

void MainForm::ExitProgram() { ExitProgramSteps({}); }

}  // namespace tallmark
