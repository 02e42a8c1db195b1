// The graph window and the drawing of graphs on the sample league: every graph type drawn into
// image files and read back, the printer's page range, and the window's run with its pager, its
// pins question and its file destination.
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include "graphs/GraphBuilder.h"
#include "graphs/GraphRules.h"
#include "graphs/gui/GraphFiles.h"
#include "graphs/gui/GraphPrint.h"
#include "graphs/gui/Graph_Form.h"
#include "league/LeagueData.h"
#include "setup/SampleLeague.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;
using namespace tallmark::graphs;

class GraphFormTest : public QObject {
  Q_OBJECT

  test::TempDir dir;
  test::ScriptedUserIO io;

  std::vector<GraphPage> pagesOf(GraphType type, const GraphSelection& sel, GraphOptions o = {}) {
    std::vector<GraphPage> pages;
    BuildGraphs(type, sel, o, [&](const GraphPage& p) { pages.push_back(p); return true; });
    return pages;
  }
  // Where a person looks at the windows: TALLMARK_GRAPH_SHOTS names a folder for screenshots.
  void shotFile(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("TALLMARK_GRAPH_SHOTS");
    if (!folder.isEmpty() && !image.isNull()) image.save(folder + "/" + name + ".png");
  }
  void shot(QWidget& w, const QString& name) {
    const QString folder = qEnvironmentVariable("TALLMARK_GRAPH_SHOTS");
    if (!folder.isEmpty()) w.grab().save(folder + "/" + name + ".png");
  }

 private slots:
  void initTestCase() {
    InitLeagueData();
    test::UseProgramFolder(dir.path() + "program/");
    QCOMPARE(BuildSampleLeague(dir.path()).result, SampleBuild::Built);
  }

  void everyTypeDrawsToPngAndBmpAlike() {
    const GraphSelection sel{.categories = {kCurrentAverage}, .sessions = {1}, .weeks = {2},
                             .teams = {1, 2, 3}, .players = {2}};
    for (int t = 1; t <= 5; ++t) {
      const std::vector<GraphPage> pages =
          pagesOf(static_cast<GraphType>(t), sel, {.color = t % 2 == 1, .threeD = t == 4, .highLow = t == 5});
      QVERIFY2(!pages.empty(), qPrintable(QString::number(t)));
      std::string problem;
      const QString png = QString::fromStdString(dir.file("type" + std::to_string(t) + ".png"));
      const QString bmp = QString(png).replace(".png", ".BMP");
      QVERIFY(WriteGraphImage(pages[0], png.toStdString(), problem));
      QVERIFY(WriteGraphImage(pages[0], bmp.toStdString(), problem));
      const QImage a(png), b(bmp);
      QCOMPARE(a.size(), QSize(1024, 720));
      QCOMPARE(a.convertToFormat(QImage::Format_RGB32), b.convertToFormat(QImage::Format_RGB32));
      int inked = 0;
      for (int y = 0; y < a.height(); y += 4)
        for (int x = 0; x < a.width(); x += 2) inked += a.pixel(x, y) != qRgb(255, 255, 255);
      QVERIFY2(inked > 1000, qPrintable(png));
      shotFile(a, QString("type%1").arg(t));
    }
    std::string problem;
    QVERIFY(!WriteGraphImage(GraphPage{}, dir.file("x.gif"), problem));
    QVERIFY(!QFile::exists(QString::fromStdString(dir.file("x.gif"))));
  }

