// The report window: the selection panel, the pop-up option menus, and the run of a report to
// the screen (paged in this window), the printer or a text file.
#pragma once

#include <QDialog>
#include <QEventLoop>
#include <array>
#include <functional>

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;

namespace tallmark::reports {

class ScreenPage;

// Runs report n (1..14, the report types) as the Reports menu does: ReportNumber =
// n, then the report window, modal.
void RunReportWindow(QWidget* parent, int reportNumber);

class Report_Form : public QDialog, public ScreenPager {
  Q_OBJECT

 public:
  explicit Report_Form(QWidget* parent = nullptr);
  ~Report_Form() override;

  // The selections of the panel's lists and the answers of the option menus.
  ReportChoices choices() const;

  // The file chooser of the file destination; returns the chosen name, empty when cancelled.
  // Tests replace it.
  std::function<QString()> chooseFileName;
  // The file chooser of "SAVE AS &WEB PAGE"; tests replace it.
  std::function<QString()> chooseWebPageName;
  // The option menus ask through this; tests replace it. Returns the chosen entry's index.
  std::function<int(QMenu*)> askMenu;

  // Controls, named as on the form.
  std::array<QListWidget*, 2> List1{};
  std::array<QLabel*, 2> ListLabel{};
  QLabel* TipBox = nullptr;
  std::array<QPushButton*, 2> Command1{};
  QPushButton* SaveWebPage = nullptr;  // "SAVE AS &WEB PAGE"
  QAction* MenuClose = nullptr;
  QAction* MenuPage = nullptr;
  QAction* MenuPrint = nullptr;
  QMenu* TeamsOrBowlers = nullptr;
  QMenu* RightOrLeft = nullptr;
  QMenu* IncludeExtraStats = nullptr;
  QMenu* WhosAverages = nullptr;
  ScreenPage* page() const { return page_; }

  bool reportOnTeams = true;
  bool printNamesOnRight = false;
  bool includeExtraStatistics = false;
  int whoseAverages = 0;

  // Selection panel set-up and the report's questions, once, at the first activation; reports
  // that ask nothing more run at once.
  void activate();
  // "PRINT &REPORT": runs the report and closes the window.
  void RunReport();
  QString AskSaveName(const QString& caption, const QString& filter, const QString& suffix);
  // The file destination's chooser; false when cancelled or refused.
  bool ChoosePrintFile(std::string& path);
  // "SAVE AS &WEB PAGE": the report with the panel's selections (or, while the pager waits, the
  // report shown) written as a web page. False when cancelled, refused or not written.
  bool SaveAsWebPage();

  PagerCommand waitAtPageEnd() override;
  void printVisiblePage() override;
  // Closing the window while the pager waits is "&Close"; during a run it waits for its end.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Tab pages on while the pager waits instead of moving the focus.
  bool focusNextPrevChild(bool next) override;

 private:
  void setPagerMenus(bool enabled);
  void setCommand(PagerCommand command);
  QMenu* makeMenu(const QString& title, const QStringList& entries);
  void showTip(const QString& text);
  void fillLists();

  ScreenPage* page_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  QLabel* selectLabel_ = nullptr;
  PagerCommand command_ = PagerCommand::None;
  QEventLoop* waiting_ = nullptr;
  std::vector<SelectionList> panelLists_;
  std::array<std::vector<ListEntry>, 2> entries_;
  ReportEngine* engine_ = nullptr;  // the run in progress
  QString caption_;
  ReportChoices runChoices_;  // of the run in progress
  bool firstActivationDone_ = false;
  bool running_ = false;
};

}  // namespace tallmark::reports
