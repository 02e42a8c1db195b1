// The keys of the results window: moves in the grid, the typing box and the lists, and Tab
// through the window.
#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/UserIO.h"
#include "processing/gui/ResultsForm.h"

namespace tallmark {

void ResultsForm::moveCell(int dRow, int dCol) {
  // The total rows below the players are not for typing.
  int row = std::clamp(Grid1->currentRow() + dRow, 0, std::max(entry_.rowCount() - 1, 0));
  int col = std::clamp(Grid1->currentColumn() + dCol, 0, Grid1->columnCount() - 1);
  Grid1->setCurrentCell(row, col);
}

bool ResultsForm::editorKey(QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Tab: return commitText() ? goToEntryCell(true) : true;
    case Qt::Key_Backtab: return commitText() ? goToEntryCell(false) : true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (commitText()) goToEntryCell(true);
      return true;
    case Qt::Key_Escape: restoreText(); return true;
    case Qt::Key_Left: commitText(); moveCell(0, -1); return true;
    case Qt::Key_Right: commitText(); moveCell(0, 1); return true;
    case Qt::Key_Up: commitText(); moveCell(-1, 0); return true;
    case Qt::Key_Down: commitText(); moveCell(1, 0); return true;
    default:
      if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier) || key->text().size() != 1 ||
          !IsIncompleteKey(key->text().at(0).toLatin1()))
        return false;
      if (commitText()) toggleMark();
      return true;
  }
}

// The next (previous) cell that takes typed entries; false at the end, where Tab leaves the grid.
bool ResultsForm::goToEntryCell(bool forward) {
  const std::optional<EntryCell> to =
      entry_.nextEntryCell(slotOf(Grid1->currentRow()), Grid1->currentColumn(), forward);
  if (!to) return false;
  Grid1->setCurrentCell(to->gridRow - 1, to->col);
  return true;
}

void ResultsForm::toggleMark() {
  if (entry_.toggleIncomplete(slotOf(Grid1->currentRow()), Grid1->currentColumn())) refreshGrid();
}

bool ResultsForm::gridKey(QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
    case Qt::Key_Space:
      if (editorOfCurrentCell() == CellEditor::Text) placeEditor();
      else if (editorOfCurrentCell() != CellEditor::None) openList();
      return true;
    case Qt::Key_Escape: return true;
    case Qt::Key_Tab: return goToEntryCell(true);
    case Qt::Key_Backtab: return goToEntryCell(false);
    default:
      if (editorOfCurrentCell() == CellEditor::MarkList && key->text().size() == 1 &&
          IsIncompleteKey(key->text().at(0).toLatin1())) {
        toggleMark();
        return true;
      }
      // Typing on a score cell goes into its text box.
      if (editorOfCurrentCell() == CellEditor::Text && !key->text().isEmpty() &&
          key->text().at(0).isPrint()) {
        placeEditor();
        Text1->setText(key->text());
        Text1->setModified(true);
        return true;
      }
      return false;
  }
}

bool ResultsForm::listKey(QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: chooseFromList(Combo2->currentItem()); return true;
    case Qt::Key_Escape: closeList(); return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
      MsgBox(kChooseFromListText);
      Combo2->setFocus();
      return true;
    default: return false;
  }
}

// Week, date, team, forfeit, the incomplete box, the grid, then the buttons from left to right.
std::vector<QWidget*> ResultsForm::tabStops() const {
  return {Combo3, Text2, Combo1, Check1[0], Check1[1], Grid1,
          Command1[3], Command1[0], Command1[2], ImportButton, Command1[1]};
}

bool ResultsForm::focusNextPrevChild(bool next) {
  const std::vector<QWidget*> stops = tabStops();
  QWidget* now = focusWidget();
  // The typing box and the list belong to the grid.
  if (now == Text1 || now == Combo2 || (now && Grid1->isAncestorOf(now))) now = Grid1;
  const auto at = std::find(stops.begin(), stops.end(), now);
  if (at == stops.end()) return QDialog::focusNextPrevChild(next);
  const int count = static_cast<int>(stops.size());
  int i = static_cast<int>(at - stops.begin());
  for (int step = 1; step < count; ++step) {
    QWidget* w = stops[static_cast<std::size_t>((i + (next ? step : count - step)) % count)];
    if (w->isVisible() && w->isEnabled()) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return true;
}

void ResultsForm::keyPressEvent(QKeyEvent* event) {
  // Esc reaching the window (not a cell's box or list, where it puts the entry back) is
  // "&Cancel"; Enter presses only the button that has the focus.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter) {
    for (QPushButton* button : Command1)
      if (button->hasFocus()) button->click();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tallmark