  void metafileReadsBackWithTitlesAndOneShapePerBar() {
    const QString wmf2svg = QStandardPaths::findExecutable("wmf2svg");
    if (wmf2svg.isEmpty()) QSKIP("wmf2svg is not installed");
    GraphPage page;
    page.title = "Caf\xE9 Scores";
    page.subtitle = "Week 3 of 30";
    page.labels = {"A", "B", "C", "D"};
    page.sets = {{"High", {200, 180, 150, 210}}, {"Low", {120, 140, 100, 90}}};
    page.color = true;
    std::string problem;
    const std::string path = dir.file("bars.wmf");
    QVERIFY(WriteGraphImage(page, path, problem));
    QProcess reader;
    reader.start(wmf2svg, {"-o", QString::fromStdString(dir.file("bars.svg")), QString::fromStdString(path)});
    QVERIFY(reader.waitForFinished(20000));
    QCOMPARE(reader.exitCode(), 0);
    QFile file(QString::fromStdString(dir.file("bars.svg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString svg = QString::fromLatin1(bytes);
    QVERIFY(bytes.contains("Caf\xE9 Scores"));  // the reader passes the metafile's bytes on
    QVERIFY(svg.contains("Week 3 of 30"));
    // Bars stand on the axis, where the tallest rectangle (the highest bar) ends.
    QRegularExpression rect("<rect x=\"([0-9.]+)\" y=\"([0-9.]+)\" width=\"([0-9.]+)\" height=\"([0-9.]+)\"");
    QList<QPair<double, double>> rects;  // bottom, height
    for (auto m = rect.globalMatch(svg); m.hasNext();) {
      const auto r = m.next();
      rects.append({r.captured(2).toDouble() + r.captured(4).toDouble(), r.captured(4).toDouble()});
    }
    QPair<double, double> tallest{0, 0};
    for (const auto& r : rects) tallest = r.second > tallest.second ? r : tallest;
    int bars = 0;
    for (const auto& r : rects) bars += std::abs(r.first - tallest.first) < 0.5;
    QCOMPARE(bars, 8);
  }

  void pageRangeTwoToTwoPrintsOnlyTheSecond() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString(dir.file("range.pdf"));
    printer.setOutputFileName(pdf);
    GraphPrintJob job(printer, 2, 2);
    for (const char* title : {"First Graph", "Second Graph", "Third Graph"}) {
      GraphPage page;
      page.title = title;
      page.labels = {"1"};
      page.sets = {{"Average", {150}}};
      QVERIFY(job.add(page));
    }
    job.finish();
    QCOMPARE(job.printed(), 1);
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished(20000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(out.contains("Second Graph"));
    QVERIFY(!out.contains("First Graph") && !out.contains("Third Graph"));
    QCOMPARE(out.count('\f'), 1);
  }

  void windowPagesThroughTheGraphsAndCloses() {
    lg.PrintToPrinter = False;
    for (int type = 1; type <= 5; ++type) {
      lg.GraphNumber = static_cast<Integer>(type);
      QPrinter printer;
      Graph_Form form(printer);
      QList<QMenu*> asked;
      form.askMenu = [&](QMenu* m) { asked << m; return 1; };
      QStringList titles;
      int stops = 0;
      int charted = 0;
      form.waitForPager = [&] {
        titles << form.view()->chart()->title();
        charted += !form.view()->chart()->series().isEmpty();
        shot(form, QString("window%1-%2").arg(type).arg(stops));
        return ++stops < 2 ? GraphPager::NextGraph : GraphPager::Close;
      };
      form.show();
      QTRY_VERIFY(form.List1[0]->count() > 0);
      // The pins question comes with the graphs of scores only.
      QCOMPARE(asked.size(), type == 1 ? 0 : 1);
      if (type > 1) QCOMPARE(asked[0]->title(), QString("Scratch or Handicap Pins"));
      shot(form, QString("panel%1").arg(type));
      for (QListWidget* list : form.List1) list->selectAll();
      form.RunGraphs();
      QCOMPARE(stops, 2);  // closed at the second graph
      QCOMPARE(charted, 2);
      QCOMPARE(form.result(), int(QDialog::Accepted));
      if (type == 2) {
        QVERIFY(titles[1].contains("Week 2 Games"));
        QCOMPARE(form.windowTitle(), QString("Tallmark -- Weekly Individual Results"));
      }
    }
  }

  void maxOfBoxAndFileDestination() {
    lg.GraphNumber = 5;
    lg.PrintToPrinter = True;
    lg.PrintToFile = True;
    QPrinter printer;
    Graph_Form form(printer);
    form.askMenu = [](QMenu*) { return 0; };
    form.activate();
    form.Option1[1]->setChecked(true);
    QCOMPARE(form.Text1->text(), QString("2"));
    form.Text1->setText("3801");
    QCOMPARE(form.options().maxPoints, 0);
    QVERIFY(form.Option1[0]->isChecked());
    form.Option1[1]->setChecked(true);
    form.List1[0]->item(1)->setSelected(true);  // the first team after the heading entry
    form.List1[0]->item(2)->setSelected(true);
    std::string path;
    form.chooseFileName = [&] { return QString::fromStdString(dir.file("teams.txt")); };
    QVERIFY(!form.ChooseGraphFile(path));
    QCOMPARE(io.shown.back().text, std::string(kImageExtensionMessage));
    form.chooseFileName = [&] { return QString::fromStdString(dir.file("SAMPL001.wmf")); };
    form.RunGraphs();  // two teams, four weeks at two a graph: four files
    for (const char* name : {"SAMPL001.wmf", "SAMPL002.wmf", "SAMPL003.wmf", "SAMPL004.wmf"})
      QVERIFY2(QFile::exists(QString::fromStdString(dir.file(name))), name);
    QVERIFY(!QFile::exists(QString::fromStdString(dir.file("SAMPL005.wmf"))));
    lg.PrintToPrinter = False;
  }
};

QTEST_MAIN(GraphFormTest)
#include "Graph_Form_test.moc"
