// A new secretary's first evening, through the windows: a new league's files, its parameters,
// the names of the teams and bowlers, a swap, a dropped bowler and a new substitute, then the
// league closed and opened again with everything in place.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <filesystem>
#include <set>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/LeagueManagement.h"
#include "league/ProgramFolder.h"
#include "league/ScheduleTemplate.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "setup/gui/ParametersForm.h"
#include "setup/gui/SetupWindows.h"
#include "setup/gui/TeamForm.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;
using B = TeamSetup::Button;

namespace {

std::string Name(const char* text) { return Fixed(text, 20); }

}  // namespace

class NewLeagueWindowsTest : public QObject {
  Q_OBJECT

 private:
  test::TempDir dir_;
  std::string leagueFolder_;

  void open(QDialog& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }
  void choose(QComboBox* list, int index) {
    list->setFocus(Qt::TabFocusReason);
    while (list->currentIndex() < index) QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index) QTest::keyClick(list, Qt::Key_Up);
  }
  void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  void screenshot(QWidget& window, const char* name) {
    QByteArray folder = qgetenv("TALLMARK_SCREENSHOTS");
    if (!folder.isEmpty()) window.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
  }
  // Renames player p of the list shown.
  void renamePlayer(TeamForm& form, test::ScriptedUserIO& io, int p, const char* name) {
    choose(form.playerList(), p);
    io.answerInput(std::string(name));
    click(form.button(B::kRenamePlayer));
  }
  QString listed(QComboBox* list, int i) { return list->itemText(i); }

  void parametersForEightTeams(test::ScriptedUserIO& io);
  void namesInTheTeamWindow(TeamForm& form, test::ScriptedUserIO& io);
  void swapDropAndSubstitute(TeamForm& form, test::ScriptedUserIO& io);
  void checkSchedule();
  void checkStoredLeague();

 private slots:
  void initTestCase() {
    // A program folder of this test, seeded as the program seeds it at its first start.
    const std::string home = dir_.path() + "program/";
    qputenv("TALLMARK_HOME", QByteArray::fromStdString(home));
    QVERIFY(SeedProgramFolder(ProgramFolder(), std::string(TALLMARK_BUILD_DATA_DIR) + "/"));
    QVERIFY(std::filesystem::exists(home + "SCHEDULE.DAT"));
    OpenScheduleReview = test::ScheduleWindow;
    leagueFolder_ = dir_.path() + "leagues/";
    std::filesystem::create_directories(leagueFolder_);
  }

  void aLeagueIsCreatedNamedAndStored();
};

void NewLeagueWindowsTest::aLeagueIsCreatedNamedAndStored() {
  test::ScriptedUserIO io;
  io.defaultAnswer = MsgAnswer::Yes;
  InitLeagueData();
  QCOMPARE(lg.ProgramPath, dir_.path() + "program/");
  // File "New", after the file dialog.
  QVERIFY(NewLeagueFiles(leagueFolder_ + "Tuesday.cfg"));
  parametersForEightTeams(io);
  if (QTest::currentTestFailed()) return;
  checkSchedule();
  {
    TeamForm form;
    namesInTheTeamWindow(form, io);
    if (QTest::currentTestFailed()) return;
    swapDropAndSubstitute(form, io);
    if (QTest::currentTestFailed()) return;
    click(form.button(B::kExitSave));
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.scheduleRebuilt());  // still eight teams
  }
  QCOMPARE(test::scheduleWindowOpened, 0);
  QCOMPARE(io.errorsReported(), 0);
  checkStoredLeague();
}

void NewLeagueWindowsTest::parametersForEightTeams(test::ScriptedUserIO& io) {
  ParametersForm form;
  open(form);
  QCOMPARE(form.windowTitle(), QString("GENERAL LEAGUE SETUP PARAMETERS"));
  QCOMPARE(form.sportList()->currentText(), QString("10 Pin Bowling"));
  QCOMPARE(form.boxLabel(0)->text(), QString("Teams (2 to 52)"));
  QCOMPARE(form.explanation(2)->text(), QString("Bowlers on each team that Bowl each week"));
  QVERIFY(!form.gauge()->isVisible());

  // 60 teams are more than a week's lanes hold: cut to 52 with a beep.
  test::TypeInto(form.box(0), "60");
  QCOMPARE(form.box(0)->text(), QString("52"));
  QCOMPARE(io.beeps, 1);
  test::TypeInto(form.box(0), "8");
  test::TypeInto(form.box(1), "4");
  test::TypeInto(form.box(2), "3");
  test::TypeInto(form.box(3), "3");
  // one down with the spin button
  click(form.box(3)->findChildren<QToolButton*>().at(1));
  QCOMPARE(form.box(3)->text(), QString("2"));
  test::TypeInto(form.box(5), "1");
  test::TypeInto(form.box(4), "30");
  QCOMPARE(form.boxLabel(5)->text(), QString("Start Week (1 to 30)"));
  QCOMPARE(form.boxLabel(4)->text(), QString("Weeks (1 to 52)"));
  screenshot(form, "parameters");

  click(form.okButton());
  QCOMPARE(form.result(), int(QDialog::Accepted));
  QCOMPARE(form.progressLabel()->text(), QString("100%"));
  QCOMPARE(form.gauge()->value(), 100);

  QCOMPARE(lg.NumTeams, Integer{8});
  QCOMPARE(lg.PlayersPerTeam, Integer{4});
  QCOMPARE(lg.PlayersPerWeek, Integer{3});
  QCOMPARE(lg.NumSubs, Integer{2});
  QCOMPARE(lg.NumWeeks, Integer{30});
  QCOMPARE(lg.ScratchBase[2], Integer{540});  // 3 playing x 180
}

