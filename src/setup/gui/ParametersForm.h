// The new league's parameters window: the sport, the six size boxes, and OK building the league
// with its progress shown, after which the teams window opens for the names.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <map>

#include "setup/NewLeague.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tallmark {

class SpinTextBox;

class ParametersForm : public QDialog {
  Q_OBJECT

 public:
  explicit ParametersForm(QWidget* parent = nullptr);

  // Opens the sports window ("New Sport"); the sport definitions window unless a test stands in.
  std::function<void(QWidget*)> openSports;

  // For tests and the screenshots: the controls by their place on the window.
  QComboBox* sportList() const { return sports_; }
  SpinTextBox* box(int i) const { return boxes_[i]; }
  QLabel* boxLabel(int i) const { return labels_[i]; }
  QLabel* explanation(int i) const { return explanations_[i]; }
  QPushButton* newSportButton() const { return newSport_; }
  QPushButton* okButton() const { return ok_; }
  QLabel* progressLabel() const { return progressLabel_; }
  QProgressBar* gauge() const { return gauge_; }
  QLabel* tipLabel() const { return tip_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* buildSportRow();
  QLayout* buildBoxes();
  QLayout* buildBottom();
  void addTip(QWidget* control, const char* text);

  void fillSports();
  void sportChosen(int index);
  void newSportClicked();
  void enter(int i, int step);
  void showBoxes();
  void commitBoxes();
  void showProgress(int percent);
  void okClicked();

  ParametersSetup setup_;
  QComboBox* sports_ = nullptr;
  std::array<SpinTextBox*, 6> boxes_{};
  std::array<QLabel*, 6> labels_{};
  std::array<QLabel*, 6> explanations_{};
  QPushButton* newSport_ = nullptr;
  QPushButton* ok_ = nullptr;
  QLabel* progressLabel_ = nullptr;
  QProgressBar* gauge_ = nullptr;
  QLabel* tip_ = nullptr;
  std::map<QObject*, QString> tips_;
};

// File "New", after the new league's files were made: the parameters window, then (when the
// league was built) the teams window. Returns the parameters window's result.
int RunParametersForm(QWidget* parent);

}  // namespace tallmark
