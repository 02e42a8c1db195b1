// What the lanes and schedule window does, without the window: the grid of weeks and lane slots,
// the editor over one cell, its keys, and the buttons. The window shows cell(), forwards keys and
// typed text, and calls the button operations.
#pragma once

#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

class ScheduleSetup {
 public:
  enum class Key { Enter, Right, Left, Down, Up, PageUp, PageDown, Home, End, Escape };

  // Asks the odd-team question when NumTeams is odd (Yes adds a team of vacancies and rebuilds
  // the schedule), then fills the grid.
  void open();

  std::string caption() const;
  bool referenceButtonShown() const;
  std::string weeksLabel() const;
  std::string teamsLabel() const;

  // Grid: row 0 the lane numbers, rows StartWeek..NumWeeks the weeks (rows before StartWeek are
  // empty); column 0 the week numbers, columns 1..2 x NumLanes the lane slots.
  int rowCount() const { return static_cast<int>(grid_.size()); }
  int columnCount() const { return grid_.empty() ? 0 : static_cast<int>(grid_[0].size()); }
  const std::string& cell(int row, int column) const { return grid_[row][column]; }
  bool rowEditable(int row) const;

  // The editor: its place and the text typed into it.
  int row() const { return row_; }
  int column() const { return column_; }
  const std::string& editText() const { return editText_; }
  void setEditText(const std::string& text) { editText_ = text; }
  // Commits the edit, then moves to (row, column) by the moving rules.
  void moveTo(int row, int column);
  // A key in the editor; ignored while Shift, Ctrl or Alt is held.
  void key(Key k, bool modifierHeld = false);
  // Takes the editor's text into its cell by the cell rules.
  void commit();

  // Buttons. Adding, inserting, dropping and rebuilding act on the stored weeks at once.
  void save();                // 0: writes the grid's weeks and lane numbers, then the league
  void cancel();              // 1: the grid's edits are dropped; changed weeks saved the league
  void addWeek();             // 2
  void insertPositionWeek();  // 3: asks, after the selected row's week
  void dropWeek();            // 4: asks, the selected row's week
  void referenceSchedule();   // 5: asks, rebuilds the unscored weeks from the template

  const std::vector<Integer>& laneNumbers() const { return laneNumbers_; }

 private:
  void fill();
  void fillWeek(int week);
  int normalRow(int row) const;
  void commitLaneNumber();
  void commitSlot();
  void limitRow();
  void weeksChanged(bool changed);

  std::vector<std::vector<std::string>> grid_;
  std::vector<Integer> laneNumbers_;  // index 1..2 x NumLanes
  int row_ = 0;
  int column_ = 1;
  std::string editText_;
  bool weeksChanged_ = false;
};

}  // namespace tallmark
