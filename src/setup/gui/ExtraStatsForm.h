// The extra statistics window: up to ten statistics kept with the weekly scores, and the weekly
// fee. Everything it decides is in ExtraStatsSetup.
#pragma once

#include <array>

#include "setup/ExtraStatsSetup.h"
#include "setup/gui/TipDialog.h"

class QComboBox;
class QLineEdit;

namespace tallmark {

class ExtraStatsForm : public TipDialog {
  Q_OBJECT

 public:
  enum Button { AddButton, ModifyButton, DeleteButton, SaveButton, CancelButton };

  explicit ExtraStatsForm(QWidget* parent = nullptr);

  QComboBox* abbrevList() const { return list_; }
  QLabel* nameLabel() const { return name_; }
  QLabel* countLabel() const { return count_; }
  QLineEdit* feeBox() const { return fee_; }
  QPushButton* button(int b) const { return buttons_[b]; }

 private:
  void refresh();
  void act(int b);

  ExtraStatsSetup setup_;
  QComboBox* list_ = nullptr;
  QLabel* name_ = nullptr;
  QLabel* count_ = nullptr;
  QLineEdit* fee_ = nullptr;
  std::array<QPushButton*, 5> buttons_{};
};

}  // namespace tallmark
