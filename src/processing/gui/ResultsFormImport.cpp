// "Import from Lanes..." of the results window: the export chosen, imported by the score entry
// the window shows, and its log shown.
#include <QFileDialog>
#include <QLineEdit>

#include "common/UserIO.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/gui/FormHelpers.h"
#include "processing/LaneImport.h"
#include "processing/gui/ImportLogDialog.h"
#include "processing/gui/ResultsForm.h"

namespace tallmark {

void ResultsForm::importClicked() {
  commitText();
  const std::string path =
      chooseImportFile ? chooseImportFile()
                       : ToPath(QFileDialog::getOpenFileName(
                             this, QStringLiteral("Import from Lanes"), QString(),
                             QStringLiteral("Lane exports (*.csv *.txt);;All files (*)")));
  if (path.empty()) return;
  std::string bytes;
  if (ReadWholeFile(path, bytes) != 0) {
    MsgBox("The file " + path + " could not be read.");
    return;
  }
  LaneImportOptions options;
  options.replace = lg.CompleteSlots > 0 &&
                    AskYesNo("Some teams of this week are entered already. Replace them with "
                             "the scores of the file?",
                             "Import from Lanes");
  const LaneImportResult result = ImportLanes(entry_, bytes, options);
  refresh();
  const std::string log = ImportLogText(result);
  if (showImportLog) {
    showImportLog(log);
    return;
  }
  ImportLogDialog dialog(log, this);
  dialog.exec();
}

}  // namespace tallmark
