// Every window of the program opened on the sample league, as a keyboard user and a screen
// reader meet it: on the 1024x600 screen of the small-screen run it lies wholly on the screen;
// no two of its controls (nor two entries of one menu) share a mnemonic; every control that
// takes the keyboard has a name for assistive technology; Escape leaves it. File > Open finds
// the league whatever the case of its name. TALLMARK_WINDOW_SHOTS names a folder for pictures.
#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "league/LeagueData.h"
#include "reports/ReportTypes.h"
#include "shell/gui/FileDialogs.h"
#include "shell/gui/Forms.h"
#include "shell/gui/HelpForm.h"
#include "shell/gui/MainForm.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;

namespace {

// The letter a caption's "&" marks ("E&xit" -> 'X'); none for "&&" or no mark.
QChar Mnemonic(const QString& text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toUpper();
    ++i;
  }
  return {};
}

// "X: E&xit, Te&xt" for every letter marked in more than one caption.
QStringList Shared(const QStringList& captions) {
  QMap<QChar, QStringList> byLetter;
  for (const QString& c : captions)
    if (QChar m = Mnemonic(c); !m.isNull()) byLetter[m] << c;
  QStringList shared;
  for (auto at = byLetter.begin(); at != byLetter.end(); ++at)
    if (at.value().size() > 1) shared << QString(at.key()) + ": " + at.value().join(", ");
  return shared;
}

QStringList MenuProblems(const QList<QAction*>& actions, const QString& where) {
  QStringList captions, problems;
  for (QAction* a : actions) {
    if (a->isSeparator() || !a->isVisible()) continue;
    captions << a->text();
    if (a->menu()) problems << MenuProblems(a->menu()->actions(), a->text());
  }
  for (const QString& s : Shared(captions)) problems << where + " " + s;
  return problems;
}

// What a keyboard or screen-reader user would stumble on in the window shown.
QStringList WindowProblems(QWidget* window) {
  QStringList captions, problems;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) captions << b->text();
    else if (auto* l = qobject_cast<QLabel*>(w)) captions << l->text();
    else if (auto* g = qobject_cast<QGroupBox*>(w)) captions << g->title();
    else if (auto* t = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i) captions << t->tabText(i);
    if (auto* bar = qobject_cast<QMenuBar*>(w))
      for (QAction* a : bar->actions()) captions << a->text();
    const bool takesKeys = (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
                           !w->focusProxy() && !qobject_cast<QTabBar*>(w);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (takesKeys && (!face || face->text(QAccessible::Name).trimmed().isEmpty()))
      problems << QString("%1 %2 has no name").arg(w->metaObject()->className(), w->objectName());
  }
  for (const QString& s : Shared(captions)) problems << "shared mnemonic " + s;
  const QRect screen = window->screen()->availableGeometry();
  if (qEnvironmentVariableIsSet("TALLMARK_SMALL_SCREEN") && !screen.contains(window->frameGeometry()))
    problems << QString("off the screen: %1,%2 %3x%4").arg(window->x()).arg(window->y())
                    .arg(window->width()).arg(window->height());
  return problems;
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

  test::TempDir dir;
  test::ScriptedUserIO io;
  std::unique_ptr<MainForm> main;

  static void shot(QWidget* w, const QString& name) {
    const QString folder = qEnvironmentVariable("TALLMARK_WINDOW_SHOTS");
    if (!folder.isEmpty()) w->grab().save(folder + "/" + name + ".png");
  }

  // Opens a window by open(), which returns when it closes; once it has settled (past its
  // opening questions, answered with their first answer) it is looked at and left with Escape.
  QStringList visit(const std::function<void()>& open, const QString& name) {
    QStringList problems;
    QWidget* seen = nullptr;
    int settled = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QTest::keyClick(menu, Qt::Key_Return);
        return;
      }
      QWidget* w = QApplication::activeModalWidget();
      if (!w || w == main.get() || ++settled < 8) return;
      if (w == seen) {  // Escape did not leave it
        problems << "Escape does not leave it";
        static_cast<QDialog*>(w)->done(QDialog::Rejected);
        return;
      }
      seen = w;
      problems << WindowProblems(w);
      shot(w, name);
      QTest::keyClick(w, Qt::Key_Escape);
      settled = 0;
    });
    timer.start(25);
    open();
    timer.stop();
    if (!seen) problems << "no window";
    return problems;
  }

 private slots:
  void initTestCase() {
    QVERIFY(test::OpenSampleLeague(dir.path()));
    lg.ToolTips = False;
    main = std::make_unique<MainForm>();
    main->show();
    main->Refresh();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
  }

  void theMainWindowAndItsMenus() {
    const QStringList problems = MenuProblems(main->menuBar()->actions(), "menu bar") +
                                 WindowProblems(main.get());
    shot(main.get(), "main");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
  }

  void everyWindow_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("number");
    for (const char* form :
         {"About_Form", "Scoring_Form", "Results_Form", "Results_Form_Recap", "Parameters_Form",
          "Team_Form", "Schedule_Form", "Sports_Form", "Scores_Edit_Form", "Stats_Edit_Form",
          "SplitSeason_Form", "Awards_Form", "Custom_Awards_Form", "Classification_Form",
          "Names_Form", "Bulletin_Form", "Extra_Statistics_Form", "Help_Form"})
      QTest::newRow(form) << QString(form) << 0;
    for (int graph = 1; graph <= 5; ++graph)
      QTest::addRow("Graph_Form %d", graph) << QString("Graph_Form") << graph;
    for (const reports::ReportType& type : reports::ReportTypes())
      if (type.build) QTest::addRow("Report_Form %d", type.number) << QString("Report_Form") << type.number;
  }
  void everyWindow() {
    QFETCH(QString, form);
    QFETCH(int, number);
    lg.GraphNumber = lg.ReportNumber = static_cast<Integer>(number);
    QWidget* parent = main.get();
    const QStringList problems = visit(
        [&] {
          if (form == "Help_Form") {
            HelpForm help(kHelpContents, parent);
            help.exec();
          } else {
            OpenForm(form, form, parent);
          }
        },
        QString(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    test::ReloadLeague();  // whatever a window changed
  }

  // The league's own name is offered, and a name typed in another case opens it.
  void fileOpenMatchesNamesWithoutRegardToCase() {
    QVERIFY(OpenLeagueRequest().presetFile.endsWith("/SAMPLE.CFG"));
    FileRequest request = OpenLeagueRequest();
    QTimer::singleShot(300, [] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText("sample.cfg");
      QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = ChooseFile(main.get(), request);
    QCOMPARE(chosen, QString::fromStdString(dir.file("SAMPLE.CFG")));
  }

  void cleanupTestCase() { main.reset(); }
};

QTEST_MAIN(WindowsTest)
#include "Windows_test.moc"
