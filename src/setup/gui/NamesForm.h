// The league and officer names window and the bulletin window. Everything they decide is in
// NamesSetup and BulletinSetup.
#pragma once

#include <array>

#include "setup/NamesSetup.h"
#include "setup/gui/TipDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tallmark {

class NamesForm : public TipDialog {
  Q_OBJECT

 public:
  explicit NamesForm(QWidget* parent = nullptr);

  QLineEdit* leagueBox() const { return league_; }
  // Offices 0..3.
  QCheckBox* notUsedBox(int k) const { return notUsed_[k]; }
  QComboBox* nameList(int k) const { return lists_[k]; }
  QLineEdit* titleBox(int k) const { return titles_[k]; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  void showOffice(int k);
  void okClicked();

  NamesSetup setup_;
  QLineEdit* league_ = nullptr;
  std::array<QCheckBox*, NamesSetup::kOffices> notUsed_{};
  std::array<QComboBox*, NamesSetup::kOffices> lists_{};
  std::array<QLineEdit*, NamesSetup::kOffices> titles_{};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

class BulletinForm : public TipDialog {
  Q_OBJECT

 public:
  enum Button { OkButton, CancelButton, EraseButton };

  explicit BulletinForm(QWidget* parent = nullptr);

  QPlainTextEdit* textBox() const { return text_; }
  QLabel* leftLabel() const { return left_; }
  QPushButton* button(int b) const { return buttons_[b]; }

 private:
  void textChanged();

  BulletinSetup setup_;
  QPlainTextEdit* text_ = nullptr;
  QLabel* left_ = nullptr;
  std::array<QPushButton*, 3> buttons_{};
};

}  // namespace tallmark
