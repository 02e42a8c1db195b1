// The lanes and schedule window: a grid of the season's weeks and lane slots with the lane
// numbers on top, an editor laid over the current cell, and the buttons that add, insert, drop
// and rebuild weeks. Everything it decides is in ScheduleSetup; the window shows and forwards.
#pragma once

#include <QDialog>

#include <array>

#include "setup/ScheduleSetup.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tallmark {

class ScheduleForm : public QDialog {
  Q_OBJECT

 public:
  // Button indexes, in the order of the buttons' array.
  enum Button { SaveButton, CancelButton, AddButton, PositionButton, DropButton, ReferenceButton };

  // Asks the odd-team question when the league has an odd number of teams, then fills the grid.
  explicit ScheduleForm(QWidget* parent = nullptr);

  // For tests and the screenshots.
  QTableWidget* grid() const { return grid_; }
  QLineEdit* editor() const { return editor_; }
  QPushButton* button(int index) const { return buttons_[index]; }
  QLabel* weeksLabel() const { return weeksLabel_; }
  QLabel* teamsLabel() const { return teamsLabel_; }
  const ScheduleSetup& setup() const { return setup_; }

  // Room for the labels, the buttons and a grid of up to 16 lane slots.
  QSize sizeHint() const override;

 public slots:
  // Cancel, Escape or closing the window: the grid's edits are dropped.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildGrid();
  void buildButtons();
  void buildLayout();
  bool editorKey(int key, Qt::KeyboardModifiers modifiers);
  void cellPressed(int row, int column);
  void refresh();
  void refreshCell(int row, int column);
  void fitColumns();
  void placeEditor();
  void followCell();
  void runButton(int index);

  ScheduleSetup setup_;
  QTableWidget* grid_ = nullptr;
  QLineEdit* editor_ = nullptr;
  QLabel* weeksLabel_ = nullptr;
  QLabel* teamsLabel_ = nullptr;
  std::array<QPushButton*, 6> buttons_{};
};

// Opens the lanes and schedule window modally; QDialog::Accepted when the grid was saved.
int RunScheduleForm(QWidget* parent);

}  // namespace tallmark
