// The main window, run offscreen: start-up, menus, standings, tool tips, options and exit.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ProgramFolder.h"
#include "shell/MenuModel.h"
#include "shell/ProgramOptions.h"
#include "shell/gui/AboutForm.h"
#include "shell/gui/HelpForm.h"
#include "shell/gui/MainForm.h"
#include "support/ScriptedUserIO.h"

using namespace tallmark;

namespace {

// Runs check on the next modal window once it is shown, then closes it.
void OnModal(std::function<void(QWidget*)> check, int tries = 200) {
  QTimer::singleShot(10, [check, tries] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w && tries > 0) {
      OnModal(check, tries - 1);
      return;
    }
    check(w);
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
  });
}

QStringList Captions(QMenu* menu) {
  QStringList c;
  for (QAction* a : menu->actions()) c << (a->isSeparator() ? QString() : a->text());
  return c;
}

void AddTeam(int t, const char* name, float won, float lost, float pins, float hdcp) {
  int r = 10 * t;
  lg.Roster[t][0] = static_cast<Integer>(r);
  lg.Roster[t][1] = static_cast<Integer>(r + 1);
  lg.PlayerName[r] = Fixed(name, 20);
  lg.PlayerStat[r][kMatchPointsWon] = won;
  lg.PlayerStat[r][kMatchPointsLost] = lost;
  lg.PlayerStat[r][kTotalPins] = pins;
  lg.PlayerStat[r][kTotalPinsHandicap] = hdcp;
  lg.PlayerStat[r][kGamesPlayed] = 18;
  lg.NumTeams = static_cast<Integer>(lg.NumTeams + 1);
  lg.LastTeam = static_cast<Integer>(std::max<int>(lg.LastTeam, t));
}

