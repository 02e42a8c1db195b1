// The user guide's pictures: every window of the program opened on the league given, one
// picture a window, each saved in at most 256 colours (data/help/*.png; scripts/guide-shots).
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "league/LeagueData.h"
#include "shell/gui/Forms.h"
#include "shell/gui/HelpForm.h"
#include "shell/gui/MainForm.h"
#include "shots.h"

using namespace tallmark;

namespace {

QWidget* Top() { return QApplication::activeModalWidget(); }

// A notice or question in the way is answered with its default button.
void Dismiss() {
  if (auto* box = qobject_cast<QMessageBox*>(Top())) QTest::keyClick(box, Qt::Key_Return);
}

void CloseTop() {
  QWidget* w = Top();
  if (!w) return;
  for (QPushButton* b : w->findChildren<QPushButton*>()) {
    if (b->text().contains("ABORT") && b->isVisible()) {
      b->click();
      return;
    }
  }
  if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->done(QDialog::Rejected);
}

void Escape() {
  if (QWidget* w = Top()) QTest::keyClick(w, Qt::Key_Escape);
}

// Selects the first entries of the window's lists and presses its print button.
void SelectAndRun() {
  QWidget* w = Top();
  if (!w) return;
  for (QListWidget* list : w->findChildren<QListWidget*>()) {
    if (!list->isVisible() || list->count() == 0) continue;
    const bool heading = list->item(0)->text().startsWith("SELECT");  // not an entry
    if (list->count() > (heading ? 1 : 0)) list->item(heading ? 1 : 0)->setSelected(true);
  }
  for (QPushButton* b : w->findChildren<QPushButton*>()) {
    if (b->text().startsWith("PRINT") && b->isVisible()) {
      b->click();
      return;
    }
  }
}

struct Window {
  std::function<void()> open;
  QString picture;
  std::function<void()> close = CloseTop;
  QString tabPicture = {};  // the window's second tab, when it has tabs
};

void SecondTab() {
  if (QWidget* w = Top()) {
    if (auto* tabs = w->findChild<QTabWidget*>()) tabs->setCurrentIndex(1);
  }
}

void Add(std::deque<Step>& steps, const Window& window) {
  steps.push_back({300, window.open});
  steps.push_back({700, Dismiss});  // the notice some windows show first
  steps.push_back({500, Dismiss});
  steps.push_back({600, [window] { WindowShot(Top(), window.picture); }});
  if (!window.tabPicture.isEmpty()) {
    steps.push_back({100, SecondTab});
    steps.push_back({400, [window] { WindowShot(Top(), window.tabPicture); }});
  }
  steps.push_back({100, window.close});
  steps.push_back({400, Dismiss});  // a question on leaving
  steps.push_back({300, Dismiss});
}

}  // namespace

std::deque<Step> GuideSteps(MainForm& main) {
  QWidget* parent = &main;
  auto form = [parent](const char* name) {
    return [parent, name] { OpenForm(name, name, parent); };
  };
  auto report = [parent](int number) {
    return [parent, number] {
      lg.ReportNumber = static_cast<Integer>(number);
      OpenForm("Report_Form", "Report", parent);
    };
  };
  std::deque<Step> steps = {
      {300, [&main] { main.setGeometry(20, 20, 860, 520); }},
      // The league lies in a scratch folder of the run: the picture shows it where a secretary
      // would keep it.
      {100, [&main] {
         for (QLabel* label : main.findChildren<QLabel*>())
           if (label->text().startsWith("Data Files: "))
             label->setText("Data Files: /home/secretary/Leagues/" + QString::fromStdString(lg.FileName));
       }},
      {800, [&main] { WindowShot(&main, "main"); }},
  };
  const std::vector<Window> windows = {
      {form("Parameters_Form"), "parameters"},
      {form("Team_Form"), "teams"},
      {form("Schedule_Form"), "schedule"},
      {form("Results_Form"), "results"},
      {form("Scoring_Form"), "scoring", CloseTop, "scoring-handicaps"},
      {form("SplitSeason_Form"), "split"},
      {form("Awards_Form"), "awards"},
      {form("Custom_Awards_Form"), "customawards"},
      {form("Classification_Form"), "classes"},
      {form("Names_Form"), "names"},
      {form("Bulletin_Form"), "bulletin"},
      {form("Extra_Statistics_Form"), "extrastats"},
      {form("Sports_Form"), "sports"},
      {form("Scores_Edit_Form"), "scoresedit"},
      {form("Stats_Edit_Form"), "statsedit"},
      {report(2), "report", Escape},
      {report(6), "reportselect"},
      {[parent] {
         lg.GraphNumber = 1;
         OpenForm("Graph_Form", "Graph", parent);
       },
       "graphselect",
       [] {
         SelectAndRun();  // runs the first graph, shown by the window's pager
       }},
  };
  for (const Window& window : windows) Add(steps, window);
  steps.push_back({1200, [] { WindowShot(Top(), "graph"); }});
  steps.push_back({100, Escape});
  steps.push_back({400, [parent] {
                     HelpForm help(kHelpContents, parent);
                     help.exec();
                   }});
  steps.push_back({100, [] {
                     if (auto* help = qobject_cast<HelpForm*>(Top())) {
                       help->searchBox()->setText("backup");
                       help->search();
                     }
                   }});
  steps.push_back({500, [] { WindowShot(Top(), "helpsearch"); }});
  steps.push_back({100, CloseTop});
  return steps;
}
