// The sport definitions window: one tab per sport of the master file, the sport's ten terms, its
// game parameters and award values, and the buttons that add a sport, save them all or cancel.
// Everything it decides is in SportsSetup; the window shows and forwards.
#pragma once

#include <QDialog>

#include <array>
#include <map>

#include "setup/SportsSetup.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace tallmark {

class SpinTextBox;

class SportsForm : public QDialog {
  Q_OBJECT

 public:
  enum Button { SaveButton, CancelButton, AddButton };
  static constexpr int kRoundUpParam = 3;

  explicit SportsForm(QWidget* parent = nullptr);

  // For tests and the screenshots.
  QTabBar* tabs() const { return tabs_; }
  QLineEdit* termBox(int term) const { return termBoxes_[term]; }
  // Parameter boxes 0..7; box 3 (rounding up) is the list roundUpList().
  SpinTextBox* paramBox(int param) const { return paramBoxes_[param]; }
  QComboBox* roundUpList() const { return roundUp_; }
  QGroupBox* parametersFrame() const { return parametersFrame_; }
  QGroupBox* valuesFrame() const { return valuesFrame_; }
  QPushButton* button(int index) const { return buttons_[index]; }
  const SportsSetup& setup() const { return setup_; }
  QLabel* tipLabel() const { return tip_; }

 public slots:
  // Cancel, Escape or closing the window: the league's own sport is read again.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildTermsFrame();
  QWidget* buildParamFrame(QGroupBox*& frame, int first, int last);
  QWidget* buildParamBox(int param);
  QLayout* buildButtons();
  void addTip(QWidget* control, const std::string& text);

  void showSport();
  void showLabels();
  void tabChanged(int index);
  void commitFocusedBox();
  void addClicked();
  void saveClicked();

  SportsSetup setup_;
  QTabBar* tabs_ = nullptr;
  std::array<QLineEdit*, 10> termBoxes_{};
  std::array<SpinTextBox*, 8> paramBoxes_{};
  std::array<QLabel*, 8> paramLabels_{};
  QComboBox* roundUp_ = nullptr;
  QGroupBox* parametersFrame_ = nullptr;
  QGroupBox* valuesFrame_ = nullptr;
  std::array<QPushButton*, 3> buttons_{};
  QLabel* tip_ = nullptr;
  std::map<QObject*, QString> tips_;
};

// Opens the sport definitions window modally; QDialog::Accepted when the sports were saved.
int RunSportsForm(QWidget* parent);

}  // namespace tallmark