// A league in memory, as loaded after six weeks.
void SixWeekLeague() {
  lg.FileName = "MONDAY";
  lg.DataPath = "/leagues/";
  lg.LeagueName = "Monday Night Mixed";
  lg.CurrentWeek = 6;
  lg.NumWeeks = 30;
  lg.SortByHandicapTotal = 0;
  AddTeam(1, "Alley Cats", 10, 8, 9000, 10100);
  AddTeam(2, "Pin Pals", 12, 6, 8800, 10050);
  AddTeam(3, "Strike Force", 10, 8, 9100, 10000);
  AddTeam(4, "Late Comers", 0, 0, 0, 0);
  lg.PlayerStat[40][kGamesPlayed] = 0;  // joined late: no games yet
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SeedProgramFolder(ProgramFolder(), {}); }

  void init() {
    QFile::remove(QString::fromStdString(ProgramFolderOptions()));
    form = new MainForm;
    form->show();
    form->StartUp();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCoreApplication::processEvents();
  }
  void cleanup() {
    form->hide();
    delete form;  // not closed: the exit steps are tested on their own
    form = nullptr;
  }

  void startUpWithoutOptionsFile() {
    QCOMPARE(lg.FileName, NoFileName);
    QCOMPARE(form->windowTitle(), QString("Tallmark (07.92)"));
    QCOMPARE(form->Label1(0)->text(), QString("League: "));
    QCOMPARE(form->Label1(1)->text(),
             "Data Files: " + QString::fromStdString(lg.ProgramPath) + "NOT-OPEN");
    QCOMPARE(form->Label1(2)->text(), QString("Week 0 of 0"));
    QCOMPARE(form->Label1(3)->text(), QString("Session 1 of 1"));
    QCOMPARE(form->Label1(5)->text(), QString("Overall League Average: 0"));
    QVERIFY(!form->Label1(4)->text().isEmpty());  // the clock
    QCOMPARE(form->Grid1()->rowCount(), 0);
    // The menu states follow the model (tested there) once the window has started.
    QVERIFY(form->Action(MenuId::File, menu::kOpen)->isEnabled());
    QVERIFY(!form->Action(MenuId::Edit, menu::kWeeklyScores)->isEnabled());
  }

  // The captions are listed once, in the menu model's test: the window shows the model's menus.
  void menusAreTheModelsMenus() {
    MenuModel model;
    QStringList bar;
    for (QAction* a : form->menuBar()->actions()) bar << a->text();
    QStringList modelBar;
    for (MenuId id : MenuModel::MenuBar()) modelBar << QString::fromStdString(model.menu(id).caption);
    QCOMPARE(bar, modelBar);
    for (MenuId id : {MenuId::File, MenuId::FileExport, MenuId::FileExportAverages, MenuId::Edit,
                      MenuId::Setup, MenuId::Reports, MenuId::ReportsStanding,
                      MenuId::ReportsResults, MenuId::ReportsSchedule, MenuId::Graph,
                      MenuId::Option, MenuId::OptionPrintTo, MenuId::Help}) {
      QStringList captions;
      for (const MenuEntry& e : model.menu(id).entries) captions << QString::fromStdString(e.caption);
      QCOMPARE(Captions(form->MenuOf(id)), captions);
    }
    QCOMPARE(form->Action(MenuId::File, menu::kExport)->menu(), form->MenuOf(MenuId::FileExport));
  }

  void standingsOfALeague() {
    SixWeekLeague();
    form->Refresh();
    QTableWidget* g = form->Grid1();
    QCOMPARE(g->columnCount(), 7);
    QCOMPARE(g->rowCount(), 4);
    QStringList headers;
    for (int c = 0; c < 7; ++c) headers << g->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, QStringList({"Position", "Team Name", "Won", "Lost", "Percent",
                                   "Scratch Pin", "Handicap Pin"}));
    QStringList names;
    for (int r = 0; r < 4; ++r) names << g->item(r, 1)->text();
    QCOMPARE(names, QStringList({"Pin Pals", "Strike Force", "Alley Cats", "Late Comers"}));
    QCOMPARE(g->item(0, 4)->text(), QString("66.67"));  // 12 x 100 / 18
    QCOMPARE(g->item(3, 4)->text(), QString("0.00"));
    QCOMPARE(g->item(1, 5)->text(), QString("9100"));
    QCOMPARE(form->Label1(0)->text(), QString("League: Monday Night Mixed"));
    QCOMPARE(form->Label1(1)->text(), QString("Data Files: /leagues/MONDAY"));
    QCOMPARE(form->Label1(2)->text(), QString("Week 6 of 30"));
    // (9000 + 8800 + 9100) / 54 games = 498.1..., cut to 498
    QCOMPARE(form->Label1(5)->text(), QString("Overall League Average: 498"));
    QVERIFY(form->Action(MenuId::Reports, menu::kStandingSheet)->isEnabled());

    lg.HandicapMethod = 1;  // a scratch league
    form->DrawStandings();
    QCOMPARE(g->columnCount(), 6);
    QCOMPARE(g->horizontalHeaderItem(5)->text(), QString("Scratch Pin"));
  }

  void toolTipsShowBelowTheDataFilesLabel() {
    form->DrawStandings();
    QCoreApplication::processEvents();  // the labels take their sizes
    QLabel* tip = form->TipBox();
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->Label1(0), &move);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), QString("The name of your league"));
    QLabel* files = form->Label1(1);
    QPoint at = files->mapTo(tip->parentWidget(), QPoint(0, 0));
    QCOMPARE(tip->pos(), QPoint(at.x() + files->width() / 2, at.y() + files->height()));

    QApplication::sendEvent(form->Grid1()->viewport(), &move);
    QCOMPARE(tip->text(), QString("Standings are updated after weekly results are entered."));

    // The background hides it.
    QWidget* background = form->centralWidget();
    QMouseEvent away(QEvent::MouseMove, QPointF(background->width() - 2, background->height() - 2),
                     QPointF(0, 0), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(background, &away);
    QVERIFY(!tip->isVisible());

    form->Choose(MenuId::Option, menu::kToolTips);  // off
    QCOMPARE(lg.ToolTips, False);
    QVERIFY(!form->Action(MenuId::Option, menu::kToolTips)->isChecked());
    QApplication::sendEvent(form->Label1(2), &move);
    QVERIFY(!tip->isVisible());
  }

  void printToEntriesAreExclusive() {
    QAction* setup = form->Action(MenuId::Option, menu::kPrinterSetup);
    form->Action(MenuId::OptionPrintTo, menu::kFile)->trigger();
    QVERIFY(form->Action(MenuId::OptionPrintTo, menu::kFile)->isChecked());
    QVERIFY(!form->Action(MenuId::OptionPrintTo, menu::kScreen)->isChecked());
    QVERIFY(!setup->isEnabled());
    QCOMPARE(lg.PrintToFile, True);
    QString seen;
    OnModal([&](QWidget* w) { seen = w ? w->objectName() : "none"; });
    form->Action(MenuId::OptionPrintTo, menu::kPrinter)->trigger();  // shows the print dialog
    QCOMPARE(seen, QString("CMDialog1"));
    QVERIFY(setup->isEnabled());
    QVERIFY(!form->Action(MenuId::OptionPrintTo, menu::kFile)->isChecked());
    // Choosing the checked entry again leaves it checked.
    form->Action(MenuId::OptionPrintTo, menu::kPrinter)->trigger();
    QVERIFY(form->Action(MenuId::OptionPrintTo, menu::kPrinter)->isChecked());
  }

  void aboutShowsNameAndVersion() {
    QStringList texts;
    OnModal([&](QWidget* w) {
      QVERIFY(w);
      QCOMPARE(w->objectName(), QString("About_Form"));
      for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    });
    form->Choose(MenuId::Help, menu::kAbout);
    QCOMPARE(texts, QStringList({"The Tallmark", "Version 07.92"}));
  }

  void helpOpensTheUserGuide() {
    QString text;
    bool searchFocused = false;
    OnModal([&](QWidget* w) {
      auto* help = qobject_cast<HelpForm*>(w);
      QVERIFY(help);
      text = help->browser()->toPlainText();
    });
    form->Choose(MenuId::Help, menu::kContents);
    QVERIFY(text.contains("The weekly routine"));
    QVERIFY(text.contains("Where to start"));
    OnModal([&](QWidget* w) {
      auto* help = qobject_cast<HelpForm*>(w);
      QVERIFY(help);
      searchFocused = help->focusWidget() == help->searchBox();
      help->searchBox()->setText("restore backup");
      help->search();
      text = help->browser()->toHtml();
    });
    form->Choose(MenuId::Help, menu::kSearch);
    QVERIFY(searchFocused);
    QVERIFY(text.contains("qrc:/help/files.html#restore"));
  }

  void menuEntriesOpenTheirWindows() {
    SixWeekLeague();
    form->Refresh();
    QString name;
    OnModal([&](QWidget* w) { name = w ? w->objectName() : QString(); });
    form->Choose(MenuId::Setup, menu::kScoring);
    QCOMPARE(name, QString("Scoring_Form"));
  }

  void statisticsAsksFirst() {
    SixWeekLeague();
    form->Refresh();
    test::ScriptedUserIO io;  // answers each question with its default
    bool opened = false;
    OnModal([&](QWidget* w) { opened = w != nullptr; }, 5);
    form->Choose(MenuId::Edit, menu::kStatistics);
    QVERIFY(io.sawTitle("EDIT TEAM AND PLAYER STATISTICS?"));
    QCOMPARE(io.shown.back().defaultAnswer, std::optional<MsgAnswer>(MsgAnswer::No));
    QTRY_VERIFY_WITH_TIMEOUT(!opened, 200);
    QVERIFY(!opened);
  }

  void weeklyScoresStopsWhenEveryWeekIsEntered() {
    SixWeekLeague();
    lg.CurrentWeek = lg.NumWeeks;
    form->Refresh();
    test::ScriptedUserIO io;
    form->Choose(MenuId::Edit, menu::kWeeklyScores);
    QCOMPARE(io.shown.size(), std::size_t(1));
    QCOMPARE(io.shown[0].text, std::string("The results for all scheduled weeks have been entered."));
  }

  void editMenuCutsAndPastesInTheFocusedBox() {
    QWidget window;
    auto* box = new QLineEdit("league", &window);
    window.show();
    QApplication::setActiveWindow(&window);
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    form->Choose(MenuId::Edit, menu::kCut);
    QCOMPARE(box->text(), QString());
    form->Choose(MenuId::Edit, menu::kPaste);
    form->Choose(MenuId::Edit, menu::kPaste);
    QCOMPARE(box->text(), QString("leagueleague"));
    form->Choose(MenuId::Edit, menu::kUndo);
    QCOMPARE(box->text(), QString("league"));
  }

  void exitWritesTheOptions() {
    lg.AwardPopups = False;
    form->close();
    std::string text;
    QCOMPARE(ReadWholeFile(ProgramFolderOptions(), text), 0);
    QCOMPARE(QString::fromStdString(text),
             QString::fromStdString("DataPath = " + lg.ProgramPath +
                                    "\r\nLeagueFileName = NOT-OPEN\r\nAutoBackup = 1\r\n"
                                    "ToolTips = 1\r\nPrintMargins = 1\r\nAwardPopups = 0\r\n"));
  }

 private:
  static std::string ProgramFolderOptions() { return ProgramFolder() + OptionsFileName; }
  MainForm* form = nullptr;
};

QTEST_MAIN(MainFormTest)
#include "MainForm_test.moc"
