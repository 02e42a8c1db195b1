// Printing through a real print spooler: a private CUPS scheduler with file-backed PDF queues
// takes the standing sheet, a graph and the blank results forms from the program's own print
// paths (copies and page range as the print set-up leaves them), and the spooled PDFs are read
// back with pdfinfo and pdftotext. Skipped where CUPS is not installed or cannot start.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include "graphs/gui/Graph_Form.h"
#include "league/LeagueData.h"
#include "league/gui/ReportPrinter.h"
#include "processing/gui/ResultsForm.h"
#include "reports/gui/Report_Form.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;

namespace {

// A PDF printer: the job's pages as PDF, copies made by the filters.
const char* const kPdfPrinterPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TMPDF.PPD"
*Manufacturer: "Tallmark Tests"
*Product: "(PDF File)"
*ModelName: "PDF File"
*ShortNickName: "PDF File"
*NickName: "PDF File"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*cupsVersion: 2.4
*cupsManualCopies: True
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: Letter
*ImageableArea Letter/Letter: "18 18 594 774"
*DefaultPaperDimension: Letter
*PaperDimension Letter/Letter: "612 792"
)ppd";

QString Run(const QString& program, const QStringList& args, int* status = nullptr) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  if (status) *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

}  // namespace

class CupsPrintTest : public QObject {
  Q_OBJECT

  test::TempDir dir;
  test::ScriptedUserIO io;
  QProcess cupsd;
  QString root, lastError;

  bool writeFile(const QString& name, const QByteArray& text) {
    QFile f(root + name);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
  }

  // The scheduler of this test only: its own folders, a socket of its own, no network.
  bool startScheduler() {
    root = QString::fromStdString(dir.path()) + "cups/";
    for (const char* sub : {"spool/tmp", "cache", "state", "log", "run", "out"})
      QDir().mkpath(root + sub);
    // The filters run as the scheduler's user, who reaches and writes the spooled files.
    const auto reach = QFileDevice::Permissions(0x7755), write = QFileDevice::Permissions(0x7777);
    QFile::setPermissions(QString::fromStdString(dir.path()), reach);
    QFile::setPermissions(root, reach);
    for (const char* open : {"out", "spool/tmp"}) QFile::setPermissions(root + open, write);
    const QByteArray all = "  Order allow,deny\n  Allow all\n";
    const bool written =
        writeFile("cupsd.conf", "Listen " + (root + "run/cups.sock").toUtf8() +
                                    "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                    "DefaultAuthType None\n<Location />\n" + all +
                                    "</Location>\n<Location /admin>\n" + all +
                                    "</Location>\n<Policy default>\n<Limit All>\n" + all +
                                    "</Limit>\n</Policy>\n") &&
        writeFile("cups-files.conf",
                  ("ServerRoot " + root + "\nRequestRoot " + root + "spool\nTempDir " + root +
                   "spool/tmp\nCacheDir " + root + "cache\nStateDir " + root + "state\nErrorLog " +
                   root + "log/error_log\nAccessLog " + root + "log/access_log\nPageLog " + root +
                   "log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                   "FileDevice Yes\nSandboxing Relaxed\n").toUtf8()) &&
        writeFile("pdf.ppd", kPdfPrinterPpd);
    if (!written) return false;
    cupsd.start("/usr/sbin/cupsd", {"-f", "-c", root + "cupsd.conf", "-s", root + "cups-files.conf"});
    if (!cupsd.waitForStarted(5000)) return false;
    qputenv("CUPS_SERVER", (root + "run/cups.sock").toUtf8());
    for (int i = 0; i < 50 && !QFile::exists(root + "run/cups.sock"); ++i) QTest::qWait(100);
    for (const char* queue : {"Sheet", "Graph", "Forms"}) {
      int status = 1;
      lastError = Run("lpadmin", {"-p", queue, "-v", "file://" + root + "out/" + queue + ".pdf",
                                  "-P", root + "pdf.ppd", "-E"}, &status);
      if (status != 0) return false;
    }
    return true;
  }

  // The queue's spooled PDF once its jobs are done: its page count and text.
  QString spooled(const QString& queue, int& pages) {
    const QString file = root + "out/" + queue + ".pdf";
    for (int i = 0; i < 300; ++i) {
      if (Run("lpstat", {"-o", queue}).trimmed().isEmpty() && QFile::exists(file)) break;
      QTest::qWait(100);
    }
    const QRegularExpression count("Pages:\\s+(\\d+)");
    pages = count.match(Run("pdfinfo", {file})).captured(1).toInt();
    return Run("pdftotext", {"-layout", file, "-"});
  }

  // The print set-up: the queue, the copies and the page range.
  static void printTo(const char* queue, int copies, int from, int to) {
    lg.PrintCopies = static_cast<Integer>(copies);
    lg.PrintFromPage = static_cast<Integer>(from);
    lg.PrintToPage = static_cast<Integer>(to);
    QPrinter& printer = ReportPrinter();
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(queue);
    printer.setOutputFileName({});
  }

 private slots:
  void initTestCase() {
    if (!QFile::exists("/usr/sbin/cupsd") || QStandardPaths::findExecutable("pdftotext").isEmpty())
      QSKIP("CUPS or pdftotext is not installed");
    if (!startScheduler()) QSKIP(qPrintable("CUPS cannot start here: " + lastError));
    QVERIFY(test::OpenSampleLeague(dir.path()));
    lg.PrintToPrinter = True;
    lg.PrintToFile = False;
  }

  // Two copies of the standing sheet's first page.
  void standingSheet() {
    printTo("Sheet", 2, 1, 1);
    lg.ReportNumber = 1;
    reports::Report_Form form;
    form.askMenu = [](QMenu*) { return 0; };
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 20000);
    int pages = 0;
    const QString text = spooled("Sheet", pages);
    QCOMPARE(pages, 2);
    QCOMPARE(text.count("LEAGUE: Tuesday Night Mixed"), 2);
    QVERIFY(text.contains("P. 1"));
    QVERIFY(!text.contains("P. 2"));
  }

  // One ranking graph, one copy, through the window's print button.
  void rankingGraph() {
    printTo("Graph", 1, 1, 9999);
    lg.GraphNumber = 1;
    graphs::Graph_Form form(ReportPrinter());
    form.askMenu = [](QMenu*) { return 0; };
    form.activate();
    form.List1[0]->item(0)->setSelected(true);  // High Scratch Game
    form.List1[1]->item(0)->setSelected(true);  // session 1
    form.Command1[0]->click();
    int pages = 0;
    const QString text = spooled("Graph", pages);
    QCOMPARE(pages, 1);
    QVERIFY2(text.contains("High Scratch Game"), qPrintable(text));
  }

  // The blank data entry forms of every team of the week, one page a team.
  void blankResultsForms() {
    printTo("Forms", 1, 1, 9999);
    ResultsForm form;
    form.choosePrinter = [] { return &ReportPrinter(); };
    io.answer(MsgAnswer::Yes);  // a form for each team
    io.answerInput("0");        // no extra rows
    form.show();
    form.Command1[2]->click();
    int pages = 0;
    const QString text = spooled("Forms", pages);
    QCOMPARE(pages, lg.NumTeams);
    QVERIFY(text.contains("Pin Pals"));
    form.reject();
  }

  void cleanupTestCase() {
    if (cupsd.state() == QProcess::NotRunning) return;
    cupsd.terminate();
    cupsd.waitForFinished(5000);
  }
};

QTEST_MAIN(CupsPrintTest)
#include "CupsPrint_test.moc"
