// The classification window: where each class ends, then an optional reclassification of every
// player. Everything it decides is in ClassificationSetup.
#pragma once

#include <array>

#include "setup/ClassificationSetup.h"
#include "setup/gui/TipDialog.h"

namespace tallmark {

class ClassificationForm : public TipDialog {
  Q_OBJECT

 public:
  explicit ClassificationForm(QWidget* parent = nullptr);

  SpinTextBox* limitBox(int k) const { return boxes_[k]; }
  QLabel* classesLabel() const { return classes_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  void refresh();

  ClassificationSetup setup_;
  std::array<SpinTextBox*, ClassificationSetup::kBoxes> boxes_{};
  QLabel* classes_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tallmark
