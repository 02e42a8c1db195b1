// The log of an import from the lanes: its lines, to read, print or save.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace tallmark {

class ImportLogDialog : public QDialog {
  Q_OBJECT

 public:
  // text: UTF-8, lines ending in CR LF.
  ImportLogDialog(const std::string& text, QWidget* parent = nullptr);

  QPlainTextEdit* LogText = nullptr;
  QPushButton* PrintButton = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* CloseButton = nullptr;

 private:
  void print();
  void save();

  std::string text_;
};

}  // namespace tallmark
