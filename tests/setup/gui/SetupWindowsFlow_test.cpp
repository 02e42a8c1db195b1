// The set-up windows' entry functions and their ways out: the parameters window leading to the
// teams window, the schedule shown after the team count changed, cancelling with a reload, the
// tool tips, and a new sport made from the parameters window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "setup/LeagueFixture.h"
#include "setup/gui/ParametersForm.h"
#include "setup/gui/ScheduleForm.h"
#include "setup/gui/SetupWindows.h"
#include "setup/gui/TeamForm.h"

using namespace tallmark;
using B = TeamSetup::Button;

class SetupWindowsFlowTest : public QObject {
  Q_OBJECT

 private:
  void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  void reload() {
    const std::string dataPath = lg.DataPath;
    const std::string fileName = lg.FileName;
    const std::string programPath = lg.ProgramPath;
    InitLeagueData();
    lg.DataPath = dataPath;
    lg.FileName = fileName;
    lg.ProgramPath = programPath;
    LoadLeague();
  }

 private slots:
  void initTestCase() { OpenScheduleReview = test::ScheduleWindow; }

  void init() {
    test::scheduleWindowOpened = 0;
    test::sportsWindowOpened = 0;
  }

  void parametersOkOpensTheTeamsWindowOnTheNewLeague() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 1, 10);
    int teamsSeen = 0;
    test::WhenShown<ParametersForm>([](ParametersForm* form) {
      QVERIFY(QTest::qWaitForWindowActive(form));
      test::TypeInto(form->box(0), "6");
      QTest::mouseClick(form->okButton(), Qt::LeftButton);
    });
    test::WhenShown<TeamForm>([&](TeamForm* form) {
      teamsSeen = form->teamList()->count();
      QTest::mouseClick(form->button(B::kExitSave), Qt::LeftButton);
    });
    QCOMPARE(RunParametersForm(nullptr), int(QDialog::Accepted));
    QCOMPARE(teamsSeen, 6);
    // A new league's team count is its own: the teams window does not set the schedule up again.
    QCOMPARE(test::scheduleWindowOpened, 0);
    reload();
    QCOMPARE(lg.NumTeams, Integer{6});
    QCOMPARE(lg.NumLanes, Integer{3});
  }

  void aNewTeamSavesAndShowsTheScheduleForReview() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 1, 10);
    test::WhenShown<TeamForm>([](TeamForm* form) {
      QTest::mouseClick(form->button(B::kAddTeam), Qt::LeftButton);
      QCOMPARE(form->teamList()->currentText(), QString("TEAM 5              "));
      QTest::mouseClick(form->button(B::kAddTeam), Qt::LeftButton);
      QTest::mouseClick(form->button(B::kExitSave), Qt::LeftButton);
    });
    QCOMPARE(RunTeamForm(nullptr), int(QDialog::Accepted));
    QCOMPARE(test::scheduleWindowOpened, 1);
    QCOMPARE(test::teamsWhenScheduleShown, 6);
    reload();
    QCOMPARE(lg.NumTeams, Integer{6});
    QCOMPARE(lg.NumLanes, Integer{3});
    QCOMPARE(lg.PlayerName[lg.Roster[6][0]], Fixed("TEAM 6", 20));
    QCOMPARE(f.week(1).size(), size_t{6});
  }

  void theRealSportsAndScheduleWindowsOpen() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 1, 10);
    QString opened;
    auto closeIt = [&](QDialog* window) {
      opened += window->objectName() + " ";
      window->reject();
    };
    {
      ParametersForm form;
      form.show();
      test::WhenShown<QDialog>(closeIt, "Sports_Form");
      click(form.newSportButton());
      QCOMPARE(form.sportList()->count(), 1);  // cancelled: no new sport
    }
    const auto standIn = OpenScheduleReview;
    OpenScheduleReview = [](QWidget* parent) { RunScheduleForm(parent); };
    test::WhenShown<TeamForm>([](TeamForm* form) {
      QTest::mouseClick(form->button(B::kAddTeam), Qt::LeftButton);
      QTest::mouseClick(form->button(B::kExitSave), Qt::LeftButton);
    });
    test::WhenShown<QDialog>(closeIt, "Schedule_Form");
    RunTeamForm(nullptr);
    OpenScheduleReview = standIn;
    QCOMPARE(opened, QString("Sports_Form Schedule_Form "));
  }

  void escapeAsksAndReloadsTheLeague() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 1, 10);
    TeamForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    f.io.answerInput(std::string("Renamed"));
    click(form.button(B::kRenameTeam));
    click(form.button(B::kAddTeam));
    QCOMPARE(lg.NumTeams, Integer{5});
    f.io.answer(MsgAnswer::Yes);
    QTest::keyClick(&form, Qt::Key_Escape);
    QCOMPARE(f.io.shown.back().title, std::string("CANCEL CHANGES?"));
    QCOMPARE(f.io.shown.back().buttons, MsgButtons::YesNo);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(!form.scheduleRebuilt());  // the reload brought back four teams
    QCOMPARE(lg.NumTeams, Integer{4});
    QCOMPARE(lg.PlayerName[lg.Roster[1][0]], Fixed("TEAM 1", 20));
  }

  void cancelWithoutReloadKeepsTheChangesAndChecksTheSchedule() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 1, 10);
    TeamForm form;
    form.show();
    click(form.button(B::kAddTeam));
    f.io.answer(MsgAnswer::No);
    click(form.button(B::kCancel));
    QVERIFY(!form.isVisible());
    QVERIFY(form.scheduleRebuilt());
    QCOMPARE(lg.NumTeams, Integer{5});
    QCOMPARE(lg.NumLanes, Integer{2});  // five teams: two pairs and a team without a match
  }

  void toolTipsFollowTheOptionAndTheMode() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 1, 10);
    TeamForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    lg.ToolTips = True;
    QApplication::sendEvent(form.button(B::kDropTeam), &enter);
    QVERIFY(form.tipLabel()->isVisible());
    QCOMPARE(form.tipLabel()->text(), QString("Click to drop a whole team from the league."));
    QApplication::sendEvent(form.button(B::kDropTeam), &leave);
    QVERIFY(!form.tipLabel()->isVisible());
    click(form.substituteBox());
    QApplication::sendEvent(form.button(B::kSwapOrAdd), &enter);
    QCOMPARE(form.tipLabel()->text(), QString("Click to add a sub to the league."));
    QApplication::sendEvent(form.button(B::kSwapOrAdd), &leave);
    lg.ToolTips = False;
    QApplication::sendEvent(form.button(B::kRenamePlayer), &enter);
    QVERIFY(!form.tipLabel()->isVisible());
  }

  void noSubstitutesShowTheDefaults() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 0, 10);
    TeamForm form;
    form.show();
    click(form.substituteBox());
    QCOMPARE(form.playerList()->currentText(), QString("NO SUBS ENTERED"));
    QCOMPARE(form.phoneBox()->text(), QString("999-999-9999"));
    QCOMPARE(form.averageBox()->text(), QString("120"));
    QVERIFY(!form.phoneBox()->isEnabled());
    QVERIFY(!form.button(B::kRenamePlayer)->isEnabled());
  }

  void newSportJoinsTheListAndNamesTheBoxes() {
    test::LeagueFixture f;
    f.build(4, 3, 3, 1, 10);
    ParametersForm form;
    form.openSports = test::NewSportWindow;
    form.show();
    QCOMPARE(form.sportList()->count(), 1);
    click(form.newSportButton());
    QCOMPARE(test::sportsWindowOpened, 1);
    QCOMPARE(form.sportList()->count(), 2);
    QCOMPARE(form.sportList()->itemText(1), QString("New 10 Pin Bowling"));
    form.sportList()->setFocus();
    QTest::keyClick(form.sportList(), Qt::Key_Down);
    QCOMPARE(lg.SportNumber, Integer{2});
    QCOMPARE(form.explanation(1)->text(), QString("New Bowlers on each team's roster"));
    QCOMPARE(form.explanation(4)->text(), QString("weeks of league New Bowling this season"));
    lg.ToolTips = True;
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.newSportButton(), &enter);
    QCOMPARE(form.tipLabel()->text(), QString("Click here to add a new sport to the program"));
  }
};

QTEST_MAIN(SetupWindowsFlowTest)
#include "SetupWindowsFlow_test.moc"
