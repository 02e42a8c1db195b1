// tallmark-shots: pictures of the windows as the secretary sees them, for looking at the layout
// on a given screen. Run it under a virtual display on a copy of a league (the results window
// stores what it shows):
//   xvfb-run -a -s '-screen 0 1024x600x24' tallmark-shots OUTDIR LEAGUE.CFG [--games N]
// (tallmark-shots --shrink IN.png OUT.png makes an image as small as the guide's pictures.)
// It saves OUTDIR/main-max.png (the maximised main window), results.png and results-typed.png
// (the results window as it opens, and after 206 typed and two cells right), report.png and
// report-2.png (the first two screen pages of the standing sheet), teams-swap.png (the teams
// window in swap mode) and schedule.png (the schedule window scrolled down). Each picture is the
// whole screen. --games N shows the league with N games a week (nothing is saved with it).
// With --guide it takes instead the user guide's pictures, one a window (see guide_shots.cpp);
// scripts/guide-shots runs it.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <functional>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/LeagueManagement.h"
#include "league/ProgramFolder.h"
#include "processing/gui/ResultsForm.h"
#include "reports/gui/Report_Form.h"
#include "setup/gui/ScheduleForm.h"
#include "setup/gui/TeamForm.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/QtUserIO.h"
#include "shots.h"

using namespace tallmark;

namespace {

std::deque<Step> steps;
QString outDir;

// Each step is timed from the one before; the next is set going before a step runs, so that it
// also fires inside a window's own modal loop.
void RunNext() {
  if (steps.empty()) {
    QApplication::exit(0);
    return;
  }
  Step step = steps.front();
  steps.pop_front();
  static int number = 0;
  const int n = ++number;
  QTimer::singleShot(step.delay, [step, n] {
    if (qEnvironmentVariableIsSet("TALLMARK_SHOTS_TRACE")) std::fprintf(stderr, "step %d\n", n);
    RunNext();
    step.run();
  });
}

template <class Form>
Form* Modal() {
  return qobject_cast<Form*>(QApplication::activeModalWidget());
}

void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

}  // namespace

void Shot(const QString& name) {
  QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  QString file = outDir + "/" + name + ".png";
  std::printf("%s %s\n", screen.save(file) ? "saved" : "could not save", qPrintable(file));
}

// At most 760 pixels wide (to fit the help window) and in at most 256 colours.
bool SaveSmall(QImage image, const QString& file) {
  if (image.width() > 760) image = image.scaledToWidth(760, Qt::SmoothTransformation);
  image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  const bool saved = image.save(file, "PNG", 0);
  std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
  return saved;
}

void WindowShot(QWidget* window, const QString& name) {
  if (!window) {
    std::printf("no window for %s\n", qPrintable(name));
    return;
  }
  SaveSmall(window->grab().toImage(), outDir + "/" + name + ".png");
}

int main(int argc, char** argv) {
  // --shrink IN.png OUT.png: an image made small as the guide's pictures are.
  if (argc == 4 && QString(argv[1]) == "--shrink")
    return SaveSmall(QImage(argv[2]), argv[3]) ? 0 : 1;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tallmark");
  QStringList args = QApplication::arguments();
  int games = 0;
  const bool guide = args.removeAll("--guide") > 0;
  if (int at = args.indexOf("--games"); at > 0 && at + 1 < args.size()) {
    games = args[at + 1].toInt();
    args.remove(at, 2);
  }
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: tallmark-shots OUTDIR LEAGUE.CFG [--games N] [--guide]\n");
    return 2;
  }
  outDir = args[1];
  QDir().mkpath(outDir);
  SeedProgramFolder(ProgramFolder(),
                    InstalledDataFolder(QCoreApplication::applicationFilePath().toStdString()));
  QtUserIO io;
  SetUserIO(&io);
  InitLeagueData();
  SetNamesFromDialog(args[2].toStdString());
  if (!LoadLeague()) return 1;
  if (games > 0) lg.GamesPerWeek = static_cast<Integer>(games);
  lg.ToolTips = False;

  MainForm main;
  main.show();
  main.Refresh();
  steps = {
      // Without a window manager nothing maximises: the window takes the screen's room itself.
      {300, [&main] { main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry()); }},
      {800, [] { Shot("main-max"); }},
      {100, [&main] { RunResultsForm(&main, ResultsMode::Entry); }},
      {800, [] { Shot("results"); }},
      {100, [] {
         QTest::keyClicks(QApplication::focusWidget(), "206");
         Key(Qt::Key_Right);
         Key(Qt::Key_Right);
       }},
      {300, [] { Shot("results-typed"); }},
      {100, [] {
         if (ResultsForm* form = Modal<ResultsForm>()) form->reject();
       }},
      {100, [&main] { reports::RunReportWindow(&main, 2); }},
      {1200, [] { Shot("report"); }},
      {100, [] { Key(Qt::Key_PageDown); }},
      {600, [] { Shot("report-2"); }},
      {100, [] { Key(Qt::Key_Escape); }},
      {300, [&main] { RunTeamForm(&main); }},
      {500, [] { Key(Qt::Key_Return); }},  // the note before the teams window
      {800, [] {
         if (TeamForm* form = Modal<TeamForm>()) form->button(TeamSetup::kSwapOrAdd)->click();
       }},
      {500, [] { Shot("teams-swap"); }},
      {100, [] { Key(Qt::Key_Escape); }},
      {100, [] {
         if (TeamForm* form = Modal<TeamForm>()) form->button(TeamSetup::kSwapOrAdd)->click();
       }},
      {100, [] {
         if (TeamForm* form = Modal<TeamForm>()) form->done(0);
       }},
      {300, [&main] { RunScheduleForm(&main); }},
      {800, [] {
         if (ScheduleForm* form = Modal<ScheduleForm>())
           form->grid()->verticalScrollBar()->setValue(form->grid()->verticalScrollBar()->maximum());
       }},
      {500, [] { Shot("schedule"); }},
      {100, [] {
         if (ScheduleForm* form = Modal<ScheduleForm>()) form->reject();
       }},
  };
  if (guide) steps = GuideSteps(main);
  RunNext();
  const int result = app.exec();
  std::fflush(nullptr);
  std::_Exit(result);  // nothing more is saved
}
