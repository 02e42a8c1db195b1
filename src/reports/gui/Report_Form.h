// The report window: the selection panel, the pop-up option menus, and the run of a report to
// the screen (paged in this window), the printer or a text file.
#pragma once

#include <array>
#include <functional>

#include "league/gui/PagerDialog.h"
#include "league/gui/SelectionPanel.h"
#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

class QLabel;
class QMenu;
class QPushButton;

namespace tallmark::reports {

class ScreenPage;

// Runs report n (1..14, the report types) as the Reports menu does: ReportNumber =
// n, then the report window, modal.
void RunReportWindow(QWidget* parent, int reportNumber);

class Report_Form : public PagerDialog, public SelectionPanel, public ScreenPager {
  Q_OBJECT

 public:
  explicit Report_Form(QWidget* parent = nullptr);
  ~Report_Form() override;

  // The selections of the panel's lists and the answers of the option menus.
  ReportChoices choices() const;

  // The file chooser of the file destination; returns the chosen name, empty when cancelled.
  // Tests replace it.
  std::function<QString()> chooseFileName;
  // The file chooser of "SA&VE AS WEB PAGE"; tests replace it.
  std::function<QString()> chooseWebPageName;
  // The option menus ask through this; tests replace it. Returns the chosen entry's index.
  std::function<int(QMenu*)> askMenu;

  // Controls, named as on the form (the lists, tip box and buttons are the selection panel's,
  // the menus the pager's).
  QPushButton* SaveWebPage = nullptr;  // "SA&VE AS WEB PAGE"
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
  // "SA&VE AS WEB PAGE": the report with the panel's selections (or, while the pager waits, the
  // report shown) written as a web page. False when cancelled, refused or not written.
  bool SaveAsWebPage();

  PagerCommand waitAtPageEnd() override;
  void printVisiblePage() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fillLists();
  void showPanel(bool shown);

  ScreenPage* page_ = nullptr;
  QLabel* selectLabel_ = nullptr;
  std::vector<SelectionList> panelLists_;
  std::array<std::vector<ListEntry>, 2> entries_;
  ReportEngine* engine_ = nullptr;  // the run in progress
  QString caption_;
  ReportChoices runChoices_;  // of the run in progress
  bool firstActivationDone_ = false;
};

}  // namespace tallmark::reports
