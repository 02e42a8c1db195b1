// The report window: the screen pager's keys and menus, the option menus, abort, and the file
// destination.
#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/StandingSheet.h"
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
    QCOMPARE(form.IncludeExtraStats->actions().at(1)->text(),
             QString("&2. Exclude Extra Statistics"));
    QCOMPARE(form.RightOrLeft->actions().at(1)->text(),
             QString("&2. Print Names on Left   Side of Report"));
    QCOMPARE(form.WhosAverages->actions().size(), 3);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    QCOMPARE(asked, QStringList{"Include Extra Statistics"});
    QVERIFY(form.includeExtraStatistics);
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
};

QTEST_MAIN(ReportFormTest)
#include "Report_Form_test.moc"
