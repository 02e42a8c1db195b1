// The teams and substitutes window: the team and player lists, substitute and swap modes, the
// player's details and the eight buttons. Every change acts on the league in memory at once;
// the window only shows what TeamSetup offers and forwards the user's choices to it.
#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "setup/TeamSetup.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tallmark {

class SpinTextBox;

class TeamForm : public QDialog {
  Q_OBJECT

 public:
  explicit TeamForm(QWidget* parent = nullptr);

  // Set when the window closed after the team count changed: the schedule was rebuilt and
  // should be shown for review.
  bool scheduleRebuilt() const { return closed_.scheduleRebuilt; }
  TeamSetup& setup() { return setup_; }

  // For tests and the screenshots: the controls by their place on the window.
  QComboBox* teamList() const { return teams_; }
  QComboBox* playerList() const { return players_; }
  QCheckBox* substituteBox() const { return subMode_; }
  QCheckBox* avgAfterWeek1Box() const { return avgAfterWeek1_; }
  QRadioButton* option(int i) const { return options_[i]; }
  QLineEdit* phoneBox() const { return phone_; }
  SpinTextBox* averageBox() const { return average_; }
  SpinTextBox* recalcBox() const { return recalc_; }
  QPushButton* button(int i) const { return buttons_[i]; }
  QLabel* swapLabel() const { return swapLabel_; }
  QLabel* summaryLabel(int i) const { return summary_[i]; }
  QLabel* tipLabel() const { return tip_; }

 public slots:
  // The close box and Escape act as the cancel button.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildLists();
  QWidget* buildDetails();
  QWidget* buildSummary();
  QLayout* buildButtons();
  void connectDetails();

  void showAll();
  void showLists();
  void showFields();
  void showButtons();
  void commitFocusedBox();
  void buttonClicked(int button);
  void keepTipInside();
  void finish(const TeamSetup::CloseResult& result, bool saved);

  TeamSetup setup_;
  TeamSetup::CloseResult closed_;
  bool closing_ = false;
  QComboBox* teams_ = nullptr;
  QComboBox* players_ = nullptr;
  QLabel* playersLabel_ = nullptr;
  QCheckBox* subMode_ = nullptr;
  QCheckBox* avgAfterWeek1_ = nullptr;
  std::array<QRadioButton*, 2> options_{};
  QButtonGroup* optionGroup_ = nullptr;
  QLineEdit* phone_ = nullptr;
  SpinTextBox* average_ = nullptr;
  SpinTextBox* recalc_ = nullptr;
  std::array<QPushButton*, 8> buttons_{};
  std::array<QLabel*, 4> summary_{};
  QLabel* swapLabel_ = nullptr;
  QLabel* tip_ = nullptr;
};

// Opens the schedule window for review after the team count changed; the lanes and schedule
// window unless a test stands in.
extern std::function<void(QWidget*)> OpenScheduleReview;

// Setup "Teams and Subs" (and after a new league's parameters): the teams window, then the
// schedule window when the number of teams changed. Returns the teams window's result.
int RunTeamForm(QWidget* parent);

}  // namespace tallmark
