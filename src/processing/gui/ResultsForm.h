// The weekly results window: a view of a ScoreEntry. It shows the team's rows in a grid, lays a
// text box or a list over the current cell, and hands every entry to the ScoreEntry, which
// decides, stores and explains.
#pragma once

#include <QDialog>

#include <array>
#include <vector>
#include <functional>
#include <map>

#include "processing/ScoreEntry.h"
#include "processing/gui/FrozenColumnsTable.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPrinter;
class QPushButton;

namespace tallmark {

struct EntryForm;

// How the window is opened: to enter the week's results, or to look at (and print) the last
// processed week, which the week list can change.
enum class ResultsMode { Entry, Recap };

class ResultsForm : public QDialog {
  Q_OBJECT

 public:
  ResultsForm(QWidget* parent = nullptr, ResultsMode mode = ResultsMode::Entry);

  // What opening the week found; the window is only shown when Ready.
  EntryOpen opened() const { return opened_; }
  // Whether the week was processed when the window closed.
  bool processed() const { return processed_; }
  const ScoreEntry& entry() const { return entry_; }

  // The printer of the forms: the print dialog on the program's printer unless replaced (tests
  // print to a PDF file). Null when the user cancels.
  std::function<QPrinter*()> choosePrinter;
  // "Import from Lanes...": the export chosen (an open dialog unless replaced; empty when
  // cancelled) and the log shown (a log window unless replaced).
  std::function<std::string()> chooseImportFile;
  std::function<void(const std::string& log)> showImportLog;

  // Controls, named as on the form. Command1: 0 "&Opponent", 1 "&Cancel", 2 "&Print Form",
  // 3 the process button. Check1: 0 "&Forfeit", 1 the incomplete box.
  QComboBox* Combo1 = nullptr;  // the teams of the week
  QListWidget* Combo2 = nullptr;  // the list laid over a type, name or mark cell
  QComboBox* Combo3 = nullptr;  // the weeks
  std::array<QCheckBox*, 2> Check1{};
  std::array<QPushButton*, 4> Command1{};
  QPushButton* ImportButton = nullptr;  // "Import from &Lanes..."
  QLineEdit* Text1 = nullptr;  // the cell editor
  QLineEdit* Text2 = nullptr;  // the date box
  FrozenColumnsTable* Grid1 = nullptr;  // the type and name columns stay in view
  QLabel* WeekLabel = nullptr;
  QLabel* LaneLabel = nullptr;
  QLabel* OpponentLabel = nullptr;
  QLabel* StatusLabel = nullptr;
  QLabel* ProgressLabel = nullptr;
  QLabel* TipLabel = nullptr;

  // Leaving with "&Cancel" (also closing the window).
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab go through the window as it is laid out (tabStops()).
  bool focusNextPrevChild(bool next) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<QWidget*> tabStops() const;
  // Building.
  void buildControls();
  QLayout* buildTopRows();
  QLayout* buildButtons();
  void buildGrid();
  void fillWeeks();
  void fillTeams();
  void addTip(QWidget* control, EntryTip tip);
  void fitToScreen();

  // Showing.
  void refresh();
  void refreshGrid();
  void setReadOnly(bool readOnly);
  int slotOf(int tableRow) const { return tableRow + 1; }
  CellEditor editorOfCurrentCell() const;

  // Cell editing.
  void placeEditor();
  void positionEditor();
  // Enters what was typed into the cell editor (with the checks and messages of Enter) before
  // the editor goes anywhere else; nothing when nothing was typed.
  bool commitText();
  void restoreText();
  void moveCell(int dRow, int dCol);
  void openList();
  void closeList();
  void chooseFromList(QListWidgetItem* item);
  bool listKey(QKeyEvent* key);
  bool editorKey(QKeyEvent* key);
  bool gridKey(QKeyEvent* key);
  bool goToEntryCell(bool forward);
  void toggleMark();

  // Commands.
  void chooseTeam(int index);
  void chooseWeek(int index);
  void forfeitClicked(bool on);
  void opponentClicked();
  void processClicked();
  void cancelClicked();
  void printClicked();
  void importClicked();
  void printForms(const PrintRequest& request, QPrinter& printer);
  void printForm(const EntryForm& form, QPainter& painter, QPrinter& printer);
  QPrinter* askPrinter();

  // Tool tips.
  void showTip(const QString& text, const QRect& area);
  void gridTip(QWidget* over, const QPoint& at);

  ScoreEntry entry_;
  EntryOpen opened_ = EntryOpen::NoLeague;
  bool processed_ = false;
  bool left_ = false;
  int editRow_ = -1;  // the cell the editor lies over
  int editCol_ = -1;
  std::map<QObject*, EntryTip> tips_;
};

// Opens the results window modally for the main window's "&Weekly Scores" (entry) and
// "&Recap Sheets" / "&Recap Data Entry" entries. Returns 1 when the week was processed, 0 when
// the window closed without processing, -1 when it could not open (no league, the season's
// weeks all processed, or the week without a schedule).
int RunResultsForm(QWidget* parent, ResultsMode mode = ResultsMode::Entry);

}  // namespace tallmark
