// The top awards window and the customized special awards window. Everything they decide is in
// AwardOptions and CustomAwards.
#pragma once

#include <array>

#include "setup/AwardOptions.h"
#include "setup/CustomAwards.h"
#include "setup/gui/TipDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tallmark {

class AwardsForm : public TipDialog {
  Q_OBJECT

 public:
  explicit AwardsForm(QWidget* parent = nullptr);

  SpinTextBox* box(int b) const { return boxes_[b]; }
  QLabel* rangeLabel(int b) const { return ranges_[b]; }
  QCheckBox* switchBox(int s) const { return switches_[s]; }
  QLineEdit* nameBox(int g) const { return names_[g]; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  void namesChanged();
  void okClicked();

  AwardOptions options_;
  std::array<SpinTextBox*, AwardOptions::kBoxes> boxes_{};
  std::array<QLabel*, AwardOptions::kBoxes> ranges_{};
  std::array<QCheckBox*, AwardOptions::kSwitches> switches_{};
  std::array<QLineEdit*, 2> names_{};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

class CustomAwardsForm : public TipDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = CustomAwards::kRows;

  explicit CustomAwardsForm(QWidget* parent = nullptr);

  // Rows 1..20; fields CustomAwards::kMaxAverage..kMaxScore.
  QComboBox* kindList(int r) const { return kinds_[r]; }
  SpinTextBox* fieldBox(int r, int f) const { return fields_[r][f]; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  QWidget* buildColumn(int first, int last);
  void showRow(int r);

  CustomAwards awards_;
  std::array<QComboBox*, kRows + 1> kinds_{};
  std::array<std::array<SpinTextBox*, 4>, kRows + 1> fields_{};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tallmark