void NewLeagueWindowsTest::checkSchedule() {
  // Lane numbers 101..108; weeks 1..30 from the standard template for eight teams (its round
  // robin repeated over 52 weeks), each week pairing every team once.
  for (int k = 1; k <= 8; ++k) QCOMPARE(lg.LaneNumber[k], Integer(100 + k));
  QCOMPARE(lg.NumLanes, Integer{4});
  QVERIFY(ReadScheduleTemplate());
  const std::string text = lg.ScheduleText;
  const int templateWeeks = lg.ScheduleTemplate;
  QCOMPARE(templateWeeks, 52);
  for (int w = 1; w <= 30; ++w) {
    ReadWeekResults(w);
    std::set<int> teams;
    for (int s = 1; s <= 8; ++s) {
      const int expected = w - 1 < templateWeeks ? TemplateTeam(text, 8, w - 1, s) : kTbdTeam;
      QCOMPARE(int(lg.LaneTeam[s]), expected);
      teams.insert(lg.LaneTeam[s]);
    }
    if (w - 1 < templateWeeks) QCOMPARE(teams, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  }
}

void NewLeagueWindowsTest::namesInTheTeamWindow(TeamForm& form, test::ScriptedUserIO& io) {
  QVERIFY(io.sawTitle("IMPORTANT NOTICE"));
  open(form);
  QCOMPARE(form.windowTitle(), QString("TEAM AND BOWLER EDITOR"));
  QCOMPARE(form.teamList()->count(), 8);
  QCOMPARE(listed(form.playerList(), 3), QString("*VACANCY 104        "));
  QCOMPARE(form.summaryLabel(1)->text(), QString("4 Bowlers per team"));

  io.answerInput(std::string("Strikers"));
  click(form.button(B::kRenameTeam));
  QCOMPARE(io.shown.back().title, std::string("CHANGE TEAM NAME"));
  QCOMPARE(listed(form.teamList(), 0), QString("Strikers            "));
  renamePlayer(form, io, 0, "Ann Smith");
  QCOMPARE(io.shown.back().title, std::string("CHANGE BOWLER NAME"));
  renamePlayer(form, io, 1, "Bob \"Big\" Jones");
  renamePlayer(form, io, 2, "Cy Young");
  renamePlayer(form, io, 3, "Di Prince");
  QCOMPARE(listed(form.playerList(), 1), QString("Bob _Big_ Jones     "));
  // The vacancy keyword is refused and the old name stays.
  renamePlayer(form, io, 3, "*VACANCY 104");
  QCOMPARE(io.shown.back().text,
           "A name starting with" + NewLine + NewLine + "*VACANCY" + NewLine + NewLine +
               "is a keyword for the program. You cannot use it.");
  QCOMPARE(listed(form.playerList(), 3), QString("Di Prince           "));

  choose(form.teamList(), 1);
  io.answerInput(std::string("Spares"));
  click(form.button(B::kRenameTeam));
  renamePlayer(form, io, 0, "Eve Adams");
  renamePlayer(form, io, 1, "Fay Wray");
  renamePlayer(form, io, 2, "Gus Grant");
  renamePlayer(form, io, 3, "Hal Moon");

  // Ann's details: phone, starting average, games before recalculation, category, and the
  // average made after week 1.
  choose(form.teamList(), 0);
  choose(form.playerList(), 0);
  QCOMPARE(form.phoneBox()->text(), QString("999-999-9999"));
  QCOMPARE(form.averageBox()->text(), QString("120"));
  test::TypeInto(form.phoneBox(), "555-0101");
  test::TypeInto(form.averageBox(), "175");
  test::TypeInto(form.recalcBox(), "9");
  click(form.recalcBox()->findChildren<QToolButton*>().at(0));  // spin up
  QCOMPARE(form.recalcBox()->text(), QString("10"));
  click(form.option(1));
  QVERIFY(form.avgAfterWeek1Box()->isVisible());
  click(form.avgAfterWeek1Box());
  // Over the highest game: the most a starting average can be, with a beep.
  choose(form.playerList(), 1);
  const int beeps = io.beeps;
  test::TypeInto(form.averageBox(), "400");
  QCOMPARE(form.averageBox()->text(), QString("300"));
  QCOMPARE(io.beeps, beeps + 1);
  test::TypeInto(form.averageBox(), "160");
}

void NewLeagueWindowsTest::swapDropAndSubstitute(TeamForm& form, test::ScriptedUserIO& io) {
  // Swap Ann (Strikers, first) with Fay (Spares, second).
  choose(form.teamList(), 0);
  choose(form.playerList(), 0);
  click(form.button(B::kSwapOrAdd));
  QVERIFY(form.swapLabel()->isVisible());
  QCOMPARE(form.swapLabel()->text(),
           QString("Select the Team and Bowler or Sub to Swap for\nAnn Smith\non Team\nStrikers"));
  for (int b = 0; b <= 7; ++b) QCOMPARE(form.button(b)->isVisible(), b == B::kSwapOrAdd);
  QTest::keyClick(&form, Qt::Key_Escape);  // nothing but the second press in between
  QVERIFY(form.isVisible());
  choose(form.teamList(), 1);
  choose(form.playerList(), 1);
  screenshot(form, "teams-swap");
  click(form.button(B::kSwapOrAdd));
  QVERIFY(!form.swapLabel()->isVisible());
  QCOMPARE(listed(form.playerList(), 1), QString("Ann Smith           "));
  choose(form.teamList(), 0);
  QCOMPARE(listed(form.playerList(), 0), QString("Fay Wray            "));

  // Drop Gus (Spares, third): he becomes the third substitute, his place a vacancy.
  choose(form.teamList(), 1);
  choose(form.playerList(), 2);
  io.answer(MsgAnswer::Yes);
  click(form.button(B::kDropPlayer));
  QCOMPARE(io.shown.back().title, std::string("WARNING"));
  QCOMPARE(listed(form.playerList(), 2), QString("*VACANCY 203        "));
  QCOMPARE(form.summaryLabel(3)->text(), QString("3 Substitute Bowlers"));

  // A new substitute, named at once.
  click(form.substituteBox());
  QCOMPARE(form.teamList()->count(), 1);
  QCOMPARE(form.teamList()->currentText(), QString("SUBSTITUTE BOWLERS"));
  QCOMPARE(form.button(B::kSwapOrAdd)->text(), QString("&Add"));
  QVERIFY(!form.button(B::kDropTeam)->isEnabled());
  QCOMPARE(listed(form.playerList(), 2), QString("Gus Grant           "));
  click(form.button(B::kSwapOrAdd));
  QCOMPARE(form.playerList()->count(), 4);
  QCOMPARE(listed(form.playerList(), 3), QString("SUBSTITUTE 4        "));
  renamePlayer(form, io, 3, "Ivy Lane");
  QCOMPARE(listed(form.playerList(), 3), QString("Ivy Lane            "));
  lg.ToolTips = True;
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(form.button(B::kExitSave), &enter);
  QCOMPARE(form.tipLabel()->text(), QString("Click to exit and save the data."));
  screenshot(form, "teams-substitutes");
}

void NewLeagueWindowsTest::checkStoredLeague() {
  // The program closed and started again on the same league.
  const std::string dataPath = lg.DataPath;
  const std::string fileName = lg.FileName;
  InitLeagueData();
  lg.DataPath = dataPath;
  lg.FileName = fileName;
  LoadLeague();
  QCOMPARE(lg.NumTeams, Integer{8});
  QCOMPARE(lg.NumSubs, Integer{4});
  auto at = [](int t, int p) { return lg.PlayerName[lg.Roster[t][p]]; };
  QCOMPARE(at(1, 0), Name("Strikers"));
  QCOMPARE(at(1, 1), Name("Fay Wray"));
  QCOMPARE(at(1, 2), Name("Bob _Big_ Jones"));
  QCOMPARE(at(1, 4), Name("Di Prince"));
  QCOMPARE(at(2, 0), Name("Spares"));
  QCOMPARE(at(2, 2), Name("Ann Smith"));
  QCOMPARE(at(2, 3), Name("*VACANCY 203"));
  QCOMPARE(at(3, 0), Name("TEAM 3"));
  QCOMPARE(lg.PlayerName[lg.SubList[3]], Name("Gus Grant"));
  QCOMPARE(lg.PlayerName[lg.SubList[4]], Name("Ivy Lane"));
  const int ann = lg.Roster[2][2];
  QCOMPARE(lg.PlayerPhone[ann], Fixed("555-0101", 12));
  QCOMPARE(lg.PlayerStat[ann][kStartingAverage], 175.0f);
  QCOMPARE(lg.PlayerStat[ann][kGroupOrStanding], 0.0f);
  QCOMPARE(lg.RecalcGames[ann], Integer{10});
  QCOMPARE(lg.AvgAfterWeek1[ann], True);
  QCOMPARE(lg.PlayerStat[lg.Roster[1][2]][kStartingAverage], 160.0f);
  // Week 1's score places follow the swap: Fay plays first for Strikers, Ann second for Spares.
  Integer player = 0;
  ReadScore(1, 1, 1, player);
  QCOMPARE(int(player), int(lg.Roster[1][1]));
  ReadScore(1, 2, 2, player);
  QCOMPARE(int(player), ann);
  for (int k = 1; k <= 8; ++k) QCOMPARE(lg.LaneNumber[k], Integer(100 + k));
  checkSchedule();
}

QTEST_MAIN(NewLeagueWindowsTest)
#include "NewLeagueWindows_test.moc"
