// The report window: the screen pager's keys and menus, the option menus, abort, and the file
// destination.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>

#include "league/FileSystem.h"
#include "common/Text.h"
#include "league/LeagueData.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/OtherReports.h"
#include "reports/ReportHtml.h"
#include "reports/ReportTypes.h"
#include "reports/StandingSheet.h"
#include "reports/OptionsLeague.h"
#include "reports/SheetLeague.h"
#include "reports/gui/QtPageDevices.h"
#include "reports/gui/Report_Form.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;
using namespace tallmark::reports;

class ReportFormTest : public QObject {
  Q_OBJECT

 private:
  // Presses the keys in turn, one at each stop of the pager, recording the page shown.
  void drivePager(Report_Form& form, QList<QPair<int, Qt::KeyboardModifiers>> keys) {
    auto* timer = new QTimer(&form);
    connect(timer, &QTimer::timeout, &form, [&form, this, keys]() mutable {
      if (!form.MenuPage->isEnabled() || keys.isEmpty()) return;
      pages << form.page()->lines().join("\n");
      auto [key, mods] = keys.takeFirst();
      QTest::keyClick(&form, static_cast<Qt::Key>(key), mods);
    });
    timer->start(20);
  }

  QStringList pages;
  test::TempDir* dir = nullptr;

 private slots:
  void init() {
    dir = new test::TempDir;
    test::BuildSheetLeague(dir->path());
    pages.clear();
  }
  void cleanup() { delete dir; }

