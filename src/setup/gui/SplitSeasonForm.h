// The split season window: the start week of sessions 2 to 12, the resets at each split and
// what a statistics reset covers. Everything it decides is in SplitSeasonSetup.
#pragma once

#include <array>

#include "setup/SplitSeasonSetup.h"
#include "setup/gui/TipDialog.h"

class QCheckBox;
class QRadioButton;

namespace tallmark {

class SplitSeasonForm : public TipDialog {
  Q_OBJECT

 public:
  static constexpr int kSplits = SplitSeasonSetup::kSplits;

  explicit SplitSeasonForm(QWidget* parent = nullptr);

  // For tests and the screenshots; index k = 1..11 as the splits.
  SpinTextBox* weekBox(int k) const { return weeks_[k]; }
  QCheckBox* statsBox(int k) const { return stats_[k]; }
  QCheckBox* classesBox(int k) const { return classes_[k]; }
  QRadioButton* modeButton(int mode) const { return modes_[mode]; }
  QLabel* label(int i) const { return labels_[i]; }  // 1 week, 2 position weeks, 3 sessions
  QPushButton* saveButton() const { return save_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  QWidget* buildSplits();
  QWidget* buildModes();
  void refresh();
  void saveClicked();

  SplitSeasonSetup setup_;
  std::array<SpinTextBox*, kSplits + 1> weeks_{};
  std::array<QCheckBox*, kSplits + 1> stats_{};
  std::array<QCheckBox*, kSplits + 1> classes_{};
  std::array<QRadioButton*, 3> modes_{};
  std::array<QLabel*, 4> labels_{};
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tallmark
