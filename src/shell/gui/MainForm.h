// The main window: the league's standings with its labels, the clock, and every function of
// the program on its menus.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <vector>
#include <functional>

#include "shell/MenuModel.h"

class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class QTimer;

namespace tallmark {

struct StandingsTable;

class MainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainForm(QWidget* parent = nullptr);

  // Start-up after the window is shown: options, the league open last, title, menus,
  // standings.
  void StartUp();
  // Redraws the standings and the labels from the league in memory.
  void DrawStandings();
  // Brings the menus up to the league's state and redraws the standings: after every menu
  // action and every window closed.
  void Refresh();

  // Runs the action of a menu entry, as choosing it does.
  void Choose(MenuId menu, int index);

  QAction* Action(MenuId menu, int index) const;
  QMenu* MenuOf(MenuId menu) const;
  MenuModel& Menus() { return menus_; }
  QTableWidget* Grid1() const { return grid_; }
  QLabel* Label1(int i) const { return labels_.at(i); }
  QLabel* TipBox() const { return tip_; }
  // The tool tip of each label, and of the grid.
  static QString LabelTip(int i);
  static QString GridTip();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLabels();
  void BuildMenus();
  QMenu* BuildMenu(MenuId id, QMenu* menu);
  void ApplyMenus();
  void FillGrid(const StandingsTable& table);
  void SpreadColumns();
  void Tick();

  void FileMenu(int index);
  void FileExport(MenuId menu, int index);
  void PublishWebFolder();
  void MailStandingSheet();
  void EditMenu(int index);
  void SetupMenu(int index);
  void ReportsMenu(MenuId menu, int index);
  void OptionMenu(MenuId menu, int index);
  void HelpMenu(int index);

  void EditFocused(const char* slot);
  // Steps of weekly score entry, then the results window: form names it (entry or recap).
  void WeeklyScores(const QString& form = "Results_Form");
  void RecapSheets();
  void RunReport(int number, const QString& title);
  void OpenWindow(const QString& form, const QString& title);
  void BackupBeforeChange();
  void ExitProgram();
  void NewSeason();
  // The pairing of a position week by the standings, for the weekly score entry.
  static std::function<void(int)> PositionPairing();

  MenuModel menus_;
  QHash<int, QAction*> actions_;
  QHash<int, QMenu*> menusShown_;
  QTableWidget* grid_ = nullptr;
  std::array<QLabel*, 6> labels_{};
  QLabel* tip_ = nullptr;
  std::vector<int> widths_;  // each column's width for its contents
  QLabel* empty_ = nullptr;  // over the grid when no league is open
  QTimer* timer_ = nullptr;
  QPointer<QWidget> editFocus_;
  bool exiting_ = false;
};

}  // namespace tallmark