  void pagerKeysPageOnAndClose() {
    test::ScriptedUserIO io;
    lg.ReportNumber = 1;
    Report_Form form;
    form.resize(700, 420);  // a window-full is shorter than the sheet
    QVERIFY(!form.MenuClose->isEnabled());
    drivePager(form, {{Qt::Key_Tab, Qt::NoModifier}, {Qt::Key_2, Qt::KeypadModifier},
                      {Qt::Key_Escape, Qt::NoModifier}});
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 10000);
    QCOMPARE(form.windowTitle(), QString("Tallmark -- Weekly Standing Sheet -- Page 3"));
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages[0].contains("   LEAGUE: Tuesday Night Mixed"));
    QVERIFY(pages[0].contains("P. 1  SESSION 1 OF 1 WEEK 4 OF 10  STANDING SHEET  10/06/26"));
    QVERIFY(pages[1].startsWith("P. 2"));
    QVERIFY(pages[2].startsWith("P. 3"));
    QVERIFY(!form.MenuPage->isEnabled());
  }

  // On a 1024x600 screen (the CTest entry Report_Form_small_screen) the window fits the screen
  // and every line of the standing sheet is seen on some window-full, inside the page.
  void standingSheetOnASmallScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (qEnvironmentVariableIsEmpty("TALLMARK_SMALL_SCREEN")) QSKIP("run on the 1024x600 screen");
    QCOMPARE(screen.size(), QSize(1024, 600));
    test::ScriptedUserIO io;
    lg.ReportNumber = 1;
    Report_Form form;
    QStringList seen;
    auto* timer = new QTimer(&form);
    connect(timer, &QTimer::timeout, &form, [&] {
      if (!form.MenuPage->isEnabled()) return;
      QVERIFY(screen.contains(form.frameGeometry()));
      QVERIFY(form.page()->linesBottom() <= form.page()->height());
      seen << form.page()->lines();
      QTest::keyClick(&form, Qt::Key_PageDown);
    });
    timer->start(20);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 20000);
    QVERIFY(seen.size() > 40);
    // Every line the report sends (the file has them all) was shown; the page headings carry
    // each one's own page number.
    FixedPageDevice device;
    ReportEngine engine(device, Destination::File, false);
    RunPasses(engine, device, 1, [](ReportEngine& e) { BuildReport(e, 1, ReportChoices{}); });
    const QRegularExpression heading(QStringLiteral("^P\\. \\d+ "));
    for (QString line : QString::fromStdString(Cp1252ToUtf8(engine.fileText())).split('\n')) {
      line = line.trimmed();
      if (line.isEmpty() || line.contains(heading) || line == QChar('\f')) continue;
      QVERIFY2(std::any_of(seen.begin(), seen.end(),
                           [&](const QString& s) { return s.trimmed() == line; }),
               qPrintable(line));
    }
  }

  void nextPageMenuAndCloseMenu() {
    test::ScriptedUserIO io;
    lg.ReportNumber = 2;
    Report_Form form;
    form.resize(700, 420);
    int stops = 0;
    auto* timer = new QTimer(&form);
    connect(timer, &QTimer::timeout, &form, [&] {
      if (!form.MenuPage->isEnabled()) return;
      QVERIFY(form.MenuClose->isEnabled() && form.MenuPrint->isEnabled());
      (++stops == 1 ? form.MenuPage : form.MenuClose)->trigger();
    });
    timer->start(20);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 10000);
    QCOMPARE(stops, 2);
  }

  void optionMenusAndExtraStatistics() {
    test::ScriptedUserIO io;
    lg.NumExtraStats = 1;
    lg.ReportNumber = 1;
    lg.PrintToPrinter = True;
    lg.PrintToFile = True;
    Report_Form form;
    QStringList asked;
    form.askMenu = [&](QMenu* menu) {
      asked << menu->title();
      return 0;  // "&1. Include Extra Statistics"
    };
    form.chooseFileName = [] { return QString(); };  // cancelled: nothing is written
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    QCOMPARE(asked, QStringList{"Include Extra Statistics"});
    QVERIFY(form.includeExtraStatistics);
  }

  // The panel of each report type: the menus it asks, its lists' labels, first entries and tips.
  void selectionPanelOfEachType() {
    struct Case { int type; int answer; QStringList asked; int finalType; QStringList labels; QString first; };
    lg.NumExtraStats = 1;
    lg.NumSubs = 1;
    lg.SubList[1] = 13;
    lg.PlayerName[13] = Fixed("Sue Sub", 20);
    const QList<Case> cases = {
        {3, 1, {"Print Names on Right or Left", "Include Extra Statistics"}, 3, {"S&ESSIONS"}, "1"},
        {4, 0, {"Report on Teams or Bowlers", "Include Extra Statistics"}, 4, {"&TEAMS", "&WEEKS"}, "SELECT ONE OR MORE TEAMS"},
        {4, 1, {"Report on Teams or Bowlers", "Include Extra Statistics"}, 11, {"&WEEKS"}, "1"},
        {5, 1, {"Report on Teams or Bowlers"}, 12, {"&BOWLERS"}, "Ann Lee             "},
        {6, 0, {}, 6, {"AWAR&DS", "S&ESSIONS"}, "High Scratch Game"},
        {8, 0, {}, 8, {"&WEEKS", "&BOWLERS"}, "1"},
        {14, 0, {}, 14, {"&TEAMS"}, "SUBSTITUTE BOWLERS"},
    };
    for (const Case& c : cases) {
      lg.ReportNumber = static_cast<Integer>(c.type);
      Report_Form form;
      QStringList asked;
      form.askMenu = [&](QMenu* menu) { asked << menu->title(); return c.answer; };
      form.show();
      QTRY_VERIFY(form.List1[0]->count() > 0);
      QCOMPARE(asked, c.asked);
      QCOMPARE(int(lg.ReportNumber), c.finalType);
      QCOMPARE(form.List1[1]->isVisibleTo(&form), c.labels.size() == 2);
      for (int i = 0; i < c.labels.size(); ++i) QCOMPARE(form.ListLabel[i]->text(), c.labels[i]);
      QCOMPARE(form.List1[0]->item(0)->text(), c.first);
      QTest::mouseMove(form.List1[0]);
      QEvent enter(QEvent::Enter);
      QApplication::sendEvent(form.List1[0], &enter);
      QVERIFY(form.TipBox->text().startsWith("Shift or Ctrl Click to select one or more "));
      if (qEnvironmentVariableIsSet("TALLMARK_SCREENSHOTS"))
        form.grab().save(QString("%1/panel-%2.png").arg(qEnvironmentVariable("TALLMARK_SCREENSHOTS")).arg(c.finalType));
    }
  }

  // Player weekly results from the window: the weeks chosen in the list reach the builder.
  void selectedWeeksReachTheReport() {
    test::ScriptedUserIO io;
    lg.ReportNumber = 4;
    lg.PrintToPrinter = True;
    lg.PrintToFile = True;
    const std::string path = dir->file("weekly.TXT");
    Report_Form form;
    form.askMenu = [](QMenu*) { return 1; };  // players
    form.chooseFileName = [&] { return QString::fromStdString(path); };
    form.show();
    QTRY_VERIFY(form.List1[0]->count() == 4);
    QCOMPARE(form.windowTitle(), QString("Tallmark -- Report"));
    form.List1[0]->item(3)->setSelected(true);
    QTest::mouseClick(form.Command1[0], Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    QCOMPARE(form.windowTitle(), QString("Tallmark -- Bowler Weekly Results"));
    std::string written;
    QCOMPARE(ReadWholeFile(path, written), 0);
    ReportChoices week4;
    week4.weeks = {4};
    week4.reportOnTeams = false;
    FixedPageDevice device;
    ReportEngine engine(device, Destination::File, true);
    RunPasses(engine, device, 1, [&](ReportEngine& e) { BuildReport(e, 11, week4); });
    QVERIFY(written == engine.fileText());
  }

  // "SA&VE AS WEB PAGE" while the pager waits: the whole report as a page, and the run shown
  // goes on where it was. A name of another kind is refused.
  void webPageWhileThePagerWaits() {
    test::ScriptedUserIO io;
    lg.ReportNumber = 1;
    const std::string path = dir->file("sheet.html");
    Report_Form form;
    form.resize(700, 420);
    QStringList names = {QString::fromStdString(dir->file("sheet.txt")), QString::fromStdString(path)};
    form.chooseWebPageName = [&] { return names.takeFirst(); };
    form.askMenu = [](QMenu*) { return 1; };
    auto* timer = new QTimer(&form);
    connect(timer, &QTimer::timeout, &form, [&] {
      if (!form.MenuPage->isEnabled()) return;
      pages << form.page()->lines().join("\n");
      if (!names.isEmpty()) {
        QTest::mouseClick(form.SaveWebPage, Qt::LeftButton);
        QTest::mouseClick(form.SaveWebPage, Qt::LeftButton);
      }
      QTest::keyClick(&form, pages.size() < 3 ? Qt::Key_Tab : Qt::Key_Escape);
    });
    timer->start(20);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 10000);
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages[1].startsWith("P. 2"));
    QVERIFY(pages[2].startsWith("P. 3"));
    QCOMPARE(QString::fromStdString(io.shown.at(0).text),
             QString("The file name must use the extension .HTML"));
    std::string written;
    QCOMPARE(ReadWholeFile(path, written), 0);
    QVERIFY(written == ReportWebPage(1, {}));
    QVERIFY(!QFile::exists(QString::fromStdString(dir->file("sheet.txt"))));
  }

  void abortButtonUnloadsTheWindow() {
    lg.ReportNumber = 9;  // asks for teams: the selection panel stays
    Report_Form form;
    form.show();
    QTRY_VERIFY(form.List1[0]->count() == 5);
    QCOMPARE(form.List1[0]->item(0)->text(), QString("SELECT ONE OR MORE TEAMS"));
    QCOMPARE(form.List1[0]->item(2)->text(), QString("Pin Pals            "));
    QCOMPARE(form.Command1[1]->text(), QString("&ABORT REPORT"));
    QTest::mouseClick(form.Command1[1], Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
  }

  void fileDestinationRefusesAnotherExtension() {
    test::ScriptedUserIO io;
    lg.ReportNumber = 2;
    lg.PrintToPrinter = True;
    lg.PrintToFile = True;
    const QString doc = QString::fromStdString(dir->file("sheet.doc"));
    Report_Form form;
    form.chooseFileName = [&] { return doc; };
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    QVERIFY(!QFile::exists(doc));
    QCOMPARE(io.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdString(io.shown[0].text),
             QString("The file name must use the extension .TXT"));
  }

  void fileDestinationWritesWhatTheEngineBuilds() {
    test::ScriptedUserIO io;
    lg.ReportNumber = 2;
    lg.PrintToPrinter = True;
    lg.PrintToFile = True;
    const std::string path = dir->file("sheet.TXT");
    Report_Form form;
    form.chooseFileName = [&] { return QString::fromStdString(path); };
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    std::string written;
    QCOMPARE(ReadWholeFile(path, written), 0);
    FixedPageDevice device;
    ReportEngine engine(device, Destination::File, true);
    RunPasses(engine, device, 1, [](ReportEngine& e) { BuildStandingSheet(e, true, false); });
    QVERIFY(written == engine.fileText());
    QCOMPARE(QString::fromStdString(io.shown.back().text),
             QString("The printing to the file name you selected is done."));
  }

  // The treasurer's report from the panel: the substitutes' entry heads the teams list.
  void treasurerFromTheTeamsList() {
    test::ScriptedUserIO io;
    test::BuildOptionsLeague(dir->path());
    lg.ReportNumber = 14;
    lg.PrintToPrinter = True;
    lg.PrintToFile = True;
    const std::string path = dir->file("fees.txt");
    Report_Form form;
    form.chooseFileName = [&] { return QString::fromStdString(path); };
    form.show();
    QTRY_VERIFY(form.List1[0]->count() == 5);
    QCOMPARE(form.List1[0]->item(0)->text(), QString("SUBSTITUTE BOWLERS"));
    form.List1[0]->item(0)->setSelected(true);
    form.List1[0]->item(2)->setSelected(true);
    if (qEnvironmentVariableIsSet("TALLMARK_SHOT")) form.grab().save(qgetenv("TALLMARK_SHOT"));
    form.Command1[0]->click();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    std::string written;
    QCOMPARE(ReadWholeFile(path, written), 0);
    FixedPageDevice device;
    ReportEngine engine(device, Destination::File, true);
    RunPasses(engine, device, 1, [](ReportEngine& e) { BuildTreasurer(e, {2, 0}); });
    QVERIFY(written == engine.fileText());
    QVERIFY(written.find("Ivy Sub") != std::string::npos);
  }

  // Without a printer each league's reports go to a PDF file beside it, and the user is told.
  void withoutAPrinterEachLeaguesReportIsAPdfBesideIt() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed");
    for (int league = 0; league < 2; ++league) {
      test::TempDir other;
      test::BuildSheetLeague(other.path());
      test::ScriptedUserIO io;
      lg.ReportNumber = 2;
      lg.PrintToPrinter = True;
      lg.PrintToFile = False;
      Report_Form form;
      form.show();
      QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
      const std::string pdf = other.file("SHEET.pdf");
      QVERIFY(QFile::exists(QString::fromStdString(pdf)));
      QCOMPARE(io.shown.back().text, "The report was written to the file" + NewLine + NewLine + pdf);
    }
  }
};

QTEST_MAIN(ReportFormTest)
#include "Report_Form_test.moc"
