#include "shell/gui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "common/UserIO.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

namespace {

QString DialogChooser(QWidget* parent, const FileRequest& r) {
  QFileDialog dialog(parent, r.title, r.folder, r.filter);
  dialog.setObjectName("CMDialog1");
  dialog.setAcceptMode(r.kind == FileRequest::Save ? QFileDialog::AcceptSave
                                                   : QFileDialog::AcceptOpen);
  dialog.setFileMode(r.kind == FileRequest::Save     ? QFileDialog::AnyFile
                     : r.kind == FileRequest::Folder ? QFileDialog::Directory
                                                     : QFileDialog::ExistingFile);
  if (r.kind == FileRequest::Folder) {
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
  }
  // Any typed name is taken; the program matches it to a file without regard to case.
  if (r.kind == FileRequest::Open) dialog.setFileMode(QFileDialog::AnyFile);
  if (!r.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
  if (!r.presetFile.isEmpty()) dialog.selectFile(r.presetFile);
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().first();
    if (r.kind != FileRequest::Open) return chosen;
    // A file to open is found whatever the case of its name, as everywhere in the program.
    const std::string found = FindFileNoCase(ToPath(chosen));
    if (FileExists(found)) return FromPath(found);
    MsgBox(ToLeagueText(QFileInfo(chosen).fileName()) + " File not found.");
  }
  return {};
}

FileDialogChooser& Current() {
  static FileDialogChooser chooser = DialogChooser;
  return chooser;
}

QString LeagueFilter() { return QStringLiteral("League Files (*.cfg *.CFG)"); }

QString CurrentLeagueFile() {
  if (!LeagueOpen()) return {};
  return FromPath(FindFileNoCase(lg.DataPath + lg.FileName + ".cfg"));
}

}  // namespace

QString ChooseFile(QWidget* parent, const FileRequest& request) {
  return Current()(parent, request);
}

FileDialogChooser SetFileDialogChooser(FileDialogChooser chooser) {
  FileDialogChooser previous = Current();
  Current() = chooser ? std::move(chooser) : FileDialogChooser(DialogChooser);
  return previous;
}

FileRequest NewLeagueRequest() {
  FileRequest r;
  r.kind = FileRequest::Save;  // a file that may not exist yet
  r.title = QStringLiteral("Create New League Files");
  r.folder = FromPath(lg.DataPath);
  r.filter = LeagueFilter();
  r.defaultSuffix = QStringLiteral("cfg");
  r.confirmOverwrite = false;  // the program asks itself before replacing a league
  return r;
}

FileRequest OpenLeagueRequest() {
  FileRequest r;
  r.kind = FileRequest::Open;
  r.title = QStringLiteral("Open Existing League Files");
  r.folder = FromPath(lg.DataPath);
  r.filter = LeagueFilter();
  r.defaultSuffix = QStringLiteral("cfg");
  r.presetFile = CurrentLeagueFile();
  return r;
}

FileRequest SaveLeagueAsRequest() {
  FileRequest r;
  r.kind = FileRequest::Save;
  r.title = QStringLiteral("Save As");
  r.folder = FromPath(lg.DataPath);
  r.filter = LeagueFilter();
  r.defaultSuffix = QStringLiteral("cfg");
  r.presetFile = CurrentLeagueFile();
  return r;
}

FileRequest RestoreBackupRequest() {
  FileRequest r;
  r.kind = FileRequest::Open;
  r.title = QStringLiteral("Select Backup to Restore");
  r.folder = FromPath(lg.DataPath);
  r.filter = QStringLiteral("Backup Files (*.Z?\? *.z?\?)");
  return r;
}

FileRequest PublishFolderRequest() {
  FileRequest r;
  r.kind = FileRequest::Folder;
  r.title = QStringLiteral("Publish to Web Folder");
  r.folder = FromPath(lg.DataPath);
  return r;
}

}  // namespace tallmark
