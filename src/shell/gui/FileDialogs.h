// The file dialogs of the main window, behind a replaceable function so that tests can answer
// them.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tallmark {

struct FileRequest {
  enum Kind { Open, Save, Folder };
  Kind kind = Open;
  QString title;
  QString folder;         // initial folder
  QString filter;         // e.g. "League Files (*.cfg *.CFG)"
  QString defaultSuffix;  // without the dot
  QString presetFile;     // full path preset in the dialog, or empty
  bool confirmOverwrite = true;
};

// Returns the chosen full path, or an empty text when cancelled.
using FileDialogChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;

// Shows the dialog through the chooser in force (QFileDialog unless replaced).
QString ChooseFile(QWidget* parent, const FileRequest& request);
// Replaces the chooser; an empty one restores QFileDialog. Returns the previous one.
FileDialogChooser SetFileDialogChooser(FileDialogChooser chooser);

// The dialogs the league files use.
FileRequest NewLeagueRequest();
FileRequest OpenLeagueRequest();
FileRequest SaveLeagueAsRequest();
FileRequest RestoreBackupRequest();
// The folder the league's web pages are published into.
FileRequest PublishFolderRequest();

}  // namespace tallmark
