// The scoring options window: every league option that governs weekly processing, on tabs.
// The values are edited in a ScoringOptions and reach the league only with OK.
#pragma once

#include <QDialog>

#include <array>
#include <map>
#include <string>

#include "processing/ScoringOptions.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tallmark {

class SpinTextBox;

class ScoringForm : public QDialog {
  Q_OBJECT

 public:
  explicit ScoringForm(QWidget* parent = nullptr);

  // For tests and the screenshots: the controls by their place on the window.
  SpinTextBox* pointBox(int box) const { return pointBoxes_[box]; }
  SpinTextBox* groupBox(int row, int g) const { return groupBoxes_[row][g]; }
  QRadioButton* methodButton(int choice) const { return methodButtons_[choice]; }
  QCheckBox* switchBox(int box) const { return switches_[box]; }
  QRadioButton* highGameTeamButton() const { return highGameTeam_; }
  QRadioButton* highGameHandicapButton() const { return highGameHandicap_; }
  QLabel* pointLabel(int box) const { return pointLabels_[box]; }
  QLabel* groupRowLabel(int row) const { return groupRowLabels_[row]; }
  QTabWidget* tabs() const { return tabs_; }
  QLabel* tipLabel() const { return tip_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildPointsTab();
  QWidget* buildHandicapTab();
  QWidget* buildOptionsTab();
  QLayout* buildPointBoxes();
  QWidget* buildHighGameFrame();
  QWidget* buildMethodFrame();
  QLayout* buildGroupGrid();
  QLayout* buildButtons();
  QCheckBox* makeSwitch(int box);
  SpinTextBox* makePointBox(int box);
  SpinTextBox* makeGroupBox(int row, int g);
  void connectChoices();
  void addTip(QWidget* control, const std::string& text);
  void watchBackground(QWidget* widget);
  void showTip(QWidget* control);

  void refresh();
  void commitFocusedBox();
  void okClicked();

  ScoringOptions options_;
  std::array<SpinTextBox*, ScoringOptions::kPointBoxes> pointBoxes_{};
  std::array<QLabel*, ScoringOptions::kPointBoxes> pointLabels_{};
  std::array<std::array<SpinTextBox*, ScoringOptions::kGroups>, ScoringOptions::kGroupRows>
      groupBoxes_{};
  std::array<QLabel*, ScoringOptions::kGroupRows> groupRowLabels_{};
  std::array<QRadioButton*, ScoringOptions::kMethods> methodButtons_{};
  std::array<QCheckBox*, ScoringOptions::kSwitches> switches_{};
  QButtonGroup* methodGroup_ = nullptr;
  QRadioButton* highGameIndividual_ = nullptr;
  QRadioButton* highGameTeam_ = nullptr;
  QRadioButton* highGameScratch_ = nullptr;
  QRadioButton* highGameHandicap_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLabel* tip_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::map<QObject*, QString> tips_;
};

// Opens the scoring options window modally; QDialog::Accepted when the options were stored.
int RunScoringForm(QWidget* parent);

}  // namespace tallmark
