// The small window of Help, "&About Tallmark".
#pragma once

#include <QDialog>

class QPushButton;

namespace tallmark {

class AboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit AboutForm(QWidget* parent = nullptr);
  QPushButton* Command1 = nullptr;  // OK
};

}  // namespace tallmark
