// The raw score editor: one stored score record chosen by week, team and line-up position, its
// player, status, game scores with their flags, handicap, points won and extra statistics. Every
// change is written at once; ScoresEditor decides everything, the window shows and forwards.
#pragma once

#include <QDialog>

#include <array>

#include "setup/ScoresEditor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace tallmark {

class SpinTextBox;

class ScoresEditForm : public QDialog {
  Q_OBJECT

 public:
  explicit ScoresEditForm(QWidget* parent = nullptr);

  // For tests and the screenshots: the controls by their place on the window.
  QComboBox* list(int list) const { return lists_[list]; }
  SpinTextBox* box(int box) const { return boxes_[box]; }
  QRadioButton* option(int option) const { return options_[option]; }
  QCheckBox* flagBox() const { return flag_; }
  const ScoresEditor& editor() const { return editor_; }

 public slots:
  // Closing: the notice when anything was written.
  void done(int result) override;

 private:
  QWidget* buildRecordFrame();
  QWidget* buildPlayerFrame();
  QWidget* buildValuesFrame();
  QComboBox* makeList(int list);
  SpinTextBox* makeBox(int box);
  QLabel* caption(const std::string& text, QWidget* buddy);

  void fillLists();
  void showRecord();
  void select(int list, int index);
  void commitFocusedBox();

  ScoresEditor editor_;
  std::array<QComboBox*, 6> lists_{};
  std::array<QLabel*, 6> listLabels_{};
  std::array<SpinTextBox*, 4> boxes_{};
  std::array<QLabel*, 4> boxLabels_{};
  std::array<QRadioButton*, ScoresEditor::kStatusOptions> options_{};
  QButtonGroup* optionGroup_ = nullptr;
  QCheckBox* flag_ = nullptr;
  bool closed_ = false;
};

// Edit "Raw Scores": the raw score editor, modally.
void RunScoresEditForm(QWidget* parent);

}  // namespace tallmark
